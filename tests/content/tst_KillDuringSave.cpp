#include "content/TextFileC.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

// A writer killed at a random moment during a save leaves the old file or the
// new one, whole: never a mix or a cut-off file. One writer each for the
// settings file, the log, and the whole-file writer that the help pages, the
// BraillePad texts and the other program files go through.
class tst_KillDuringSave : public QObject
{
    Q_OBJECT

    // The generation a whole file holds, or -1 when the file is not whole.
    static int WholeGeneration(const QString &Kind, const QString &File)
    {
        const QStringList Lines = SplitLines(LoadTextFileOrEmpty(File));
        if (Lines.isEmpty())
            return -1;
        const QString Last = Lines.last();
        const qsizetype At = qMax(Last.lastIndexOf(u' '), Last.lastIndexOf(u'='));
        bool Ok = false;
        const int N = Last.mid(At + 1).toInt(&Ok);
        if (!Ok || !Last.contains(QStringLiteral("ENDE")))
            return -1;
        int Marked = 0;
        for (const QString &L : Lines)
            Marked += Kind == u"log" ? L.contains(QStringLiteral(": Generation %1 ").arg(N))
                                     : L.endsWith(QStringLiteral("Generation %1").arg(N));
        const int Expected = Kind == u"ini" ? 1000 : Kind == u"log" ? 49 : 4000;
        return Marked == Expected ? N : -1;
    }
    static QString LoadTextFileOrEmpty(const QString &File)
    {
        QFile F(File);
        return F.open(QIODevice::ReadOnly) ? DecodeText(F.readAll()) : QString();
    }

private slots:
    void killedWriter_data()
    {
        QTest::addColumn<QString>("Kind");
        QTest::newRow("settings file") << QStringLiteral("ini");
        QTest::newRow("log") << QStringLiteral("log");
        QTest::newRow("whole-file writer") << QStringLiteral("whole");
    }
    void killedWriter()
    {
        QFETCH(QString, Kind);
        QTemporaryDir Dir;
        const QString File = Dir.filePath(QStringLiteral("datei.txt"));
        QRandomGenerator Random(20261210);
        int Last = 0;
        for (int Round = 0; Round < 25; ++Round) {
            QProcess Writer;
            Writer.start(QStringLiteral(SAVE_WRITER), {Kind, File});
            QVERIFY(Writer.waitForStarted());
            QVERIFY(Writer.waitForReadyRead(10000));
            // Somewhere in the middle of a save, or between two.
            QThread::usleep(Random.bounded(2000, 150000));
            Writer.kill();
            QVERIFY(Writer.waitForFinished());
            if (!QFile::exists(File))
                continue; // killed before its first save ended
            const int N = WholeGeneration(Kind, File);
            if (N <= 0) {
                const QStringList L = SplitLines(LoadTextFileOrEmpty(File));
                QFAIL(qPrintable(QStringLiteral("round %1: the file is not whole: %2 lines, first \"%3\", last \"%4\"")
                                     .arg(QString::number(Round), QString::number(L.size()), L.value(0).left(60),
                                          L.value(L.size() - 1).left(60))));
            }
            // Each writer starts over at generation 1.
            Last = N;
        }
        QVERIFY2(Last > 0, "no save ever finished");
    }
};

QTEST_MAIN(tst_KillDuringSave)
#include "tst_KillDuringSave.moc"
