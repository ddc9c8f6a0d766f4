#pragma once

#include "progress/WiederholungC.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

// The learner's progress: how each character of a learning material was
// answered, which characters it was confused with, its place in the review
// (TWiederholung), and every completed lesson. Kept in "Fortschritt.txt" in
// the profile folder, a text file a teacher can read (its layout is described
// in the help page "Fortschrittsdatei").
//
// Use: the owner loads the record once, the exercise window reports every
// judged answer, and the record is saved after each lesson:
//     TFortschritt Fortschritt;
//     Fortschritt.LoadFile(TFortschritt::DefaultFileName());
//     // a finding or error-search click that TClickPos::CheckClick judged
//     // (Result 1 or -1), the asked target's cells and print form:
//     Fortschritt.RecordFinding(Material, Cells, Name, Result > 0, QDate::currentDate(), ClickedCells);
//     // each field TTippenPos::CheckPos judged (it skips empty fields; pass
//     // those too where an empty answer should count as not known):
//     Fortschritt.RecordTyping(Material, Pos.FTypeText, Pos.FText, QDate::currentDate());
//     // after the run:
//     Fortschritt.RecordLesson(Material, Bereich, Lektion, QDateTime::currentDateTime(), Points, ...);
//     Fortschritt.SaveFile();
// Learning materials compare without regard to case; characters are keyed by
// their braille cells. Used on the main thread only.

// Cells given instead of the asked ones.
struct TVerwechslung {
    QString Name; // their print form
    int Anzahl = 0;
    bool operator==(const TVerwechslung &) const = default;
};

// One character or letter group of a learning material.
struct TZeichenStand {
    QString Material; // learning material, e.g. "Lernmaterial-1"
    QString Zellen;   // braille cells U+2800 .. U+28FF, usually one
    QString Name;     // print form: "e", "sch", "ß"
    int Gefragt = 0;  // answers given; always Richtig + Falsch
    int Richtig = 0;
    int Falsch = 0;
    QMap<QString, TVerwechslung> Verwechslungen; // by the cells given instead
    QDate Erstmals;                              // first and last day practised
    QDate Zuletzt;
    TLernkarte Karte; // place in the review

    // The most frequent confusion as "i statt e" (i given instead of e);
    // empty when there is none.
    QString VerwechslungText() const;
    bool operator==(const TZeichenStand &) const = default;
};

// One completed lesson.
struct TLektionsAbschluss {
    QString Material;
    QString Bereich;         // the area as shown; empty for none
    QString Lektion;         // the lesson's name as shown
    QDateTime Abgeschlossen; // local time, whole seconds
    int Punkte = 0;          // may be negative
    int Richtig = 0;
    int Falsch = 0;
    int Sekunden = 0; // duration of the run

    bool operator==(const TLektionsAbschluss &) const = default;
};

// A lesson's completions taken together.
struct TLektionsStand {
    QString Bereich;
    QString Lektion;
    int Abschluesse = 0;
    int BestePunkte = 0;
    QDateTime Zuletzt;
};

class TFortschritt
{
public:
    // Gives the print form of cells; empty when they have none.
    using TNamensSuche = std::function<QString(const QString &Zellen)>;

    static constexpr int FormatVersion = 1;

    // ProfilePath + "Fortschritt.txt".
    static QString DefaultFileName();
    // The kept copy beside a progress file: "Fortschritt.bak".
    static QString BackupFileName(const QString &FileName);
    // Where a damaged record is kept before the record starts afresh:
    // "Fortschritt.beschädigt-2026-12-11.txt" beside it, "-2" and on when
    // that name is taken.
    static QString DamagedFileName(const QString &FileName, const QDate &Day);

    TFortschritt() = default;

    void Clear();
    // Without a search of its own the record names cells by the process-wide
    // braille table (letter groups by their letters).
    void SetNamensSuche(TNamensSuche NamensSuche) { FNamensSuche = std::move(NamensSuche); }
    QString NameOf(const QString &Zellen) const;

    // A finding click (also an error-search click: the asked cells are the
    // faulty spot): right on the asked target, or wrong on WrongCells, which
    // are then recorded as a confusion when they have a name. An empty Name
    // is looked up. Nothing is recorded for an unnamed target or an invalid
    // day.
    void RecordFinding(const QString &Material, const QString &Cells, const QString &Name, bool Right, QDate Day,
                       const QString &WrongCells = QString());
    // A typed field judged against one accepted answer, cell by cell; spaces
    // are left out on both sides first (the checker may accept an answer
    // without them) and cells without a name are not recorded. Same length:
    // each position is right or a confusion. Other lengths: the common start
    // and end are right, the asked cells between them wrong without a
    // confusion. An empty field makes every asked cell wrong.
    void RecordTyping(const QString &Material, const QString &Expected, const QString &Typed, QDate Day);
    // The same against the field's accepted answers: the one the typed text
    // matches best is taken.
    void RecordTyping(const QString &Material, const QStringList &Accepted, const QString &Typed, QDate Day);
    void RecordLesson(const QString &Material, const QString &Bereich, const QString &Lektion,
                      const QDateTime &Finished, int Points, int Right, int Wrong, int DurationSeconds);

    // The characters of a material, weakest first: lowest ratio of right
    // answers, then more wrong ones, then fewer answers.
    QList<TZeichenStand> Zeichen(const QString &Material) const;
    // All characters, of every material.
    QList<TZeichenStand> AlleZeichen() const { return FZeichen.values(); }
    const TZeichenStand *FindZeichen(const QString &Material, const QString &Zellen) const;
    // The lessons of a material with their completions, by area and name.
    QList<TLektionsStand> Lektionen(const QString &Material) const;
    // Every completed lesson, in the order they were completed.
    const QList<TLektionsAbschluss> &Abschluesse() const { return FAbschluesse; }
    // The names of at most N weakest characters that were ever answered
    // wrong.
    QStringList Weakest(const QString &Material, int N) const;
    // "Am schwächsten: e, i, ö"; empty when nothing was answered wrong.
    QString WeakestText(const QString &Material, int N = 3) const;
    bool IsEmpty() const { return FZeichen.isEmpty() && FAbschluesse.isEmpty(); }

    // Reads a progress file. A missing file gives an empty record. A file
    // that cannot be read or is damaged is logged and its kept copy read
    // instead (or nothing, when that fails too); false then.
    bool LoadFile(const QString &FileName);
    // Writes the file named at LoadFile whole, keeping the file it replaces
    // as the copy when that one reads without fault. False (and logged) when
    // it cannot be written.
    bool SaveFile();
    QString Filename() const { return FFilename; }

    // The file's text, and reading it back; ParseText fails with the line
    // number (1-based) and the reason, and leaves the record unchanged.
    QString ToText() const;
    bool ParseText(const QString &Text, int &ErrorLine, QString &ErrorReason);

    QString LastErrorString;

    bool operator==(const TFortschritt &Other) const
    {
        return FZeichen == Other.FZeichen && FAbschluesse == Other.FAbschluesse;
    }

private:
    TZeichenStand *Stand(const QString &Material, const QString &Cells, const QString &Name, QDate Day);
    void Answer(const QString &Material, const QString &Cells, const QString &Name, bool Right, QDate Day,
                const QString &GivenCells);

    QString FFilename;
    TNamensSuche FNamensSuche;
    // Keyed by the case-folded material, a tab and the cells: one order for
    // the file and the queries.
    QMap<QString, TZeichenStand> FZeichen;
    QList<TLektionsAbschluss> FAbschluesse;
};

// The running program's record; null before and after (and in tools).
extern TFortschritt *Fortschritt;
