#include "content/DatenHelperC.h"
#include "content/RandomC.h"

#include <QtTest>

Q_DECLARE_METATYPE(TZeichenInWortPosSet)

namespace {
QString FlagsText(TZeichenInWortPosSet Flags)
{
    TZeichenInWortPosRec R;
    R.SetData(QChar(u'x'), Flags);
    return R.GetFlagsToString();
}
} // namespace

// Content records and the word-position flags of their characters.
class tst_DatenHelper : public QObject
{
    Q_OBJECT

private slots:
    void parseRecord_data()
    {
        QTest::addColumn<QString>("Line");
        QTest::addColumn<QString>("Brl");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Zusatztext");
        QTest::newRow("braille only") << "abc" << "abc" << "" << "";
        QTest::newRow("braille and print") << "abc ^ xyz" << "abc" << "xyz" << "";
        QTest::newRow("further separators stay in the additional text") << "a ^ b ^ c ^ d" << "a" << "b" << "c ^ d";
        QTest::newRow("a caret without spaces is a character") << "a^b" << "a^b" << "" << "";
        QTest::newRow("parts are trimmed") << "\t a  ^  b \x01 ^ c  " << "a" << "b" << "c";
        QTest::newRow("empty print form") << "a ^  ^ c" << "a" << "" << "c";
        QTest::newRow("separator at the very end") << "a ^ " << "a" << "" << "";
        QTest::newRow("a trimmed line keeps a lone caret") << "a ^" << "a ^" << "" << "";
    }
    void parseRecord()
    {
        QFETCH(QString, Line);
        QFETCH(QString, Brl);
        QFETCH(QString, Text);
        QFETCH(QString, Zusatztext);
        TDatensatz D;
        D.FZeichenInWortPos.Add(QChar(u'a'), {ziwpBegin});
        D.SetData(Line);
        QCOMPARE(D.Brl, Brl);
        QCOMPARE(D.Text, Text);
        QCOMPARE(D.Zusatztext, Zusatztext);
        QCOMPARE(D.FZeichenInWortPos.Count(), 0);
    }

    void textForm()
    {
        QCOMPARE(TDatensatz::Create("a", "", "").ToString(), QStringLiteral("a ^ "));
        QCOMPARE(TDatensatz::Create("a", "b", "c").ToString(), QStringLiteral("a ^ b ^ c"));
        TDatensatz D;
        D.SetData(QStringLiteral("a ^ b ^ c"));
        QCOMPARE(D.ToString(), QStringLiteral("a ^ b ^ c"));
        QCOMPARE(D.GetZusatztext(), QStringLiteral("c"));
        QCOMPARE(TDatensatz::Create("a", "b", "").GetZusatztext(), QStringLiteral("b"));
    }

    void copyKeepsFlagsAndRandomChoice()
    {
        TDatensatz A = TDatensatz::Create("ab", "ab", "");
        A.FZeichenInWortPos.Add(QChar(u'a'), {ziwpBegin});
        A.FZeichenInWortPos.Add(QChar(u'b'), {ziwpEnd});
        A.FZeichenInWortPos.SetRandomIndexTyp(QChar(u'b'), ziwpEnd);
        TDatensatz B;
        B.SetData(A);
        QCOMPARE(B.Brl, A.Brl);
        QCOMPARE(B.FZeichenInWortPos.ToString(), QStringLiteral("\"a\"=Beginn; \"b\"=Ende"));
        QCOMPARE(B.FZeichenInWortPos.RandomIndex(), 1);
        QCOMPARE(B.FZeichenInWortPos.RandomTyp(), ziwpEnd);
    }

    void sperrdruck_data()
    {
        QTest::addColumn<QString>("Brl");
        QTest::addColumn<QString>("Spaced");
        const QString E(QChar(0x2800));
        QTest::newRow("word") << "abc" << "a" + E + "b" + E + "c";
        QTest::newRow("existing gaps are not doubled") << "ab c" + E + "d" << "a" + E + "b c" + E + "d";
        QTest::newRow("one character") << "a" << "a";
        QTest::newRow("empty") << "" << "";
    }
    void sperrdruck()
    {
        QFETCH(QString, Brl);
        QFETCH(QString, Spaced);
        TDatensatz D = TDatensatz::Create(Brl, "", "");
        D.SetSperrdruck();
        QCOMPARE(D.Brl, Spaced);
    }

    void createFlags_data()
    {
        QTest::addColumn<int>("FirstPos");
        QTest::addColumn<QChar>("Character");
        QTest::addColumn<QString>("Word");
        QTest::addColumn<QString>("Flags");
        QTest::newRow("a in anna") << 1 << QChar('a') << "anna" << "Beginn, Ende";
        QTest::newRow("n in anna") << 2 << QChar('n') << "anna" << "Mitte";
        QTest::newRow("a in ab") << 1 << QChar('a') << "ab" << "Beginn";
        QTest::newRow("a in aba") << 1 << QChar('a') << "aba" << "Beginn, Ende";
        QTest::newRow("a in aaba") << 1 << QChar('a') << "aaba" << "Beginn, Mitte, Ende";
        QTest::newRow("a in aab") << 1 << QChar('a') << "aab" << "Beginn, Mitte";
        QTest::newRow("single character") << 1 << QChar('a') << "a" << "Beginn, Ende";
        QTest::newRow("b at the end") << 2 << QChar('b') << "ab" << "Ende";
        QTest::newRow("b in the middle and at the end") << 2 << QChar('b') << "abcb" << "Mitte, Ende";
        QTest::newRow("position below 1") << 0 << QChar('a') << "ab" << "Unbekannt";
        QTest::newRow("empty word") << 1 << QChar('a') << "" << "Unbekannt";
    }
    void createFlags()
    {
        QFETCH(int, FirstPos);
        QFETCH(QChar, Character);
        QFETCH(QString, Word);
        QFETCH(QString, Flags);
        QCOMPARE(FlagsText(TZeichenInWortPos::CreateFlags(FirstPos, Character, Word)), Flags);
    }

    void isCharacterTypIdent()
    {
        TZeichenInWortPos P;
        P.Add(QChar(u'a'), {ziwpBegin});
        P.Add(QChar(u'a'), {ziwpEnd});
        QVERIFY(P.IsCharacterTypIdent(QChar(u'a'), ziwpEnd));
        QVERIFY(!P.IsCharacterTypIdent(QChar(u'a'), ziwpMiddle));
        QVERIFY(!P.IsCharacterTypIdent(QChar(u'b'), ziwpBegin));
    }

    void explicitChoice()
    {
        TZeichenInWortPos P;
        P.SetRandomIndexTyp(QChar(u'a'), ziwpBegin);
        QCOMPARE(P.RandomIndex(), -1); // empty list
        QCOMPARE(P.RandomTyp(), ziwpNone);
        P.Add(QChar(u'a'), {ziwpBegin});
        P.Add(QChar(u'b'), {ziwpMiddle});
        P.SetRandomIndexTyp(QChar(u'b'), ziwpMiddle);
        QCOMPARE(P.RandomIndex(), 1);
        QCOMPARE(P.RandomTyp(), ziwpMiddle);
        P.SetRandomIndexTyp(QChar(u'z'), ziwpEnd);
        QCOMPARE(P.RandomIndex(), -1);
        QCOMPARE(P.RandomTyp(), ziwpEnd);
    }

    void randomChoiceAlternatesPositions()
    {
        RandSeed(7);
        TZeichenInWortPos P;
        P.Add(QChar(u'a'), {ziwpBegin, ziwpEnd});
        P.SetRandomIndexTyp(QChar(u' '), ziwpNone);
        TZeichenInWortPosTyp Previous = P.RandomTyp();
        QVERIFY(Previous == ziwpBegin || Previous == ziwpEnd);
        for (int I = 0; I < 20; ++I) {
            P.SetRandomIndexTyp(QChar(u' '), ziwpNone);
            QCOMPARE(P.RandomIndex(), 0);
            QCOMPARE(P.RandomTyp(), Previous == ziwpBegin ? ziwpEnd : ziwpBegin);
            Previous = P.RandomTyp();
        }
    }

    void randomChoiceNeverRepeatsTheEntry()
    {
        RandSeed(11);
        TZeichenInWortPos P;
        P.Add(QChar(u'a'), {ziwpBegin});
        P.Add(QChar(u'b'), {ziwpMiddle});
        P.Add(QChar(u'c'), {ziwpEnd});
        QSet<int> Seen;
        int Previous = -1;
        for (int I = 0; I < 200; ++I) {
            P.SetRandomIndexTyp(QChar(u' '), ziwpNone);
            QVERIFY(P.RandomIndex() != Previous);
            const TZeichenInWortPosTyp Expected[] = {ziwpBegin, ziwpMiddle, ziwpEnd};
            QCOMPARE(P.RandomTyp(), Expected[P.RandomIndex()]);
            Previous = P.RandomIndex();
            Seen.insert(Previous);
        }
        QCOMPARE(Seen.size(), 3);
    }

    void entryWithoutPositionsGivesNone()
    {
        TZeichenInWortPos P;
        P.Add(QChar(u'a'), {});
        P.SetRandomIndexTyp(QChar(u' '), ziwpNone);
        QCOMPARE(P.RandomIndex(), -1);
        QCOMPARE(P.RandomTyp(), ziwpNone);
    }

    void copyTakesTheRandomChoice()
    {
        TZeichenInWortPos A;
        A.Add(QChar(u'a'), {ziwpBegin});
        A.SetRandomIndexTyp(QChar(u'a'), ziwpBegin);
        TZeichenInWortPos B;
        B.SetData(A);
        QCOMPARE(B.RandomIndex(), 0);
        TZeichenInWortPos Empty;
        B.SetData(Empty);
        QCOMPARE(B.RandomIndex(), -1);
        QCOMPARE(B.RandomTyp(), ziwpNone);
        QCOMPARE(B.ToString(), QString());
    }

    void seededGeneratorRepeats()
    {
        RandSeed(42);
        QList<int> First;
        for (int I = 0; I < 10; ++I)
            First.append(Random(1000));
        RandSeed(42);
        for (int I = 0; I < 10; ++I)
            QCOMPARE(Random(1000), First[I]);
        QCOMPARE(Random(1), 0);
        QCOMPARE(Random(0), 0);
    }
};

QTEST_GUILESS_MAIN(tst_DatenHelper)
#include "tst_DatenHelper.moc"
