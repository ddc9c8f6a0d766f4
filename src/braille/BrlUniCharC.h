#pragma once

#include "braille/SprechnamenC.h"

#include <QChar>
#include <QList>
#include <QObject>
#include <QString>

// One entry of the braille table: a character, its braille cell and the
// raised dots of the cell as written in the table file.
struct TBuc {
    QString Dots;  // '1245', never normalised
    QChar UniBrl;  // the Unicode braille cell
    QChar AscChar; // the text character

    static TBuc Create(const QString &ADots, QChar AUniBrl, QChar AAscChar);
    void Clear();
    bool IsEmpty() const { return Dots.isEmpty(); }
    // Parses one trimmed table line; false when it is not a valid entry.
    bool SetData(const QString &S);
    // '1=$2801 $61'
    QString ToString() const;
};
using TBucDynArray = QList<TBuc>;

enum TTranslateTyp { ttToUniBrl, ttToAscChar };

// The braille table: which cell stands for which character.
class TBrlUniChar
{
public:
    explicit TBrlUniChar(QObject *AHnd = nullptr);

    void Clear();
    // An empty AFilename means the data folder plus "BrlUniChar.txt". The
    // spoken names come from "Sprechnamen.txt" in the table's folder.
    bool LoadFile(const QString &AFilename = QString());
    const TSprechnamen &Sprechnamen() const { return FSprechnamen; }

    bool FindDots(const QString &Dots, TBuc &Buc) const;
    bool FindUniBrl(QChar UniBrl, TBuc &Buc) const;
    bool FindAscChar(QChar AscChar, TBuc &Buc) const;

    // Character by character. With NoMarker false, braille is marked by
    // square brackets in the text: to cells, only bracketed parts are
    // translated; to text, every run of cells comes back in brackets.
    QString Translate(const QString &Text, TTranslateTyp ToTyp, bool NoMarker) const;
    // Text to braille for display: lower-cased, with substitute characters
    // for letters the table lacks.
    QString ConvertTextToBrlString(const QString &Text) const;
    QString ConvertBrlToTextString(const QString &Brl) const;
    static QString ConvertSpaceToUniSpaceString(const QString &Brl);
    // 'ab' gives '1+12' ('1+1 2' with spaces).
    QString ConvertTextToDotsString(const QString &Text, bool WithSpace) const;
    // 'Punkt 1, und Punkte 1 2'
    QString ConvertTextToSpeakTextDotsString(const QString &Text) const;

    bool IsEmpty() const { return FEntries.isEmpty(); }
    int Count() const { return int(FEntries.size()); }
    // All entries in file order.
    const TBucDynArray &Entries() const { return FEntries; }
    QString Filename() const { return FFilename; }

    QString LastErrorString;

private:
    void AddEntry(const TBuc &Buc);
    void BuildIndex();
    const TBuc *LookupUniBrl(QChar C) const;
    const TBuc *LookupAscChar(QChar C) const;
    void TranslateToCells(const QChar *In, QChar *Out, qsizetype N) const;

    [[maybe_unused]] QObject *FMainWindowHandle;
    QString FFilename;
    TSprechnamen FSprechnamen;
    TBucDynArray FDots[2];
    int FMinUniBrl = -1;
    int FMaxUniBrl = -1;
    TBucDynArray FUniBrl[2];
    int FMinAscChar = -1;
    int FMaxAscChar = -1;
    TBucDynArray FAscChar[2];

    // Direct lookups built at load for the conversions of whole texts; they
    // give the same first-in-file-order entry as the Find operations.
    TBucDynArray FEntries;
    QList<qint32> FUniBrlIndex;  // by code - FMinUniBrl, -1 for none
    QList<qint32> FAscCharIndex; // by code - FMinAscChar, -1 for none
    // The cells of the ASCII characters for the vectorised text-to-cells
    // path: 0 for none, else 0x40 plus the dot bits of a 6-dot cell. Only
    // used when every ASCII character maps to a 6-dot cell or to nothing.
    quint8 FAsciiCells[128] = {};
    bool FAsciiCellsUsable = false;
};

// The process-wide braille table, installed by its owner; null when none.
extern TBrlUniChar *BrlUniChar;

// A text as the learner's braille display shows it: every character the
// process-wide table knows becomes its cell; the length stays. Unchanged
// while no table is installed.
QString ShowAsBraille(const QString &S);
