#include "exercise/MemoC.h"

#include <QtTest>

// The memo the engine works on, and the conversion between its positions
// (CR LF counts two) and a text document's (a line break counts one).
class tst_Memo : public QObject
{
    Q_OBJECT

private slots:
    void selectionAndReplacement()
    {
        TStringMemo M;
        M.SetText(QStringLiteral("ab\r\ncd"));
        M.SetSelStart(4);
        M.SetSelLength(5); // cut at the end of the text
        QCOMPARE(M.SelLength(), 2);
        QCOMPARE(M.SelText(), QStringLiteral("cd"));
        M.ReplaceSelection(QStringLiteral("x"));
        QCOMPARE(M.Text(), QStringLiteral("ab\r\nx"));
        QCOMPARE(M.SelStart(), 5);
        M.SetSelStart(1);
        M.SetSelLength(1);
        M.SetSelStart(2); // moving the cursor empties the selection
        QCOMPARE(M.SelLength(), 0);
        M.ReplaceSelection(QStringLiteral("!")); // inserts at the cursor
        QCOMPARE(M.Text(), QStringLiteral("ab!\r\nx"));
        M.SetSelStart(-3);
        QCOMPARE(M.SelStart(), 0);
        M.SetSelStart(99);
        QCOMPARE(M.SelStart(), int(M.Text().size()));
    }

    void addLine()
    {
        TStringMemo M;
        M.AddLine(QStringLiteral("eins"));
        M.AddLine(QStringLiteral("zwei"));
        QCOMPARE(M.Text(), QStringLiteral("eins\r\nzwei\r\n"));
        M.SetText(QStringLiteral("ohne Ende"));
        M.AddLine(QStringLiteral("neu"));
        QCOMPARE(M.Text(), QStringLiteral("ohne Ende\r\nneu\r\n"));
    }

    void positions_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<int>("MemoPos");
        QTest::addColumn<int>("DocumentPos");
        QTest::addColumn<int>("BackToMemo");
        const QString T = QStringLiteral("ab\r\n⠁⠃\r\n\r\nc");
        QTest::newRow("start") << T << 0 << 0 << 0;
        QTest::newRow("end of first line") << T << 2 << 2 << 2;
        QTest::newRow("between CR and LF") << T << 3 << 2 << 2;
        QTest::newRow("start of second line") << T << 4 << 3 << 4;
        QTest::newRow("braille cells count one each") << T << 6 << 5 << 6;
        QTest::newRow("empty line") << T << 8 << 6 << 8;
        QTest::newRow("last line") << T << 10 << 7 << 10;
        QTest::newRow("end") << T << 11 << 8 << 11;
        QTest::newRow("past the end") << T << 50 << 8 << 11;
        QTest::newRow("lone LF counts one") << QStringLiteral("a\nb") << 2 << 2 << 2;
    }
    void positions()
    {
        QFETCH(QString, Text);
        QFETCH(int, MemoPos);
        QFETCH(int, DocumentPos);
        QFETCH(int, BackToMemo);
        QCOMPARE(MemoToDocumentPosition(Text, MemoPos), DocumentPos);
        QCOMPARE(DocumentToMemoPosition(Text, DocumentPos), BackToMemo);
    }

    void everyDocumentPositionRoundTrips()
    {
        const QString T = QStringLiteral("Finde: ⠁\r\n ⠁  ⠃ ⠁\r\n\r\nx");
        const int DocumentLength = MemoToDocumentPosition(T, int(T.size()));
        for (int D = 0; D <= DocumentLength; ++D)
            QCOMPARE(MemoToDocumentPosition(T, DocumentToMemoPosition(T, D)), D);
    }
};

QTEST_GUILESS_MAIN(tst_Memo)
#include "tst_Memo.moc"
