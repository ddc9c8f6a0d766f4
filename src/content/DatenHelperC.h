#pragma once

#include "content/EnumSetC.h"
#include "content/TextFileC.h"

#include <QChar>
#include <QList>
#include <QString>

// Where in a word a character occurs.
enum TZeichenInWortPosTyp : quint8 { ziwpNone, ziwpBegin, ziwpMiddle, ziwpEnd };

using TZeichenInWortPosSet = TEnumSet<TZeichenInWortPosTyp>;

QString ZeichenInWortPosName(TZeichenInWortPosTyp Typ);

struct TZeichenInWortPosRec {
    QChar Character = QChar(u' ');
    TZeichenInWortPosSet Flags;

    void Clear();
    void SetData(QChar ACharacter, TZeichenInWortPosSet AFlags);
    void SetData(const TZeichenInWortPosRec &AZiwpRec) { *this = AZiwpRec; }
    // "Beginn, Ende"; "Unbekannt" for no flags.
    QString GetFlagsToString() const;
    bool operator==(const TZeichenInWortPosRec &) const = default;
};
using TZeichenInWortPosRecDynArray = QList<TZeichenInWortPosRec>;

// The characters of a word with where each occurs, and the current random
// choice among them.
class TZeichenInWortPos
{
public:
    void Clear();
    void Add(QChar ACharacter, TZeichenInWortPosSet AFlags);
    void Add(const TZeichenInWortPosRec &AZiwpRec);
    int Count() const { return int(FList.size()); }
    const TZeichenInWortPosRecDynArray &GetList() const { return FList; }
    int RandomIndex() const { return FRandomIndex; }
    TZeichenInWortPosTyp RandomTyp() const { return FRandomTyp; }

    // Where Character occurs in the word S, its first occurrence being at
    // the 1-based position FirstPos.
    static TZeichenInWortPosSet CreateFlags(int FirstPos, QChar Character, const QString &S);
    bool IsCharacterTypIdent(QChar Character, TZeichenInWortPosTyp Typ) const;
    // Chooses the current entry and position: explicitly, or at random (a
    // space with ziwpNone) so that neither repeats the previous choice.
    void SetRandomIndexTyp(QChar ACharacter, TZeichenInWortPosTyp ARandomTyp);
    void SetData(const TZeichenInWortPos &AZeichenInWortPos);
    // '"a"=Beginn, Ende; "b"=Mitte'
    QString ToString() const;

private:
    TZeichenInWortPosRecDynArray FList;
    int FRandomIndex = -1;
    TZeichenInWortPosTyp FRandomTyp = ziwpNone;
};

// One content record: braille form, print form, additional text.
struct TDatensatz {
    TZeichenInWortPos FZeichenInWortPos;
    QString Brl;
    QString Text;
    QString Zusatztext;

    static inline const QString Separator = QStringLiteral(" ^ ");

    static TDatensatz Create(const QString &ABrl, const QString &AText, const QString &AZusatztext);
    void Clear();
    // Parses the text form "Brl ^ Text ^ Zusatztext".
    void SetData(const QString &S);
    void SetData(QStringView S);
    void SetData(QChar ABrl);
    void SetData(const TDatensatz &ADatensatz);
    QString GetZusatztext() const { return Zusatztext.isEmpty() ? Text : Zusatztext; }
    // Puts an empty braille cell between every two neighbouring characters
    // of Brl of which neither is a space or an empty cell.
    void SetSperrdruck();
    QString ToString() const;
};
using TDatensatzDynArray = QList<TDatensatz>;

// The order of content files in the lists a learner sees: by title, then
// description, then full file name, each without regard to case.
template<typename T>
bool TitelOrderLess(const T &A, const T &B)
{
    if (const int C = CompareText(A.Titel(), B.Titel()))
        return C < 0;
    if (const int C = CompareText(A.Beschreibung(), B.Beschreibung()))
        return C < 0;
    return CompareText(A.FileInfo().GetFilename(), B.FileInfo().GetFilename()) < 0;
}
