// The spoken names of braille: the shipped names file, and texts with
// braille made ready for the voice (bracket markup and braille cells).

#include "braille/BrlUniCharC.h"
#include "braille/SprechnamenC.h"
#include "content/PathsC.h"
#include "log/LogC.h"

#include <QDir>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_Sprechnamen : public QObject
{
    Q_OBJECT

    TBrlUniChar FTable;

    // The cells of a text written with the table's characters.
    QString Cells(const QString &Chars) const { return FTable.Translate(Chars, ttToUniBrl, true); }

private slots:
    void initTestCase()
    {
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        QVERIFY(!FTable.Sprechnamen().IsEmpty());
        QVERIFY2(FTable.Sprechnamen().LastErrorString.isEmpty(), qPrintable(FTable.Sprechnamen().LastErrorString));
        BrlUniChar = &FTable;
    }
    void cleanupTestCase() { BrlUniChar = nullptr; }

    void spoken_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Spoken");
        QTest::newRow("capital sign and letter group") << "Richtig: [$b&m]"
                                                       << "Richtig: Großbuchstabe, b, au, m";
        QTest::newRow("two words") << "Richtig: [$b&m $b&m]"
                                   << "Richtig: Großbuchstabe, b, au, m; Großbuchstabe, b, au, m";
        QTest::newRow("number sign and digits") << "[#abc]"
                                                << "Zahlzeichen, 1, 2, 3";
        QTest::newRow("digits end at a letter after j") << "[#ak]"
                                                        << "Zahlzeichen, 1, k";
        QTest::newRow("word in capitals") << "[\u2191ice]"
                                          << "Großschreibung, i, c, e";
        QTest::newRow("au eu ei") << "[& % @]"
                                  << "";
        QTest::newRow("äu ie ch") << "[| < *]"
                                  << "";
        QTest::newRow("sch st") << "[_ >]"
                                << "";
        QTest::newRow("contractions") << "[ŕ ń ë]"
                                      << "er; en; ein";
        QTest::newRow("be ver ung") << "[ḃ ṽ ú]"
                                    << "";
        QTest::newRow("lich ll ck") << "[ł ľ ķ]"
                                    << "";
        QTest::newRow("punctuation") << "[ja, ja.]"
                                     << "j, a, Komma; j, a, Punkt";
        QTest::newRow("doubled brackets are brackets") << "Feld [[ ]] und [a]"
                                                       << "Feld [ ] und a";
        QTest::newRow("unclosed bracket kept") << "a [b"
                                               << "a [b";
        QTest::newRow("no braille unchanged") << "Daten wurden geladen!"
                                              << "Daten wurden geladen!";
        QTest::newRow("a sentence is read as words") << "[$d< $katze >eht vor dem $haus.]"
                                                     << "Die Katze steht vor dem Haus.";
        QTest::newRow("a sentence with a number") << "[$ich habe #c $äpfel und #ab $birnen.]"
                                                  << "Ich habe 3 Äpfel und 12 Birnen.";
    }
    void spoken()
    {
        QFETCH(QString, Text);
        QFETCH(QString, Spoken);
        // Rows with an empty expectation are the groups named one by one.
        if (Spoken.isEmpty()) {
            const QString Inner = Text.mid(1, Text.size() - 2);
            QStringList Names;
            for (const QString &W : Inner.split(u' '))
                Names << FTable.Sprechnamen().Name(W.at(0));
            for (const QString &N : Names)
                QVERIFY2(N.size() >= 2 && N == N.toLower(), qPrintable(N));
            Spoken = Names.join(QStringLiteral("; "));
        }
        QCOMPARE(SpeakableText(Text), Spoken);
    }

    // What the screen shows, cells, is said the same way as the markup.
    void cellsAsShown_data()
    {
        QTest::addColumn<QString>("Chars");
        QTest::addColumn<QString>("Spoken");
        QTest::newRow("word") << "$b&m"
                              << "Großbuchstabe, b, au, m";
        QTest::newRow("two words") << "$b&m $b&m"
                                   << "Großbuchstabe, b, au, m; Großbuchstabe, b, au, m";
        QTest::newRow("quotes") << "\u201Ej\u201C"
                                << "Anführungszeichen, j, Abführungszeichen";
    }
    void cellsAsShown()
    {
        QFETCH(QString, Chars);
        QFETCH(QString, Spoken);
        QCOMPARE(SpeakableText(QStringLiteral("Richtig: ") + Cells(Chars)), QStringLiteral("Richtig: ") + Spoken);
        // The blank cell separates words too.
        if (Chars.contains(u' '))
            QCOMPARE(SpeakableText(Cells(Chars).replace(u' ', QChar(0x2800))), Spoken);
    }

    // A teacher's changed name is said; a faulty line is reported with its
    // number and the others still count.
    void teachersNames()
    {
        QTemporaryDir Dir;
        QVERIFY(QFile::copy(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt"), Dir.filePath("BrlUniChar.txt")));
        QFile Names(Dir.filePath("Sprechnamen.txt"));
        QVERIFY(Names.open(QIODevice::WriteOnly));
        Names.write("; eigene Namen\n$=groß\nkaputt\n&=Au-Laut\n;=Strichpunkt\n");
        Names.close();
        TBrlUniChar Table;
        QVERIFY(Table.LoadFile(Dir.filePath("BrlUniChar.txt")));
        QCOMPARE(Table.Sprechnamen().SpeakableText(QStringLiteral("[$b& a;]"), Table),
                 QStringLiteral("groß, b, Au-Laut; a, Strichpunkt"));
        QVERIFY(Table.Sprechnamen().LastErrorString.contains(QStringLiteral("Zeile 3")));
        QVERIFY(Table.Sprechnamen().LastErrorString.contains(QStringLiteral("kaputt")));
    }

    // Without the names file the table still loads and braille is said by
    // its characters; the program's own table reports the absence.
    void missingNames()
    {
        QTemporaryDir Dir;
        QVERIFY(QDir().mkpath(Dir.filePath("Data")));
        QVERIFY(
            QFile::copy(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt"), Dir.filePath("Data/BrlUniChar.txt")));
        InitPaths(Dir.path(), QStringLiteral("lerner"), Dir.path());
        TBrlUniChar Table;
        QVERIFY(Table.LoadFile());
        QVERIFY(Table.Sprechnamen().IsEmpty());
        QVERIFY(Table.Sprechnamen().LastErrorString.contains(QStringLiteral("Sprechnamen.txt")));
        QCOMPARE(Table.Sprechnamen().SpeakableText(QStringLiteral("[$b]"), Table), QStringLiteral("$, b"));
    }
};

QTEST_GUILESS_MAIN(tst_Sprechnamen)
#include "tst_Sprechnamen.moc"
