// The braille table delivered with the program (share/Data/BrlUniChar.txt)
// checked against liblouis: every entry that stands for a German letter,
// digit, punctuation mark, sign or letter group must hold the cell that
// liblouis writes for it.
//
// Basisschrift (uncontracted) comes from de-g0-detailed.utb, the letter groups
// of Vollschrift from de-g1.ctb. For every row, liblouis translates an input
// text and the cell at a given index of its output is compared with the
// table's cell for the character. Some characters need context: liblouis puts
// dot 6 before punctuation standing directly between letters, so punctuation
// follows a word and a space ("ab: cd"); digits come after the number sign.

#include "braille/BrlUniCharC.h"

#include <QSet>
#include <QtTest>

#include "../common/Louis.h"

namespace
{

const char *const G0 = "unicode.dis,de-g0-detailed.utb";
const char *const G1 = "unicode.dis,de-g1.ctb";
// Kurzschrift: the contractions of the first Kurzschrift course, each inside
// a word where liblouis writes it as one cell.
const char *const G2 = "unicode.dis,de-g2-detailed.ctb";

// How the table entry of a row is found.
enum TLookup {
    // FindAscChar on the character gives the entry.
    lkFind,
    // The character also has an earlier entry that FindAscChar finds (the
    // digits 8 and 9 come before the substitutes for ü and ö); the row's
    // entry is looked for among all entries.
    lkListed,
};

struct TRow {
    const char *Name;
    char16_t Char;
    const char *Table;
    const char16_t *Input;
    int Index; // of the cell in liblouis's output; -1 for the last cell
    TLookup Lookup;
};

const TRow Rows[] = {
    // Letters translate alone.
    {"a", u'a', G0, u"a", 0, lkFind},
    {"b", u'b', G0, u"b", 0, lkFind},
    {"c", u'c', G0, u"c", 0, lkFind},
    {"d", u'd', G0, u"d", 0, lkFind},
    {"e", u'e', G0, u"e", 0, lkFind},
    {"f", u'f', G0, u"f", 0, lkFind},
    {"g", u'g', G0, u"g", 0, lkFind},
    {"h", u'h', G0, u"h", 0, lkFind},
    {"i", u'i', G0, u"i", 0, lkFind},
    {"j", u'j', G0, u"j", 0, lkFind},
    {"k", u'k', G0, u"k", 0, lkFind},
    {"l", u'l', G0, u"l", 0, lkFind},
    {"m", u'm', G0, u"m", 0, lkFind},
    {"n", u'n', G0, u"n", 0, lkFind},
    {"o", u'o', G0, u"o", 0, lkFind},
    {"p", u'p', G0, u"p", 0, lkFind},
    {"q", u'q', G0, u"q", 0, lkFind},
    {"r", u'r', G0, u"r", 0, lkFind},
    {"s", u's', G0, u"s", 0, lkFind},
    {"t", u't', G0, u"t", 0, lkFind},
    {"u", u'u', G0, u"u", 0, lkFind},
    {"v", u'v', G0, u"v", 0, lkFind},
    {"w", u'w', G0, u"w", 0, lkFind},
    {"x", u'x', G0, u"x", 0, lkFind},
    {"y", u'y', G0, u"y", 0, lkFind},
    {"z", u'z', G0, u"z", 0, lkFind},
    {"ä", u'ä', G0, u"ä", 0, lkFind},
    {"ö", u'ö', G0, u"ö", 0, lkFind},
    {"ü", u'ü', G0, u"ü", 0, lkFind},
    {"ß", u'ß', G0, u"ß", 0, lkFind},

    // Digits: liblouis writes the number sign and then the cell; the table
    // holds the cell after the sign.
    {"1", u'1', G0, u"1", 1, lkFind},
    {"2", u'2', G0, u"2", 1, lkFind},
    {"3", u'3', G0, u"3", 1, lkFind},
    {"4", u'4', G0, u"4", 1, lkFind},
    {"5", u'5', G0, u"5", 1, lkFind},
    {"6", u'6', G0, u"6", 1, lkFind},
    {"7", u'7', G0, u"7", 1, lkFind},
    {"8", u'8', G0, u"8", 1, lkFind},
    {"9", u'9', G0, u"9", 1, lkFind},
    {"0", u'0', G0, u"0", 1, lkFind},

    // Punctuation after a word.
    {"period", u'.', G0, u"ab. ab", 2, lkFind},
    {"comma", u',', G0, u"ab, ab", 2, lkFind},
    {"semicolon", u';', G0, u"ab; ab", 2, lkFind},
    {"colon", u':', G0, u"ab: cd", 2, lkFind},
    {"question mark", u'?', G0, u"ab? ab", 2, lkFind},
    {"exclamation mark", u'!', G0, u"ab! ab", 2, lkFind},
    {"opening parenthesis", u'(', G0, u"(ab)", 0, lkFind},
    {"closing parenthesis", u')', G0, u"(ab)", 3, lkFind},
    {"hyphen", u'-', G0, u"ab-cd", 2, lkFind},
    {"quotation mark (opening)", u'"', G0, u"\"ab", 0, lkFind},
    {"low quotation mark", u'\u201E', G0, u"\u201Eab", 0, lkFind},
    {"right quotation mark (closing)", u'\u201D', G0, u"ab\u201D", 2, lkFind},
    // Exception: German braille writes the closing quotation mark “ (U+201C)
    // with dots 3-5-6. liblouis's German tables map “ to 2-3-6, the cell of
    // the opening mark, as they take it for the English opening quote; the
    // row is compared with the cell liblouis writes for a plain quotation
    // mark that closes a word.
    {"left quotation mark (German closing)", u'\u201C', G0, u"\"ab\"", -1, lkFind},
    {"apostrophe", u'\'', G0, u"ab's", 2, lkFind},
    {"section sign", u'§', G0, u"§ 5", 0, lkFind},

    // Signs written before a character.
    {"number sign", u'#', G0, u"5", 0, lkFind},
    {"capital sign", u'$', G0, u"Haus", 0, lkFind},
    {"sign for a word in capitals", u'\u2191', G0, u"ADAC", 0, lkFind},

    // Substitutes for ä, ö, ü and ß: the cell of the letter.
    {"` for ä", u'`', G0, u"ä", 0, lkFind},
    {"9 for ö", u'9', G0, u"ö", 0, lkListed},
    {"8 for ü", u'8', G0, u"ü", 0, lkListed},
    {"~ for ß", u'~', G0, u"ß", 0, lkFind},
    // Substitutes for the square brackets and the backslash, which German
    // braille writes with two cells (dot 6 + 2356, dot 4 + 34): the table holds
    // the last of them.
    {"{ for [", u'{', G0, u"[", -1, lkFind},
    {"} for ]", u'}', G0, u"]", -1, lkFind},
    {"| for backslash", u'|', G0, u"\\", -1, lkFind},

    // Letter groups of Vollschrift.
    {"au", u'&', G1, u"haus", 1, lkFind},
    {"eu", u'%', G1, u"eule", 0, lkFind},
    {"ei", u'@', G1, u"ein", 0, lkFind},
    {"äu", u'=', G1, u"häuser", 1, lkFind},
    {"ie", u'<', G1, u"wie", 1, lkFind},
    {"ch", u'*', G1, u"ich", 1, lkFind},
    {"sch", u'_', G1, u"schule", 0, lkFind},
    {"st", u'>', G1, u"stein", 0, lkFind},
    {"er", u'ŕ', G2, u"Vater", 4, lkFind},
    {"en", u'ń', G2, u"Regen", 4, lkFind},
    {"el", u'ĺ', G2, u"Nebel", 4, lkFind},
    {"ein", u'ë', G2, u"Stein", 2, lkFind},
    {"ll", u'ľ', G2, u"Teller", 3, lkFind},
    {"mm", u'ṁ', G2, u"Zimmer", 3, lkFind},
    {"ss", u'š', G2, u"Wasser", 3, lkFind},
    {"ck", u'ķ', G2, u"Zucker", 3, lkFind},
    {"es", u'ś', G2, u"lesen", 1, lkFind},
    {"em", u'ḿ', G2, u"Hemd", 2, lkFind},
    {"te", u'ť', G2, u"Tomate", 5, lkFind},
    {"ge", u'ǧ', G2, u"Auge", 2, lkFind},
    {"ig", u'ï', G2, u"Honig", 4, lkFind},
    {"ich", u'ì', G2, u"Licht", 2, lkFind},
    {"an", u'ā', G2, u"Tante", 2, lkFind},
    {"in", u'í', G2, u"Kinder", 2, lkFind},
    {"un", u'ū', G2, u"Hund", 2, lkFind},
    {"ar", u'â', G2, u"Garten", 2, lkFind},
    {"al", u'à', G2, u"kalt", 1, lkFind},
    {"or", u'ô', G2, u"Dorf", 2, lkFind},
    {"eh", u'ê', G2, u"gehen", 1, lkFind},
    {"ach", u'á', G2, u"Dach", 2, lkFind},
    {"be", u'ḃ', G2, u"Besuch", 1, lkFind},
    {"ver", u'ṽ', G2, u"verkaufen", 0, lkFind},
    {"ung", u'ú', G2, u"Wohnung", 5, lkFind},
    {"heit", u'ĥ', G2, u"Freiheit", 4, lkFind},
    {"keit", u'ǩ', G2, u"Kleinigkeit", 5, lkFind},
    {"lich", u'ł', G2, u"fröhlich", 4, lkFind},
};

QString Louis(const char *Table, const QString &Text)
{
    return LouisCells(Table, Text);
}

// The raised dots of a cell, in ascending order ('1245').
QString DotsOfCell(QChar Cell)
{
    QString Dots;
    const int Bits = Cell.unicode() - 0x2800;
    for (int Dot = 0; Dot < 8; ++Dot)
        if (Bits & (1 << Dot))
            Dots += QChar(u'1' + Dot);
    return Dots;
}

QString Describe(QChar C)
{
    return QStringLiteral("'%1' (U+%2)").arg(C).arg(C.unicode(), 4, 16, QChar(u'0'));
}

// The cell liblouis gives for a row; a null character when it has none.
QChar LouisCell(const TRow &Row)
{
    const QString Out = Louis(Row.Table, QString::fromUtf16(Row.Input));
    const qsizetype Index = Row.Index < 0 ? Out.size() - 1 : Row.Index;
    if (Index < 0 || Index >= Out.size())
        return QChar();
    return Out[Index];
}

} // namespace

Q_DECLARE_METATYPE(TLookup)

class tst_BrlTableLiblouis : public QObject
{
    Q_OBJECT

private:
    TBrlUniChar FTable;

private slots:
    void initTestCase()
    {
        lou_setLogLevel(LOU_LOG_ERROR);
        const QString Path = QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt");
        QVERIFY2(FTable.LoadFile(Path), qPrintable(FTable.LastErrorString));
        QVERIFY2(lou_getTable(G0), G0);
        QVERIFY2(lou_getTable(G1), G1);
        QVERIFY2(lou_getTable(G2), G2);
    }

    void cleanupTestCase() { lou_free(); }

    void cellAgreesWithLiblouis_data()
    {
        QTest::addColumn<int>("row");
        for (int I = 0; I < int(std::size(Rows)); ++I)
            QTest::newRow(Rows[I].Name) << I;
    }

    void cellAgreesWithLiblouis()
    {
        QFETCH(int, row);
        const TRow &Row = Rows[row];
        const QChar Char(Row.Char);

        const QString Out = Louis(Row.Table, QString::fromUtf16(Row.Input));
        const QChar Cell = LouisCell(Row);
        QVERIFY2(
            Cell.unicode() >= 0x2800 && Cell.unicode() <= 0x28FF,
            qPrintable(QStringLiteral("liblouis gives \"%1\" for \"%2\"").arg(Out, QString::fromUtf16(Row.Input))));

        TBuc Buc;
        QVERIFY2(FTable.FindAscChar(Char, Buc), qPrintable(Describe(Char) + QStringLiteral(" is not in the table")));
        if (Row.Lookup == lkListed) {
            QVERIFY2(Buc.UniBrl != Cell, "the earlier entry of the character is expected to differ");
            const TBucDynArray &Entries = FTable.Entries();
            const auto It = std::find_if(Entries.begin(), Entries.end(),
                                         [&](const TBuc &B) { return B.AscChar == Char && B.UniBrl == Cell; });
            QVERIFY2(It != Entries.end(), qPrintable(QStringLiteral("no entry %1 with the cell %2 (liblouis \"%3\")")
                                                         .arg(Describe(Char), QString(Cell), Out)));
            Buc = *It;
        }
        QVERIFY2(Buc.UniBrl == Cell, qPrintable(QStringLiteral("%1: table %2, liblouis %3 at %4 of \"%5\"")
                                                    .arg(Describe(Char), QString(Buc.UniBrl), QString(Cell))
                                                    .arg(Row.Index)
                                                    .arg(Out)));
        QCOMPARE(Buc.Dots, DotsOfCell(Cell));
    }

    // Every entry of the table is checked by a row above.
    void everyEntryChecked()
    {
        QSet<QString> Checked;
        for (const TRow &Row : Rows)
            Checked.insert(QString(QChar(Row.Char)) + LouisCell(Row));
        for (const TBuc &Buc : FTable.Entries())
            QVERIFY2(Checked.contains(QString(Buc.AscChar) + Buc.UniBrl),
                     qPrintable(QStringLiteral("entry %1 (%2) is not checked against liblouis")
                                    .arg(Buc.ToString(), Describe(Buc.AscChar))));
    }

    // Lower-case German words come out of the table as liblouis writes them
    // in Basisschrift.
    void wordsAgreeWithLiblouis_data()
    {
        QTest::addColumn<QString>("word");
        QTest::newRow("alphabet") << QStringLiteral("abcdefghijklmnopqrstuvwxyz");
        QTest::newRow("straße") << QStringLiteral("straße");
        QTest::newRow("übermäßig") << QStringLiteral("übermäßig");
        QTest::newRow("köln") << QStringLiteral("köln");
        QTest::newRow("fräulein") << QStringLiteral("fräulein");
    }

    void wordsAgreeWithLiblouis()
    {
        QFETCH(QString, word);
        QCOMPARE(FTable.ConvertTextToBrlString(word), Louis(G0, word));
    }
};

QTEST_GUILESS_MAIN(tst_BrlTableLiblouis)
#include "tst_BrlTableLiblouis.moc"
