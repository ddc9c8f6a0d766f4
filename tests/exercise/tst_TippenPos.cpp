#include "braille/BrlUniCharC.h"
#include "content/RandomC.h"
#include "exercise/AufgabenTypSettingsC.h"
#include "exercise/DatenPartsC.h"
#include "exercise/TippenPosC.h"
#include "sound/SoundsHelperC.h"

#include "../common/Records.h"

#include <QtTest>

// Typing exercises: making them, typing into their fields, judging them.
class tst_TippenPos : public QObject
{
    Q_OBJECT

    TBrlUniChar FTable;
    TStringMemo FMemo;
    TTippenPos FTippen;
    int FBeeps = 0;

    QString Cells(const QString &S) const { return FTable.Translate(S, ttToUniBrl, true); }

    // Shows a fresh exercise in the memo, as the dialog does.
    void Show(TTippenPosModus Modus, const TDatensatzDynArray &List, int Max = 1, bool Normal = true)
    {
        FTippen = TTippenPos();
        FTippen.SetRe(&FMemo);
        FMemo.SetText(FTippen.CreateNewString(Modus, List, Max, Normal) + QStringLiteral("\r\n"));
    }

    void Type(int Field, const QString &Keys)
    {
        for (QChar K : Keys) {
            const int Index = FTippen.IsInPosIndex(FMemo.SelStart());
            QCOMPARE(Index, Field);
            FTippen.KeyPress(K, Index);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        BrlUniChar = &FTable;
        InstallBeep([this] { ++FBeeps; });
    }
    void cleanupTestCase()
    {
        BrlUniChar = nullptr;
        InstallBeep(nullptr);
    }
    void init() { FBeeps = 0; }

    void typeACharacterSeveralTimes()
    {
        RandSeed(5);
        QSet<int> Counts;
        for (int I = 0; I < 50; ++I) {
            Show(tpmZeichen, Records({"a ^ a ^ Punkt 1"}), 3);
            const QString Task = FTippen.FSpeakTextString;
            const int N = Task.mid(6, 1).toInt();
            Counts.insert(N);
            QVERIFY(Task.startsWith(QStringLiteral("Tippe %1 Mal: a").arg(N)));
            QCOMPARE(FTippen.Count(), 1);
            QStringList Copies(N, Cells("a"));
            QCOMPARE(FTippen.FPos[0].FTypeText, QStringList{Copies.join(u' ')});
        }
        QCOMPARE(Counts, (QSet<int>{1, 2, 3}));
        // The task line names the additional text; the field reads "[ ]".
        QVERIFY(FMemo.Text().startsWith(QStringLiteral("Tippe ")));
        QVERIFY(FMemo.Text().contains(QStringLiteral("Mal: Punkt 1\r\n[ ]")));
    }

    void threeCopiesWithoutSpacesWhenSpacesAreCleared()
    {
        TTippenPos T;
        QString Result;
        T.AddPos(QString(), QStringLiteral("a a a"), Result, 0);
        T.FPos[0].FText = Cells("aaa");
        QString Text, Speak;
        QCOMPARE(T.CheckPos(Text, Speak, true), 1);
        QCOMPARE(T.CheckPos(Text, Speak, false), -1);
    }

    void oneRecordEveryTime()
    {
        Show(tpmWort, Records({"haus ^ Haus"}));
        for (int I = 0; I < 5; ++I) {
            FTippen.CreateNewString(tpmWort, Records({"haus ^ Haus"}), 1, true);
            QCOMPARE(FTippen.Datensatz.Brl, QStringLiteral("haus"));
        }
    }

    void emptyListGivesTheMessage_data()
    {
        QTest::addColumn<int>("Modus");
        QTest::addColumn<QString>("Message");
        QTest::newRow("characters") << int(tpmZeichen) << "Kein Zeichen vorhanden!";
        QTest::newRow("words") << int(tpmWort) << "Kein Wort vorhanden!";
        QTest::newRow("sentences") << int(tpmSatz) << "Kein Satz vorhanden!";
        QTest::newRow("bridge words") << int(tpmBrueckenwoerter) << "Keine Brückenwörter vorhanden!";
        QTest::newRow("gap texts") << int(tpmLueckentext) << "Kein Lückentext vorhanden!";
    }
    void emptyListGivesTheMessage()
    {
        QFETCH(int, Modus);
        QFETCH(QString, Message);
        TTippenPos T;
        QCOMPARE(T.CreateNewString(TTippenPosModus(Modus), {}, 3, true), Message);
        QCOMPARE(T.FSpeakTextString, Message);
        QCOMPARE(T.Count(), 0);
        QString Text, Speak;
        QCOMPARE(T.CheckPos(Text, Speak, false), 0);
    }

    void spacesAreRefusedWhereTheyDoNotBelong()
    {
        Show(tpmSatz, Records({"ab c ^ ab c"}));
        const int Field = FTippen.FPos[0].FWritePos;
        FMemo.SetSelStart(Field);
        Type(0, QStringLiteral(" ")); // into an empty field
        QCOMPARE(FTippen.FPos[0].FText, QString());
        Type(0, Cells("ab"));
        Type(0, QStringLiteral("  ")); // the second one next to the first
        QCOMPARE(FTippen.FPos[0].FText, Cells("ab") + u' ');
        FMemo.SetSelStart(Field); // the start of the typed text
        Type(0, QStringLiteral(" "));
        QCOMPARE(FTippen.FPos[0].FText, Cells("ab") + u' ');
        QVERIFY(FMemo.Text().contains(u'[' + Cells("ab") + QStringLiteral("  ]")));
    }

    void deletingOutsideTheTypedTextBeeps()
    {
        Show(tpmWort, Records({"ab ^ ab"}));
        const int Start = FTippen.FPos[0].FWritePos;
        FMemo.SetSelStart(Start);
        Type(0, Cells("ab"));
        FMemo.SetSelStart(Start);
        FTippen.KeyPress(QChar(TTippenPos::KeyBackspace), 0); // right after "["
        FMemo.SetSelStart(Start + 2);
        FTippen.KeyPress(QChar(TTippenPos::KeyDelete), 0); // at the end of the text
        QCOMPARE(FBeeps, 2);
        QCOMPARE(FTippen.FPos[0].FText, Cells("ab"));
        FTippen.KeyPress(QChar(TTippenPos::KeyBackspace), 0);
        QCOMPARE(FTippen.FPos[0].FText, Cells("a"));
        QCOMPARE(FMemo.SelStart(), Start + 1);
        QVERIFY(FMemo.Text().contains(u'[' + Cells("a") + QStringLiteral(" ]")));
    }

    void typingMovesTheLaterFields()
    {
        Show(tpmLueckentext, Records({"wir ^sind^ im ^haus\\garten^ ^ Wir sind im Haus."}));
        QCOMPARE(FTippen.Count(), 2);
        const int Second = FTippen.FPos[1].FWritePos;
        FMemo.SetSelStart(FTippen.FPos[0].FWritePos);
        Type(0, Cells("sind"));
        QCOMPARE(FTippen.FPos[1].FWritePos, Second + 4);
        FMemo.SetSelStart(FTippen.FPos[1].FWritePos);
        Type(1, Cells("garten"));
        // The memo shows what the fields hold, where they hold it.
        for (const TTippenPos::TPos &P : FTippen.FPos)
            QCOMPARE(FMemo.Text().mid(P.FWritePos - P.FText.size(), P.FText.size()), P.FText);
        QString Text, Speak;
        QCOMPARE(FTippen.CheckPos(Text, Speak, false), 1); // either answer is right
        QCOMPARE(Text, QStringLiteral("Super! Alles wurde richtig eingegeben!"));
        QCOMPARE(FTippen.FPos[1].FTypeText.first(), Cells("haus")); // shown as the answer
    }

    void oneFieldRightOneEmpty()
    {
        Show(tpmLueckentext, Records({"^a^ und ^b^ ^ a und b"}));
        FMemo.SetSelStart(FTippen.FPos[0].FWritePos);
        Type(0, Cells("a"));
        QString Text, Speak;
        QCOMPARE(FTippen.CheckPos(Text, Speak, false), 1);
    }

    void wrongEntryIsShownAndSpoken()
    {
        Show(tpmWort, Records({"abc ^ abc"}));
        FMemo.SetSelStart(FTippen.FPos[0].FWritePos);
        Type(0, Cells("ab"));
        QString Text, Speak;
        QCOMPARE(FTippen.CheckPos(Text, Speak, false), -1);
        QVERIFY(Text.contains(QStringLiteral("Falsch: %1\r\nRichtig: %2\r\n").arg(Cells("ab"), Cells("abc"))));
        QVERIFY(Speak.contains(QStringLiteral("Falsch: [ab]\r\nRichtig: [abc]\r\n")));
        QVERIFY(Text.startsWith(QStringLiteral("Oje! Deine Eingabe ist leider nicht richtig!\r\nFolgendes ist falsch:\r\n")));
    }

    void nothingTyped()
    {
        Show(tpmWort, Records({"abc ^ abc"}));
        QString Text, Speak;
        QCOMPARE(FTippen.CheckPos(Text, Speak, false), 0);
        QCOMPARE(Text, QStringLiteral("Es wurde nichts eingegeben!\r\nDrücke die Leertaste um es nochmals zu versuchen."));
    }

    void repeatShowsTheExerciseWithEmptyFields()
    {
        Show(tpmWort, Records({"abc ^ abc"}));
        const QString Made = FMemo.Text();
        FMemo.SetSelStart(FTippen.FPos[0].FWritePos);
        Type(0, Cells("ab"));
        QCOMPARE(FTippen.CreateRepeatString(tpmWort), Made);
        QVERIFY(FTippen.FPos[0].FText.isEmpty());
    }

    void fieldsAroundTheCursor()
    {
        Show(tpmLueckentext, Records({"^a^ x ^b^ ^ a x b"}));
        const int First = FTippen.FPos[0].FWritePos;
        const int Second = FTippen.FPos[1].FWritePos;
        QCOMPARE(FTippen.NextPosIndex(0), 0);
        QCOMPARE(FTippen.NextPosIndex(First + 1), 1);
        QCOMPARE(FTippen.BackPosIndex(Second), 0);
        QCOMPARE(FTippen.BackPosIndex(First), -1);
        QCOMPARE(FTippen.IsInPosIndex(-1), -1);
        QCOMPARE(FTippen.IsInPosIndex(First + 1), -1);
    }

    void firstAnswerTypedIsRightOneCellChangedIsWrong_data()
    {
        QTest::addColumn<int>("Modus");
        QTest::addColumn<QStringList>("Lines");
        QTest::newRow("characters") << int(tpmZeichen) << QStringList{"a ^ a", "ß ^ ß", "# ^ Zahlzeichen"};
        QTest::newRow("words") << int(tpmWort) << QStringList{"$haus ^ Haus", "straße ^ Straße", "#12 ^ 12"};
        QTest::newRow("sentences") << int(tpmSatz) << QStringList{"$das ist gut. ^ Das ist gut.", "wer? ^ wer?"};
        QTest::newRow("bridge words") << int(tpmBrueckenwoerter) << QStringList{"$haus ^$tür\\tür^ $schloss ^ x"};
        QTest::newRow("gap texts") << int(tpmLueckentext) << QStringList{"wir ^sind^ im ^$haus\\$garten^. ^ x"};
    }
    void firstAnswerTypedIsRightOneCellChangedIsWrong()
    {
        QFETCH(int, Modus);
        QFETCH(QStringList, Lines);
        TDatensatzDynArray List;
        for (const QString &L : Lines) {
            TDatensatz D;
            D.SetData(L);
            List.append(D);
        }
        for (quint64 Seed = 1; Seed <= 40; ++Seed) {
            RandSeed(Seed);
            Show(TTippenPosModus(Modus), List, 3);
            QVERIFY(FTippen.Count() > 0);
            // Every accepted answer is braille the table knows, or a space.
            for (const TTippenPos::TPos &P : FTippen.FPos)
                for (const QString &Answer : P.FTypeText)
                    for (QChar C : Answer) {
                        TBuc B;
                        QVERIFY2(C == u' ' || FTable.FindUniBrl(C, B), qPrintable(Answer));
                    }
            // Typed key by key, the first answer of every field is right...
            for (int F = 0; F < FTippen.Count(); ++F) {
                FMemo.SetSelStart(FTippen.FPos[F].FWritePos);
                Type(F, FTippen.FPos[F].FTypeText.first());
            }
            QString Text, Speak;
            QCOMPARE(FTippen.CheckPos(Text, Speak, false), 1);
            // ... and one cell changed in the last field makes it wrong.
            TTippenPos::TPos &Last = FTippen.FPos.last();
            FMemo.SetSelStart(Last.FWritePos);
            FTippen.KeyPress(QChar(TTippenPos::KeyBackspace), FTippen.Count() - 1);
            const QChar Other = Last.FTypeText.first().back() == QChar(0x2801) ? QChar(0x2803) : QChar(0x2801);
            FTippen.KeyPress(Other, FTippen.Count() - 1);
            QCOMPARE(FTippen.CheckPos(Text, Speak, false), -1);
        }
    }

    void typingTypesTakeTheirLists()
    {
        TAufgabenTypSettings S;
        S.SetStandard();
        S.FAT_SatzTippen_Settings.CheckBraillezeilenbreite = true;
        S.FAT_SatzTippen_Settings.Saetzeliste = Records({qPrintable(QString(45, u'a'))}); // too long for 40 cells
        TTippenPos T;
        QCOMPARE(S.FAT_SatzTippen_Settings.CreateText(T), QStringLiteral("Kein Satz vorhanden!\r\n"));
        S.FAT_Brueckenwoerter_Settings.Brueckenwoerterliste = Records({"haus ^tür^ schloss ^ Haus Tür Schloss"});
        const QString Result = S.FAT_Brueckenwoerter_Settings.CreateText(T);
        QVERIFY(Result.startsWith(QStringLiteral("Finde das Brückenwort:\r\n ")));
        QCOMPARE(T.FSelStart, 24);
        QCOMPARE(T.Count(), 1);
        QVERIFY(Result.endsWith(QStringLiteral("\r\n")));
    }
};

QTEST_GUILESS_MAIN(tst_TippenPos)
#include "tst_TippenPos.moc"
