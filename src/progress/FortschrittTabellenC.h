#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class TFortschritt;

// What the "Fortschritt" window shows of a learning material, as plain rows:
// the columns to show and one text holding them all, which a screen reader
// reads for the row wherever its cursor is in it.
struct TFortschrittZeile {
    QStringList Spalten;
    QString Text;
};

struct TFortschrittTabellen {
    static QStringList ZeichenKoepfe();
    static QStringList LektionenKoepfe();
    // The characters, weakest first.
    static QList<TFortschrittZeile> Zeichen(const TFortschritt &F, const QString &Material, QDate Today);
    // The lessons, by area and name.
    static QList<TFortschrittZeile> Lektionen(const TFortschritt &F, const QString &Material);
    // Spoken when the window opens: the weakest characters and the review.
    static QString Zusammenfassung(const TFortschritt &F, const QString &Material, QDate Today);
    // "10.12.2026"; "-" for none.
    static QString Datum(QDate Day);
};
