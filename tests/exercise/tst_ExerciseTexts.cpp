#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "content/RandomC.h"
#include "exercise/AufgabenTypSettingsC.h"
#include "exercise/ClickPosC.h"
#include "exercise/DatenPartsC.h"
#include "content/TextFileC.h"
#include "exercise/LeerzeichenC.h"
#include "log/LogC.h"
#include "run/SpeakTextLinesC.h"

#include "../common/Records.h"

#include <QtTest>

namespace {
// The exercise line of a result: the text after the task line, without its
// line break.
QString ExerciseLine(const QString &Result)
{
    const QStringList Lines = Result.split(QStringLiteral("\r\n"));
    return Lines.size() > 1 ? Lines[1] : QString();
}
} // namespace

// Exercise texts of the reading and error-search types, the spacing rule and
// marked data lines.
class tst_ExerciseTexts : public QObject
{
    Q_OBJECT

    TBrlUniChar FTable;
    TLog FLog{nullptr, QString()};

private slots:
    void initTestCase()
    {
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        BrlUniChar = &FTable;
        InstallLog(&FLog);
    }
    void cleanupTestCase()
    {
        BrlUniChar = nullptr;
        InstallLog(nullptr);
        BrailleChars = 40;
    }
    void init()
    {
        BrailleChars = 40;
        FLog.Clear();
        DatenParts() = TDatenParts();
    }

    void spacingRule_data()
    {
        QTest::addColumn<QString>("Rule");
        QTest::addColumn<bool>("IsFind");
        QTest::addColumn<QString>("Brl");
        QTest::newRow("none") << "0" << true << "ab";
        QTest::newRow("always 2") << "1.2" << false << "ab  ";
        QTest::newRow("by words, a target") << "2.1" << true << " ab ";
        QTest::newRow("by words, a filler") << "2.1" << false << "ab";
    }
    void spacingRule()
    {
        QFETCH(QString, Rule);
        QFETCH(bool, IsFind);
        QFETCH(QString, Brl);
        TLeerzeichen L;
        L.SetData(Rule);
        TDatensatz D = TDatensatz::Create("ab", "ab", "");
        D.FZeichenInWortPos.Add(QChar(u'a'), {ziwpBegin});
        const TDatensatz R = L.GetDatensatzWithSpaces(D, IsFind);
        QCOMPARE(R.Brl, Brl);
        QCOMPARE(R.Text, QStringLiteral("ab"));
        QCOMPARE(R.FZeichenInWortPos.Count(), 1);
    }

    void randomSpacingAppendsOneToThreeNowAndThen()
    {
        RandSeed(3);
        const TLeerzeichen L = TLeerzeichen::Create(ltRandom, 0);
        QSet<qsizetype> Lengths;
        for (int I = 0; I < 200; ++I)
            Lengths.insert(L.GetDatensatzWithSpaces(TDatensatz::Create("ab", "", ""), true).Brl.size());
        QCOMPARE(Lengths, (QSet<qsizetype>{2, 3, 4, 5}));
    }

    void markedLines_data()
    {
        QTest::addColumn<QString>("Brl");
        QTest::addColumn<QString>("Line");
        QTest::addColumn<QList<int>>("Ranges"); // from, to, from, to, ...
        QTest::newRow("no marks") << "das ist gut" << "das ist gut" << QList<int>{};
        QTest::newRow("one part with a space") << "x ^ein haus^ y" << "x ein⠀haus y" << QList<int>{12, 19};
        QTest::newRow("empty part") << "a ^^b" << "a b" << QList<int>{};
        QTest::newRow("two parts") << "^a^ und ^b^" << "a und b" << QList<int>{10, 10, 16, 16};
        QTest::newRow("first alternative") << "er ^ist\\sind^ da" << "er ist da" << QList<int>{13, 15};
        QTest::newRow("empty alternatives") << "a ^\\ \\^b" << "a b" << QList<int>{};
    }
    void markedLines()
    {
        QFETCH(QString, Brl);
        QFETCH(QString, Line);
        QFETCH(QList<int>, Ranges);
        TClickPos C;
        C.FClickSelStart = 10;
        C.Datensatz.SetData(Brl);
        QCOMPARE(DatenParts().CreateString(C, dptSingleVariante), Line);
        QList<int> Got;
        for (const TClickPos::TPos &P : C.FPos)
            Got << P.FromPos << P.ToPos;
        QCOMPARE(Got, Ranges);
        QCOMPARE(FLog.Count(), 0);
    }

    void loneMarkIsReported()
    {
        TClickPos C;
        C.Datensatz.SetData(QStringLiteral("a ^b c"));
        QCOMPARE(DatenParts().CreateString(C, dptSingleVariante), QStringLiteral("a b c"));
        QCOMPARE(C.Count(), 0);
        QVERIFY(FLog.Get(0).endsWith(QStringLiteral("Marken in Datenzeile falsch gesetzt: \"a ^b c\"")));
    }

    void alternativesChangeFromLineToLine()
    {
        RandSeed(1);
        TClickPos C;
        C.Datensatz.SetData(QStringLiteral("er ^ist\\sind^ da"));
        QString Last = DatenParts().CreateString(C, dptMultiVariante);
        for (int I = 0; I < 20; ++I) {
            const QString Next = DatenParts().CreateString(C, dptMultiVariante);
            QVERIFY(Next != Last);
            Last = Next;
        }
    }

    void nothingToShow_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Message");
        QTest::newRow("words") << int(atWortLesen) << "Kein Wort gefunden!";
        QTest::newRow("sentences") << int(atSatzLesen) << "Kein Satz gefunden!";
        QTest::newRow("error search") << int(atFehlersuche) << "Kein Text gefunden!";
    }
    void nothingToShow()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Message);
        TClickPos C;
        C.FSelStart = 7;
        TAufgabenTypSettings S;
        QString Result;
        if (Typ == atWortLesen)
            Result = S.FAT_WortLesen_Settings.CreateText(C);
        else if (Typ == atSatzLesen)
            Result = S.FAT_SatzLesen_Settings.CreateText(C);
        else
            Result = S.FAT_Fehlersuche_Settings.CreateText(C);
        QCOMPARE(Result, Message + "\r\n");
        QCOMPARE(C.FSpeakTextString, Message);
        QCOMPARE(C.FSelStart, 0);
    }

    void readingCharactersFitsTheLine_data()
    {
        QTest::addColumn<int>("Width");
        QTest::newRow("20") << 20;
        QTest::newRow("40") << 40;
        QTest::newRow("80") << 80;
    }
    void readingCharactersFitsTheLine()
    {
        QFETCH(int, Width);
        BrailleChars = Width;
        TAT_ZeichenLesen_Settings S;
        S.SetStandard();
        S.Leerzeichen = -1;
        S.Lernzeichenliste = Records({"a ^ a", "b ^ b", "c ^ c"});
        QSet<int> Gaps;
        for (quint64 Seed = 1; Seed <= 200; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            const QString Result = S.CreateText(C);
            QVERIFY(Result.startsWith(QStringLiteral("Lies die Zeichen:\r\n")));
            QCOMPARE(C.FSelStart, 19);
            // The pane's name goes before the line on the display.
            const QString Line = ExerciseLine(Result);
            QVERIFY2(Line.size() <= ExerciseLineCells(), qPrintable(Line));
            QVERIFY(Line.size() >= ExerciseLineCells() - 4);
            // 0 to 3 blanks after each character, drawn anew for each.
            for (const QString &Run : Line.mid(1).split(QRegularExpression(QStringLiteral("[⠁⠃⠉]"))))
                Gaps.insert(int(Run.size()));
        }
        QCOMPARE(Gaps, (QSet<int>{0, 1, 2, 3}));
    }

    void readingCharactersWithoutCharacters()
    {
        TAT_ZeichenLesen_Settings S;
        S.SetStandard();
        S.Leerzeichen = 1;
        TClickPos C;
        const QString Line = ExerciseLine(S.CreateText(C));
        // A line of "%", shown as braille.
        QVERIFY(Line.startsWith(FTable.Translate(QStringLiteral(" % % %"), ttToUniBrl, true)));
    }

    void readingWordsFitsTheLine()
    {
        TAT_WortLesen_Settings S;
        S.SetStandard();
        S.Sperrdruck = true;
        S.WoerterlisteLernen = Records({"haus ^ Haus", "ab ^ ab", "leben ^ leben"});
        for (int Width : {20, 40, 80}) {
            BrailleChars = Width;
            for (quint64 Seed = 1; Seed <= 100; ++Seed) {
                RandSeed(Seed);
                TClickPos C;
                const QString Line = ExerciseLine(S.CreateText(C));
                QVERIFY2(Line.size() <= ExerciseLineCells() && Line.size() > 1, qPrintable(Line));
                QVERIFY(Line.contains(QChar(0x2800))); // spaced out
            }
        }
    }

    void sentenceWidth()
    {
        TAT_SatzLesen_Settings S;
        S.SetStandard();
        S.CheckBraillezeilenbreite = true;
        // With the pane's name ("Übung" and a space) before the line, 33
        // cells and the leading space fill a 40-cell display.
        const QString Fits(33, u'a');
        const QString TooLong(34, u'b');
        S.Saetzeliste = Records({qPrintable(Fits), qPrintable(TooLong)});
        for (quint64 Seed = 1; Seed <= 20; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            const QString Result = S.CreateText(C);
            QCOMPARE(C.Datensatz.Brl, Fits);
            QCOMPARE(ExerciseLine(Result).size(), 34);
        }
        // None that short: those that fit the display itself, rather than
        // no sentence at all.
        const QString FitsDisplay(39, u'c');
        S.Saetzeliste = Records({qPrintable(FitsDisplay), qPrintable(QString(40, u'd'))});
        for (quint64 Seed = 1; Seed <= 20; ++Seed) {
            RandSeed(Seed);
            TClickPos C;
            S.CreateText(C);
            QCOMPARE(C.Datensatz.Brl, FitsDisplay);
        }
        S.CheckBraillezeilenbreite = false;
        QSet<QString> Shown;
        TClickPos C;
        for (quint64 Seed = 1; Seed <= 20; ++Seed) {
            RandSeed(Seed);
            S.CreateText(C);
            Shown.insert(C.Datensatz.Brl);
        }
        QCOMPARE(Shown.size(), 2);
    }

    void textWithBraille()
    {
        TAT_Text_Settings S;
        S.SetData(QStringLiteral("Text=Punkt [a] \\Zeile 2"));
        TSpeakTextLines Lines;
        QCOMPARE(S.CreateText(Lines), QStringLiteral("Punkt ⠁\r\nZeile 2\r\n"));
        QCOMPARE(Lines.Lines(), (QStringList{"Punkt [a]", "Zeile 2"}));
        QCOMPARE(Lines.SpeakTextString(), QStringLiteral("Punkt [a]"));
    }

    void characterTable()
    {
        TAT_Schnellkurs_Settings S;
        S.SetStandard();
        S.Lernzeichenliste = Records({"a ^ a", "b ^ b", "ß ^ ß"});
        TStringMemo Memo;
        TSpeakTextLines Lines(&Memo);
        S.CreateText(Memo, Lines);
        QCOMPARE(Memo.Text(), QStringLiteral("Lerne folgende Zeichen im Schnellkurs:\r\n"
                                             " ⠁  1     a\r\n ⠃  12    b\r\n ⠮  2346  ß\r\n"));
        QCOMPARE(Lines.Lines(), (QStringList{"Lerne folgende Zeichen im Schnellkurs:", "a besteht aus Punkt 1",
                                             "b besteht aus Punkte 1 2", "ß besteht aus Punkte 2 3 4 6"}));
        QCOMPARE(Memo.UpdateDepth(), 0);
        S.Lernzeichenliste.clear(); // only the heading
        S.CreateText(Memo, Lines);
        QCOMPARE(Memo.Text(), QStringLiteral("Lerne folgende Zeichen im Schnellkurs:\r\n"));
    }

    void learningWithWords_data()
    {
        QTest::addColumn<QStringList>("Words");
        QTest::addColumn<int>("Shown");
        QTest::newRow("two distinct words") << QStringList{"ab ^ ab", "ba ^ ba"} << 2;
        QTest::newRow("two records of one word") << QStringList{"ab ^ ab", "ab ^ Ab"} << 1;
        QTest::newRow("more than enough") << QStringList{"a ^ a", "b ^ b", "ab ^ ab", "ba ^ ba", "aa ^ aa"} << 3;
    }
    void learningWithWords()
    {
        QFETCH(QStringList, Words);
        QFETCH(int, Shown);
        TAT_BuchstabenLernen_Settings S;
        S.SetStandard();
        S.Leerzeichen = 1;
        S.Lernzeichenliste = Records({"a ^ a", "b ^ b"});
        for (const QString &W : Words) {
            TDatensatz D;
            D.SetData(W);
            S.WoerterlisteLernen.append(D);
        }
        for (quint64 Seed = 1; Seed <= 10; ++Seed) {
            RandSeed(Seed);
            TStringMemo Memo;
            TSpeakTextLines Lines(&Memo);
            S.CreateText(Memo, Lines);
            QCOMPARE(Lines.Get(Lines.Count() - 2), QStringLiteral("Lies die folgenden Wörter:"));
            const QString WordLine = Lines.Get(Lines.Count() - 1);
            QCOMPARE(WordLine.mid(1).split(u' ').size(), Shown);
            // The memo has one line per spoken line.
            QCOMPARE(SplitLines(Memo.Text()).size(), Lines.Count());
        }
    }

    void spokenLineFollowsTheCaret()
    {
        TStringMemo Memo;
        Memo.SetText(QStringLiteral("eins\r\nzwei\r\ndrei"));
        TSpeakTextLines Lines(&Memo);
        Lines.Remember();
        QCOMPARE(Lines.NewLine(), 0);
        Memo.SetSelStart(2);
        QVERIFY(!Lines.IsNewLine());
        Memo.SetSelStart(7);
        QVERIFY(Lines.IsNewLine());
        QCOMPARE(Lines.NewLine(), 1);
        QCOMPARE(Lines.Get(5), QString());
    }

    void sentencesKeepToEveryWidth()
    {
        TAT_SatzLesen_Settings S;
        S.SetStandard();
        S.CheckBraillezeilenbreite = true;
        for (int Len : {10, 19, 20, 39, 40, 60, 79, 80})
            S.Saetzeliste.append(TDatensatz::Create(QString(Len, u'a'), QString(), QString()));
        for (int Width : {20, 40, 80}) {
            BrailleChars = Width;
            for (quint64 Seed = 1; Seed <= 50; ++Seed) {
                RandSeed(Seed);
                TClickPos C;
                const QString Line = ExerciseLine(S.CreateText(C));
                QVERIFY2(Line.size() <= Width, qPrintable(QStringLiteral("%1 > %2").arg(Line.size()).arg(Width)));
                QCOMPARE(C.FSelStart, 16); // after "Lies den Satz:" and its line break
            }
        }
    }

    void errorSearch()
    {
        TAT_Fehlersuche_Settings S;
        S.SetStandard();
        S.Fehlersucheliste = Records({"der ^hund^ miaut ^ Der Hund miaut."});
        TClickPos C;
        const QString Result = S.CreateText(C);
        const QString Task = QStringLiteral("Was stimmt hier nicht?\r\n");
        QVERIFY(Result.startsWith(Task));
        QCOMPARE(C.FSpeakTextString, QStringLiteral("Was stimmt hier nicht?"));
        QCOMPARE(C.FClickSelStart, int(Task.size()) + 1);
        QCOMPARE(C.Count(), 1);
        // The range covers the cells of "hund" in the text as shown.
        const QString Shown = Result.mid(C.FPos[0].FromPos, C.FPos[0].ToPos - C.FPos[0].FromPos + 1);
        QCOMPARE(Shown, FTable.Translate(QStringLiteral("hund"), ttToUniBrl, true));
    }
};

QTEST_GUILESS_MAIN(tst_ExerciseTexts)
#include "tst_ExerciseTexts.moc"
