#include "braille/SprechnamenC.h"

#include "braille/BrlUniCharC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QStringList>

namespace
{
bool IsCell(QChar C)
{
    return C.unicode() >= 0x2800 && C.unicode() <= 0x28FF;
}

// The signs the braille table gives a fixed meaning (see BrlUniChar.txt).
constexpr char16_t CapitalSign = u'$';
constexpr char16_t CapitalWordSign = u'\u2191';
constexpr char16_t NumberSign = u'#';

// After the number sign the cells of a to j are the digits 1 to 0.
QChar DigitOf(QChar C)
{
    if (C.unicode() >= u'a' && C.unicode() <= u'i')
        return QChar(u'1' + (C.unicode() - u'a'));
    return C == u'j' ? QChar(u'0') : QChar();
}

bool IsSmallLetters(const QString &S)
{
    if (S.isEmpty())
        return false;
    for (QChar C : S)
        if (!C.isLetter() || !C.isLower())
            return false;
    return true;
}
} // namespace

bool TSprechnamen::LoadFile(const QString &Path)
{
    QString Error;
    const std::optional<QString> Text = ReadContentFile(Path, u"Datei der Sprechnamen", Error);
    if (!Text) {
        LastErrorString = Error;
        LogAdd(LastErrorString);
        return false;
    }
    FNames.clear();
    LastErrorString.clear();
    const QStringList Lines = SplitLines(*Text);
    for (qsizetype I = 0; I < Lines.size(); ++I) {
        const QString Line = TrimCtl(Lines[I]);
        // A name for ";" itself is a line ";=..."; any other ";" line is a comment.
        if (Line.isEmpty() || (Line.startsWith(u';') && !Line.startsWith(QStringLiteral(";="))))
            continue;
        const QString Name = Line.size() > 2 && Line.at(1) == u'=' ? TrimCtl(Line.mid(2)) : QString();
        if (Name.isEmpty() || Line.at(0).isSurrogate()) {
            LastErrorString = QStringLiteral("Die Datei der Sprechnamen \"%1\" ist fehlerhaft in Zeile %2 (\"%3\")!")
                                  .arg(Path, QString::number(I + 1), Line);
            LogAdd(LastErrorString);
            continue;
        }
        FNames.insert(Line.at(0), Name);
    }
    return true;
}

QString TSprechnamen::Name(QChar TableChar) const
{
    return FNames.value(TableChar, QString(TableChar));
}

bool TSprechnamen::IsLetterGroup(QChar TableChar) const
{
    const auto It = FNames.constFind(TableChar);
    return It != FNames.constEnd() && IsSmallLetters(*It);
}

QString TSprechnamen::SpelledWord(const QString &Word) const
{
    QStringList Parts;
    bool Digits = false;
    for (QChar C : Word) {
        if (C == NumberSign) {
            Digits = true;
            Parts << Name(C);
            continue;
        }
        const QChar Digit = Digits ? DigitOf(C) : QChar();
        Digits = !Digit.isNull();
        Parts << (Digits ? QString(Digit) : Name(C));
    }
    return Parts.join(QStringLiteral(", "));
}

QString TSprechnamen::PrintWord(const QString &Word) const
{
    QString Result;
    bool Capital = false;
    bool CapitalWord = false;
    bool Digits = false;
    for (QChar C : Word) {
        if (C == CapitalSign) {
            Capital = true;
            continue;
        }
        if (C == CapitalWordSign) {
            CapitalWord = true;
            continue;
        }
        if (C == NumberSign) {
            Digits = true;
            continue;
        }
        const QChar Digit = Digits ? DigitOf(C) : QChar();
        Digits = !Digit.isNull();
        if (Digits) {
            Result += Digit;
            continue;
        }
        QString Part = IsLetterGroup(C) ? FNames.value(C) : QString(C);
        if (CapitalWord)
            Part = Part.toUpper();
        else if (Capital && !Part.isEmpty())
            Part[0] = Part.at(0).toUpper();
        Capital = false;
        Result += Part;
    }
    return Result;
}

QString TSprechnamen::SpokenRun(const QString &Chars) const
{
    const QStringList Words = Chars.split(u' ', Qt::SkipEmptyParts);
    QStringList Out;
    const bool Spell = Words.size() <= MaxSpelledWords;
    for (const QString &W : Words)
        Out << (Spell ? SpelledWord(W) : PrintWord(W));
    return Out.join(Spell ? QStringLiteral("; ") : QStringLiteral(" "));
}

QString TSprechnamen::SpeakableText(const QString &Text, const TBrlUniChar &Table) const
{
    bool Braille = Text.contains(u'[');
    for (qsizetype I = 0; !Braille && I < Text.size(); ++I)
        Braille = IsCell(Text.at(I));
    if (!Braille)
        return Text;

    // Cells to their table characters, a blank cell as a word gap.
    auto CharOf = [&Table](QChar C) {
        TBuc B;
        if (C.unicode() == 0x2800 || (Table.FindUniBrl(C, B) && B.AscChar.unicode() <= 32))
            return QChar(u' ');
        return B.IsEmpty() ? QChar(u'?') : B.AscChar;
    };
    const qsizetype N = Text.size();
    QString Result;
    Result.reserve(N * 2);
    qsizetype I = 0;
    while (I < N) {
        const QChar C = Text.at(I);
        if (C == u'[' && I + 1 < N && Text.at(I + 1) == u'[') {
            Result += u'[';
            I += 2;
        } else if (C == u']' && I + 1 < N && Text.at(I + 1) == u']') {
            Result += u']';
            I += 2;
        } else if (C == u'[') {
            const qsizetype End = Text.indexOf(u']', I + 1);
            if (End < 0) {
                Result += QStringView(Text).mid(I);
                break;
            }
            QString Run;
            for (QChar R : QStringView(Text).mid(I + 1, End - I - 1))
                Run += IsCell(R) ? CharOf(R) : R;
            Result += SpokenRun(Run);
            I = End + 1;
        } else if (IsCell(C)) {
            QString Run;
            // Cells with blanks between them are one run.
            while (I < N && (IsCell(Text.at(I)) || (Text.at(I) == u' ' && I + 1 < N && IsCell(Text.at(I + 1))))) {
                const QChar R = Text.at(I++);
                Run += R == u' ' ? R : CharOf(R);
            }
            Result += SpokenRun(Run);
        } else {
            Result += C;
            ++I;
        }
    }
    return Result;
}

QString SpeakableText(const QString &Text)
{
    if (!BrlUniChar)
        return Text;
    return BrlUniChar->Sprechnamen().SpeakableText(Text, *BrlUniChar);
}
