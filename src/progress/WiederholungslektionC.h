#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TDaten;
class TFortschritt;
class TLektionendatei;

// "Schwache Zeichen wiederholen": lessons made on the spot from the
// characters of a learning material that are due for review today (see
// TWiederholung): a finding lesson, then a typing lesson. Their records come
// from the material's character data files; a due character that none of
// them holds is taken with its print form. They run and count like any
// lesson; they belong to no area.
class TWiederholungslektion
{
public:
    static inline const QString Titel = QStringLiteral("Schwache Zeichen wiederholen");

    // The two lessons for what is due on Today, empty when nothing is. Daten
    // may be null (no data files).
    static std::vector<std::unique_ptr<TLektionendatei>>
    Create(const TFortschritt &Fortschritt, const QString &Material, const TDaten *Daten, QDate Today);
    // The print forms of the characters due on Today, weakest first.
    static QStringList DueNames(const TFortschritt &Fortschritt, const QString &Material, QDate Today);
    // What the learner is told when nothing is due: when the next review is
    // due, or that no character has been answered wrong yet.
    static QString NothingDueText(const TFortschritt &Fortschritt, const QString &Material, QDate Today);
};
