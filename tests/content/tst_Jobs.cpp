#include "braille/BrlUniCharC.h"
#include "content/GlobalsC.h"
#include "content/JobsC.h"
#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "content/TypenHelperC.h"
#include "log/LogC.h"
#include "../common/StatusReceiver.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The loader's status events as short names: "J1" a job starts, "L0" the
// lesson lists are ready.
class TReceiver : public TStatusReceiver
{
public:
    bool Has(const QString &Event) const { return Names().contains(Event); }
    QStringList Only(QChar Kind) const
    {
        QStringList R;
        for (const QString &E : Names())
            if (E.startsWith(Kind))
                R.append(E);
        return R;
    }
    QStringList Names() const
    {
        QStringList R;
        for (auto [Code, Value] : Events)
            R.append((Code == WM_USER_JOBS ? QStringLiteral("J") : QStringLiteral("L")) + QString::number(Value));
        return R;
    }
};

const QString Program = QStringLiteral(TASTWERK_TEST_DATA "/programm/");

} // namespace

// The background loader driven as the main window drives it: the initial
// load, a reload to another learning material, and closing while a job runs.
class tst_Jobs : public QObject
{
    Q_OBJECT

    QTemporaryDir FUserFolder;
    TLog FLog{nullptr, QString()};
    TBrlUniChar FTable;
    // Created once the folders are known: they take their files from there.
    std::unique_ptr<TAufgabenTypen> FAufgaben;
    std::unique_ptr<TDatendateiTypen> FDatendateien;

    void WaitForIdle(TJobs &Jobs, TReceiver &Receiver, const QString &JobEnd = QStringLiteral("J0"))
    {
        WaitHandlingEvents([&] {
            return Receiver.Has(JobEnd) && !Jobs.IsRunning() && Jobs.StatusOK() && Jobs.Lektionen().StatusOK();
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFileInfo(Program + "Lernmaterialien/Lernmaterial-1/Lernmaterial.ini").isFile());
        InitPaths(Program, QStringLiteral("test"), FUserFolder.path());
        FAufgaben = std::make_unique<TAufgabenTypen>();
        FDatendateien = std::make_unique<TDatendateiTypen>();
        InstallLog(&FLog);
        BrlUniChar = &FTable;
        AufgabenTypen = FAufgaben.get();
        DatendateiTypen = FDatendateien.get();
    }
    void cleanupTestCase()
    {
        BrlUniChar = nullptr;
        AufgabenTypen = nullptr;
        DatendateiTypen = nullptr;
        InstallLog(nullptr);
    }
    void init()
    {
        InitPaths(Program, QStringLiteral("test"), FUserFolder.path());
        FTable.Clear();
        FLog.Clear();
        IsProgramClosing = false;
    }
    void cleanup() { IsProgramClosing = false; }

    void initialLoadThenReload()
    {
        TReceiver Receiver;
        TJobs Jobs(&Receiver);
        Jobs.LoadFiles();
        WaitForIdle(Jobs, Receiver);

        // The job starts, then the lesson lists start and end within it or
        // after it; one start and one end each.
        QCOMPARE(Receiver.Names().first(), QStringLiteral("J1"));
        QCOMPARE(Receiver.Only(u'J'), (QStringList{"J1", "J0"}));
        QCOMPARE(Receiver.Only(u'L'), (QStringList{"L1", "L0"}));
        QVERIFY(Receiver.Names().indexOf("L1") > 0);

        QVERIFY(FTable.Count() > 60);
        QCOMPARE(FAufgaben->Count(), AufgabenTypCount);
        QVERIFY(Jobs.Daten().Count() > 0);
        QVERIFY(Jobs.Lektionen().Count() > 0);
        QVERIFY(Jobs.Sammellektionen().Count() > 0);
        QVERIFY(Jobs.Bereiche().Count() >= 2);
        QCOMPARE(Jobs.Bereiche().Titel(), QStringLiteral("Testkurs"));
        QVERIFY(Jobs.Lernmaterialien().IndexOf(QStringLiteral("Lernmaterial-2")) >= 0);
        QVERIFY(Jobs.Lernmaterialien().IndexOf(QStringLiteral("Ohne-Ini")) < 0);
        // Every lesson's lists are built.
        for (int I = 0; I < Jobs.Lektionen().Count(); ++I)
            QVERIFY(!Jobs.Lektionen().Get(I)->IsCreatingLists());
        const QString FirstLesson = Jobs.Lektionen().Get(0)->FileInfo().GetFilename();

        Receiver.Events.clear();
        SetLernmaterialPath(QStringLiteral("Lernmaterial-2"));
        Jobs.ReloadFiles();
        WaitForIdle(Jobs, Receiver);
        QCOMPARE(Receiver.Only(u'J'), (QStringList{"J2", "J0"}));
        QCOMPARE(Receiver.Only(u'L'), (QStringList{"L1", "L0"}));
        QVERIFY(Jobs.Daten().Path().endsWith(QStringLiteral("Lernmaterial-2/Datenbanken/")));
        QVERIFY(!Jobs.Lektionen().FindLektionendatei(FirstLesson));
        for (int I = 0; I < Jobs.Lektionen().Count(); ++I)
            QVERIFY(Jobs.Lektionen().Get(I)->FileInfo().Path.contains(QStringLiteral("/Lernmaterial-2/")));
        QVERIFY(Jobs.Bereiche().Count() >= 1);
        QVERIFY(Jobs.Lernmaterialien().Count() >= 2);
    }

    void reloadDuringInitialLoad()
    {
        // The initial load gives up; the reload runs after it and also loads
        // what the initial load did not reach, the braille table among it.
        TReceiver Receiver;
        TJobs Jobs(&Receiver);
        Jobs.LoadFiles();
        Jobs.ReloadFiles();
        WaitForIdle(Jobs, Receiver);
        WaitHandlingEvents([&] { return Receiver.Only(u'J').contains("J2") && Receiver.Only(u'J').endsWith("J0"); });
        const QStringList J = Receiver.Only(u'J');
        QVERIFY2(J == (QStringList{"J2", "J0"}) || J == (QStringList{"J1", "J0", "J2", "J0"}), qPrintable(J.join(' ')));
        QVERIFY(FTable.Count() > 60);
        QVERIFY(Jobs.Lektionen().Count() > 0);
    }

    void reloadsRunOneAfterTheOther()
    {
        TReceiver Receiver;
        TJobs Jobs(&Receiver);
        Jobs.LoadFiles();
        WaitForIdle(Jobs, Receiver);
        Receiver.Events.clear();
        Jobs.ReloadFiles();
        Jobs.ReloadFiles(); // may come before the first has begun its work
        WaitHandlingEvents([&] { return !Jobs.IsRunning(); });
        WaitForIdle(Jobs, Receiver);
        const QStringList J = Receiver.Only(u'J');
        QVERIFY2(J == (QStringList{"J2", "J0"}) || J == (QStringList{"J2", "J0", "J2", "J0"}), qPrintable(J.join(' ')));
        QVERIFY(Jobs.Lektionen().Count() > 0);
    }

    void closingWhileLoading()
    {
        TReceiver Receiver;
        {
            TJobs Jobs(&Receiver);
            Jobs.LoadFiles();
            WaitHandlingEvents([&] { return Receiver.Has("J1"); });
            IsProgramClosing = true;
        } // waits for the job, then frees the collections
        // The job ended at a checkpoint; no lesson event comes after closing.
        QCOMPARE(Receiver.Only(u'J').last(), QStringLiteral("J0"));
        const int Closed = int(Receiver.Events.size());
        QTest::qWait(50);
        QCOMPARE(Receiver.Events.size(), Closed);
    }

    void mainWindowHandleStopsForwardingWhenClosing()
    {
        TReceiver Receiver;
        TMainWindowHandle Handle(&Receiver);
        {
            TJobs Jobs(&Handle);
            Jobs.LoadFiles();
            WaitHandlingEvents([&] { return Receiver.Has("J1"); });
            IsProgramClosing = true;
            const auto Before = Receiver.Events;
            Jobs.WaitForJobs();
            QCOMPARE(Receiver.Events, Before); // the job's end is not handed on
        }
        QCOMPARE(SendMessage(&Handle, WM_USER_STATUS, WM_USER_JOBS, 0), qintptr(0));
    }

    void closingBeforeTheJobBegins()
    {
        TReceiver Receiver;
        {
            TJobs Jobs(&Receiver);
            IsProgramClosing = true;
            Jobs.LoadFiles();
        }
        QVERIFY(Receiver.Events.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Jobs)
#include "tst_Jobs.moc"
