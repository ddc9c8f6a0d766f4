#include "ModalAnswers.h"
#include "FixtureSettings.h"
#include "ProgramCopy.h"

#include "app/SettingsC.h"
#include "content/GlobalsC.h"
#include "content/JobsC.h"
#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "exercise/AtTextDlgC.h"
#include "help/HelpSystemC.h"
#include "lists/ListenDlgC.h"
#include "main/HauptC.h"
#include "main/ProgramStartC.h"
#include "platform/DesktopLinkC.h"
#include "sound/SoundsHelperC.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QComboBox>
#include <QListWidget>
#include <QtTest>

#include "progress/FortschrittC.h"
#include "progress/FortschrittDlgC.h"

#include <functional>
#include <memory>

namespace
{
const char *const Settings = FixtureSettings;

// Calls Answer with the next standard message box once it is open; the
// box must then be closed by Answer. The watch ends with Owner.
void AnswerMessageBox(QObject *Owner, std::function<void(QMessageBox *)> Answer)
{
    auto *Poll = new QTimer(Owner);
    Poll->setInterval(20);
    auto Rounds = std::make_shared<int>(0);
    QObject::connect(Poll, &QTimer::timeout, [Poll, Answer, Rounds] {
        auto *Box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!Box && ++*Rounds < 500)
            return;
        Poll->stop();
        Poll->deleteLater();
        if (Box)
            Answer(Box);
    });
    Poll->start();
}

void ClickButton(QMessageBox *Box, const QString &Text)
{
    for (QAbstractButton *B : Box->buttons())
        if (B->text().remove(QLatin1Char('&')) == Text) {
            B->click();
            return;
        }
    Box->reject();
}

QByteArray ReadAll(const QString &Name)
{
    QFile F(Name);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}

bool WriteAll(const QString &Name, const QByteArray &Data)
{
    QFile F(Name);
    return F.open(QIODevice::WriteOnly | QIODevice::Truncate) && F.write(Data) == Data.size();
}

// "path|shortcut|tag|enabled|default" for every entry of the main menu,
// sub-menus as rows of their own, separators as "-".
QStringList MenuRows(QMenuBar *Bar)
{
    QStringList Rows;
    std::function<void(QMenu *, const QString &)> Walk = [&](QMenu *Menu, const QString &Path) {
        for (QAction *A : Menu->actions()) {
            if (A->isSeparator()) {
                Rows << QStringLiteral("-");
                continue;
            }
            const QString Name = Path + QStringLiteral(" > ") + A->text();
            Rows << QStringLiteral("%1|%2|%3|%4|%5")
                        .arg(Name, A->shortcut().toString(QKeySequence::PortableText))
                        .arg(A->data().toInt())
                        .arg(A->isEnabled() ? QStringLiteral("an") : QStringLiteral("aus"),
                             Menu->defaultAction() == A ? QStringLiteral("default") : QString());
            if (A->menu())
                Walk(A->menu(), Name);
        }
    };
    for (QAction *Top : Bar->actions())
        Walk(Top->menu(), Top->text());
    return Rows;
}

// Records the addresses the program hands to the desktop.
class TUrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> Opened;
public slots:
    void Open(const QUrl &Url) { Opened << Url; }
};
} // namespace

// The main window's commands over the fixture course: the main menu with
// its shortcuts and enabled states, the settings and help menus, the text
// pane's menu, the desktop launcher, the maker's links, the update
// hand-over and the information box. The test runs in a home, desktop and
// temporary folder of its own (see main below).
class tst_MainCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir FFolder;
    QString FProgram;
    std::unique_ptr<TForm1_TW> W;
    // Owns the watches for message boxes; a test's unanswered watch ends with it.
    std::unique_ptr<QObject> FAnswers = std::make_unique<QObject>();

    void WriteSettings(const QByteArray &Ini)
    {
        QDir().mkpath(ProfilePath);
        QVERIFY(WriteAll(ProfilePath + SettingsFileName, Ini));
    }
    // Makes the window and starts its load, as the program does, without
    // waiting for it.
    void StartLoading(const QByteArray &Ini = Settings)
    {
        WriteSettings(Ini);
        W = std::make_unique<TForm1_TW>();
        QVERIFY(W->LoadIni());
        CreateFolders();
        W->StartLoading();
    }
    // Starts the window and waits for its status text.
    void Start(const QByteArray &Ini = Settings)
    {
        StartLoading(Ini);
        HelpSystem->LoadEinleitung();
        W->show();
        QApplication::setActiveWindow(W.get());
        QTRY_VERIFY_WITH_TIMEOUT(W->IsStarted(), 10000);
        QTRY_VERIFY(Lines().value(0) == QStringLiteral("Folgende Daten wurden geladen:"));
    }
    QStringList Lines() const { return W->Re1->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    QString DesktopFolder() const { return QDir::homePath() + QStringLiteral("/Schreibtisch"); }
    QString HandOverFile() const { return QDir::tempPath() + QStringLiteral("/Tastwerk.cfg"); }
    QString UpdateProgram() const { return FProgram + QStringLiteral("/nachzug"); }
    QString ServerFile() const { return FProgram + QStringLiteral("/Data/Updateserver.txt"); }

    void Validate(const QString &DesktopFile)
    {
        const QString Tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (Tool.isEmpty())
            QSKIP("desktop-file-validate is missing (package desktop-file-utils)");
        QProcess P;
        P.start(Tool, {DesktopFile});
        QVERIFY(P.waitForFinished(10000));
        // Hints are suggestions; warnings and errors are not allowed.
        const QByteArray Output = P.readAllStandardOutput() + P.readAllStandardError();
        QVERIFY2(P.exitCode() == 0 && !Output.contains("warning:") && !Output.contains("error:"), Output.constData());
    }

private slots:
    void initTestCase()
    {
        // The desktop folder as a German desktop names it.
        QVERIFY(QDir::tempPath().startsWith(QDir::homePath() + u'/'));
        QDir().mkpath(DesktopFolder());
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), DesktopFolder());

        FProgram = FFolder.path() + QStringLiteral("/programm");
        TProgramCopy::Copy(QStringLiteral(TASTWERK_TEST_DATA "/programm"), FProgram);
        QVERIFY(WriteAll(FProgram + QStringLiteral("/Einleitung.txt"), "Willkommen bei Tastwerk.\r\n"));
        QVERIFY(WriteAll(FProgram + QStringLiteral("/History.txt"), "V1.02\r\n"));
        InitPaths(FProgram, QStringLiteral("lerner"), FProgram);
        InstallGermanQtTexts();
    }
    void cleanup()
    {
        FAnswers = std::make_unique<QObject>();
        if (W) {
            W->AutoClose = true;
            W->close();
            W.reset();
        }
        QFile::remove(ProfilePath + SettingsFileName);
        QFile::remove(TFortschritt::DefaultFileName());
        QFile::remove(TFortschritt::BackupFileName(TFortschritt::DefaultFileName()));
        QFile::remove(ServerFile());
        QFile::remove(UpdateProgram());
        QFile::remove(DesktopFolder() + QStringLiteral("/tastwerk.desktop"));
        QFile::remove(QDir::homePath() + QStringLiteral("/tastwerk.desktop"));
        QDir().mkpath(DesktopFolder());
    }

private:
    // The lesson tests: a collective lesson of three short lessons.
    QString DreiSam() const
    {
        return FProgram + QStringLiteral("/Lernmaterialien/Lernmaterial-1/Sammellektionen/Drei.sam");
    }
    QByteArray DreiSettings(int Index) const
    {
        return QByteArray("[Settings]\r\nShowEinleitung=0\r\nCloseCheck=0\r\nLernmaterial=Lernmaterial-1\r\n"
                          "Bereich=Bereich 1\r\nLektionName=02 Text.lek\r\nSammelName=Drei.sam\r\n"
                          "SammelNameIndex=") +
               QByteArray::number(Index) + "\r\nHighScore=17\r\nSapiSpeech.Stimme=\r\n";
    }
    // Queues the answers for one lesson run: its description, then the
    // learner's keys in the exercise window (Space through a text or a
    // reading lesson; Esc and Yes cancel it).
    void AnswerLesson(TModalAnswers &A, bool Cancel = false, bool Description = true)
    {
        if (Description)
            A.AnswerSpeakText(1);
        A.Answer([this, Cancel](QWidget *W) {
            auto *D = qobject_cast<TAT_Text_Dlg *>(W);
            QVERIFY2(D, "the exercise window was expected");
            FRun << D->Lektion()->Titel();
            if (Cancel) {
                QTimer::singleShot(50, [] {
                    if (auto *Box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                        Box->button(QMessageBox::Yes)->click();
                });
                QTest::keyClick(D->Re1, Qt::Key_Escape);
                return;
            }
            for (int I = 0; I < 10 && D->isVisible(); ++I)
                QTest::keyClick(D->Re1, Qt::Key_Space);
        });
    }
    QString IniValue(const QString &Key) const
    {
        for (const QString &L :
             QString::fromUtf8(ReadAll(ProfilePath + SettingsFileName)).split(QStringLiteral("\r\n")))
            if (L.startsWith(Key + u'='))
                return L.mid(Key.size() + 1);
        return QStringLiteral("(fehlt)");
    }
    void CloseWindow()
    {
        W->AutoClose = true;
        W->close();
        W.reset();
    }
    QStringList FRun; // titles of the lessons run, in order

private slots:

    // F8 runs the collective lesson from its next lesson to the last; each
    // completed lesson is counted and the points go to the score; after the
    // last one the first is offered again.
    void collectiveLesson_completed()
    {
        QVERIFY(WriteAll(DreiSam(), "[HEADER]\r\nTitel=Drei\r\n\r\n[FILES]\r\nFile=Bereich 1\\02 Text.lek\r\n"
                                    "File=Bereich 2\\02 Saetze lesen.lek\r\nFile=Bereich 1\\02 Text.lek\r\n"));
        Start(DreiSettings(-1));
        QVERIFY(W->Sammellektion);
        QCOMPARE(W->Sammellektion->Count(), 3);
        TModalAnswers A;
        A.Own = {W.get()};
        FRun.clear();
        AnswerLesson(A);
        A.AnswerSpeakText(1); // the next one: yes
        AnswerLesson(A);
        A.AnswerSpeakText(1);
        AnswerLesson(A);
        A.AnswerSpeakText(2); // the first again: no
        QTest::keyClick(W->Re1, Qt::Key_F8);
        QTRY_VERIFY_WITH_TIMEOUT(A.IsEmpty(), 10000);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(FRun, (QStringList{"Ein Text", "Satz lesen", "Ein Text"}));
        const QStringList Seen = A.Seen.filter(QStringLiteral("Lektion abgeschlossen"));
        QCOMPARE(Seen.size(), 3);
        QCOMPARE(Seen[0], QStringLiteral("Lektion abgeschlossen: Die Lektion ist abgeschlossen!\r\nErhaltene Punkte: "
                                         "1\r\nPunktestand: 18\r\nSoll die nächste Lektion gestartet werden?"));
        QCOMPARE(Seen[2], QStringLiteral("Lektion abgeschlossen: Die letzte Lektion wurde erreicht!\r\nErhaltene "
                                         "Punkte: 1\r\nPunktestand: 23\r\nSoll die erste Lektion nochmals gestartet "
                                         "werden?"));
        QCOMPARE(SammelNameIndex, -1);
        QCOMPARE(HighScore, 23);
        QVERIFY(Lines().contains(QStringLiteral("Punktestand: 23")));
        CloseWindow();
        QCOMPARE(IniValue(QStringLiteral("HighScore")), QStringLiteral("23"));
        QCOMPARE(IniValue(QStringLiteral("SammelNameIndex")), QStringLiteral("-1"));
        QFile::remove(DreiSam());
    }

    // A lesson cancelled in the middle counts as not done: the next start
    // begins with it again.
    void collectiveLesson_cancelledInLessonTwo()
    {
        QVERIFY(WriteAll(DreiSam(), "[HEADER]\r\nTitel=Drei\r\n\r\n[FILES]\r\nFile=Bereich 1\\02 Text.lek\r\n"
                                    "File=Bereich 2\\02 Saetze lesen.lek\r\nFile=Bereich 1\\02 Text.lek\r\n"));
        Start(DreiSettings(-1));
        TModalAnswers A;
        A.Own = {W.get()};
        FRun.clear();
        AnswerLesson(A);
        A.AnswerSpeakText(1);
        AnswerLesson(A, true);
        W->MM_AK_SL_Starte->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(A.IsEmpty(), 10000);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(FRun, (QStringList{"Ein Text", "Satz lesen"}));
        QCOMPARE(SammelNameIndex, 0);
        QCOMPARE(HighScore, 18);
        CloseWindow();
        QCOMPARE(IniValue(QStringLiteral("SammelNameIndex")), QStringLiteral("0"));
        QFile::remove(DreiSam());
    }

    // "Gehe zu" with the third row: that lesson is the next one and runs.
    void collectiveLesson_goToTheThirdLesson()
    {
        QVERIFY(WriteAll(DreiSam(), "[HEADER]\r\nTitel=Drei\r\n\r\n[FILES]\r\nFile=Bereich 2\\02 Saetze lesen.lek\r\n"
                                    "File=Bereich 2\\02 Saetze lesen.lek\r\nFile=Bereich 1\\02 Text.lek\r\n"));
        Start(DreiSettings(-1));
        TModalAnswers A;
        A.Own = {W.get()};
        FRun.clear();
        int IndexAfterChoice = -2;
        A.Answer([](QWidget *Wd) {
            auto *L = qobject_cast<TListenDlg *>(Wd);
            QVERIFY2(L, "the list was expected");
            QCOMPARE(L->windowTitle(), QStringLiteral("Lektion wählen"));
            QCOMPARE(L->LvListe->count(), 3);
            QVERIFY(L->LvListe->item(0)->text().startsWith(u'*'));
            L->LvListe->setCurrentRow(2);
            L->Btn1Ok->click();
        });
        // The third lesson's description: the index names the lesson before.
        A.Answer([&IndexAfterChoice](QWidget *Wd) {
            IndexAfterChoice = SammelNameIndex;
            qobject_cast<TSpeakTextDlg *>(Wd)->Btn1->click();
        });
        AnswerLesson(A, false, false);
        A.AnswerSpeakText(2);
        W->MM_AK_SL_Gehe->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(A.IsEmpty(), 10000);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(IndexAfterChoice, 1);
        QCOMPARE(FRun, QStringList{"Ein Text"});
        QCOMPARE(SammelNameIndex, -1);
        QFile::remove(DreiSam());
    }

    // A single lesson chosen from the list runs at once and reports its
    // points; F4 without a lesson opens the list instead.
    void singleLesson_chosenAndRun()
    {
        Start("[Settings]\r\nShowEinleitung=0\r\nCloseCheck=0\r\nLernmaterial=Lernmaterial-1\r\nHighScore=17\r\n");
        QVERIFY(!W->Lektion);
        TModalAnswers A;
        A.Own = {W.get()};
        FRun.clear();
        A.Answer([](QWidget *Wd) {
            auto *L = qobject_cast<TListenDlg *>(Wd);
            QVERIFY2(L, "the list was expected");
            QCOMPARE(L->windowTitle(), QStringLiteral("Bereich und Lektion wählen"));
            const int Area = L->CbBereiche->findText(QStringLiteral("Wörter und Texte"), Qt::MatchContains);
            QVERIFY(Area >= 0);
            L->CbBereiche->setCurrentIndex(Area);
            const auto Rows = L->LvListe->findItems(QStringLiteral("Ein Text"), Qt::MatchExactly);
            QCOMPARE(Rows.size(), 1);
            L->LvListe->setCurrentItem(Rows.first());
            L->Btn1Ok->click();
        });
        AnswerLesson(A);
        A.AnswerSpeakText(1);
        QTest::keyClick(W->Re1, Qt::Key_F4);
        QTRY_VERIFY_WITH_TIMEOUT(A.IsEmpty(), 10000);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(FRun, QStringList{"Ein Text"});
        QCOMPARE(LektionName, QStringLiteral("02 Text.lek"));
        QCOMPARE(GetAktBereichName(), QStringLiteral("Bereich 1"));
        QCOMPARE(A.Seen.last(), QStringLiteral("Lektion abgeschlossen: Die Lektion ist abgeschlossen!\r\nErhaltene "
                                               "Punkte: 1\r\nPunktestand: 18"));
        QVERIFY(Lines().contains(QStringLiteral("Lektion: \"Ein Text\"")));
        // The completed run is in the learner's progress record, on disk.
        TFortschritt Saved;
        QVERIFY(Saved.LoadFile(TFortschritt::DefaultFileName()));
        const QList<TLektionsStand> Done = Saved.Lektionen(QStringLiteral("Lernmaterial-1"));
        QCOMPARE(Done.size(), 1);
        QCOMPARE(Done[0].Lektion, QStringLiteral("Ein Text"));
        QCOMPARE(Done[0].Bereich, QStringLiteral("Bereich 1"));
        QCOMPARE(Done[0].BestePunkte, 1);
    }

    // Ctrl+W with nothing due says so; Ctrl+F opens the progress window,
    // whose button leads to the review.
    void review_nothingDue_andProgressWindow()
    {
        Start("[Settings]\r\nShowEinleitung=0\r\nCloseCheck=0\r\nLernmaterial=Lernmaterial-1\r\n");
        TModalAnswers A;
        A.Own = {W.get()};
        A.AnswerSpeakText(1);
        QTest::keyClick(W->Re1, Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(A.IsEmpty(), 10000);
        QCOMPARE(A.Seen.last(), QStringLiteral("Schwache Zeichen wiederholen: Es gibt noch keine schwachen Zeichen zu "
                                               "wiederholen: in diesem Lernmaterial wurde noch kein Zeichen falsch "
                                               "beantwortet."));
        A.Answer([](QWidget *Wd) {
            auto *D = qobject_cast<TFortschrittDlg *>(Wd);
            QVERIFY2(D, "the progress window was expected");
            QCOMPARE(HelpSystem->HelpId(), THelpSystem::IdFortschritt);
            QCOMPARE(D->Zusammenfassung(), QStringLiteral("In diesem Lernmaterial ist noch nichts aufgezeichnet."));
            D->BtnWiederholen->click();
        });
        A.AnswerSpeakText(1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTRY_VERIFY(W->isActiveWindow());
        QTest::keyClick(W->Re1, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY2_WITH_TIMEOUT(A.IsEmpty(), qPrintable(A.Seen.join(u'|')), 10000);
        QVERIFY(A.Seen.last().startsWith(QStringLiteral("Schwache Zeichen wiederholen: Es gibt noch keine")));
        QCOMPARE(HelpSystem->HelpId(), 3);
    }

    // Choosing the material that is open already loads nothing again.
    void learningMaterial_sameChoiceDoesNothing()
    {
        Start();
        TLektionendatei *Before = W->Lektion;
        QVERIFY(Before);
        TModalAnswers A;
        A.Own = {W.get()};
        A.Answer([](QWidget *Wd) {
            auto *L = qobject_cast<TListenDlg *>(Wd);
            QVERIFY2(L, "the list was expected");
            QCOMPARE(L->windowTitle(), QStringLiteral("Lernmaterial wählen"));
            QVERIFY(L->LvListe->currentItem()->text().startsWith(u'*'));
            L->Btn1Ok->click();
        });
        W->MM_AK_LM_Liste->trigger();
        QTRY_VERIFY(A.IsEmpty());
        QCOMPARE(W->Lektion, Before);
        QCOMPARE(LektionName, QStringLiteral("01 Woerter lesen.lek"));
        QVERIFY(!W->IsBusy());
    }

    // Another material: the selections are dropped and its content loads.
    void learningMaterial_otherChoiceReloads()
    {
        Start();
        TModalAnswers A;
        A.Own = {W.get()};
        A.Answer([](QWidget *Wd) {
            auto *L = qobject_cast<TListenDlg *>(Wd);
            QVERIFY2(L, "the list was expected");
            const int Current = L->LvListe->currentRow();
            L->LvListe->setCurrentRow(Current == 0 ? 1 : 0);
            L->Btn1Ok->click();
        });
        W->MM_AK_LM_Liste->trigger();
        QTRY_VERIFY(A.IsEmpty());
        QCOMPARE(GetAktLernmaterialName(), QStringLiteral("Lernmaterial-2"));
        QVERIFY(LektionName.isEmpty());
        QVERIFY(SammelName.isEmpty());
        QCOMPARE(SammelNameIndex, -1);
        QTRY_VERIFY_WITH_TIMEOUT(Lines().contains(QStringLiteral("Keine Lektion ausgewählt!")), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!W->IsBusy(), 10000);
    }

    // Every entry of the main menu with its shortcut and tag, enabled while
    // the content loads and once it is there.
    void mainMenu_whileLoadingAndLoaded()
    {
        WriteSettings(Settings);
        W = std::make_unique<TForm1_TW>();
        QVERIFY(W->LoadIni());
        CreateFolders();
        // The fixture loads in an instant: the loader is held right after
        // it has announced the load, until the loading state is checked.
        auto Hold = std::make_shared<std::atomic<bool>>(true);
        const auto Released = qScopeGuard([Hold] { *Hold = false; });
        W->Jobs()->OnPrepareOutputs = [Hold, Prepare = W->Jobs()->OnPrepareOutputs] {
            while (*Hold && !IsProgramClosing)
                QThread::msleep(5);
            if (Prepare)
                Prepare();
        };
        W->StartLoading();
        QTRY_COMPARE(Lines(), QStringList{QStringLiteral("Lade Daten...")});
        QVERIFY(W->IsBusy());
        QVERIFY(!W->IsStarted());

        // Columns: entry, shortcut, tag, enabled while loading, once loaded, default entry.
        struct TRow {
            const char *Entry, *Key;
            int Tag;
            bool Loading, Loaded, Default;
        };
        const TRow Table[] = {
            {"&Datei > Programm&verknüpfung auf dem Desktop", "", 0, true, true, false},
            {"&Datei > &Beenden", "Alt+F4", 0, true, true, false},
            {"A&ktionen > Einzel&lektion", "", 0, false, true, false},
            {"A&ktionen > Einzel&lektion > &Wähle eine Einzellektion...", "Ctrl+L", 1, false, true, true},
            {"A&ktionen > Einzel&lektion > &Starte ausgewählte Einzellektion", "F4", 1, false, true, false},
            {"A&ktionen > &Sammellektion", "", 0, false, true, false},
            {"A&ktionen > &Sammellektion > &Wähle eine Sammellektion...", "Ctrl+S", 2, false, true, true},
            {"A&ktionen > &Sammellektion > &Starte nächste Lektion", "F8", 2, false, true, false},
            {"A&ktionen > &Sammellektion > &Gehe zu einer bestimmten Lektion...", "Ctrl+G", 1, false, true, false},
            {"A&ktionen > Lern&material", "", 0, false, true, false},
            {"A&ktionen > Lern&material > &Wähle das Lernmaterial...", "Ctrl+M", 3, false, true, true},
            {"A&ktionen > Braille&Pad starten...", "Ctrl+P", 0, false, true, false},
            {"-", "", 0, false, false, false},
            {"A&ktionen > &Fortschritt...", "Ctrl+F", 0, false, true, false},
            {"A&ktionen > Schwache Zeichen &wiederholen", "Ctrl+W", 0, false, true, false},
            {"&Ansicht > &Schrifteinstellungen...", "", 0, true, true, false},
            {"&Einstellungen > Braille&zeilenbreite = 40...", "", 5, true, true, false},
            {"&Einstellungen > &Querztastatur für Braille-Eingabe verwenden (sdf-jkl)", "", 4, true, true, false},
            {"&Einstellungen > Schrift&größe in Textfenstern zusätzlich erhöhen = +3...", "", 9, true, true, false},
            {"&Einstellungen > Sicherheitsabfrage beim &Beenden des Programms", "", 6, true, true, false},
            {"&Einstellungen > S&ounds wiedergeben", "", 2, true, true, false},
            {"&Einstellungen > &Stimme, Lautstärke und Geschwindigkeit wählen...", "", 7, true, true, false},
            {"&Einstellungen > Zeige SplashS&creen beim Start", "", 1, true, true, false},
            {"-", "", 0, false, false, false},
            {"&Einstellungen > &Eine Taste nach der anderen für Braille-Eingabe", "", 11, true, true, false},
            {"&Einstellungen > Geschriebene &Zeichen ansagen", "", 12, true, true, false},
            {"&Einstellungen > &Tastaturtest...", "", 10, true, true, false},
            {"-", "", 0, false, false, false},
            {"&Einstellungen > &Punktestand zurücksetzen", "", 8, true, true, false},
            {"&Hilfe > &Hilfe...", "Ctrl+F1", 1, true, true, false},
            {"&Hilfe > &Einleitung...", "", 3, true, true, false},
            {"&Hilfe > &Kurztasten...", "", 2, true, true, false},
            {"&Hilfe > &Technisches Handbuch...", "", 4, true, true, false},
            {"&Hilfe > &Änderungen...", "", 5, true, true, false},
            {"&Hilfe > &Mail an den Programmierer...", "", 1, false, false, false},
            {"&Hilfe > Home&page...", "", 2, false, false, false},
            {"&Hilfe > &Aktualisierung...", "", 0, false, false, false},
            {"&Hilfe > &Info", "", 0, true, true, false},
        };
        auto Expected = [&](bool Loaded) {
            QStringList Rows;
            for (const TRow &R : Table)
                Rows << (QLatin1String(R.Entry) == u"-"
                             ? QStringLiteral("-")
                             : QStringLiteral("%1|%2|%3|%4|%5")
                                   .arg(QString::fromUtf8(R.Entry), QLatin1String(R.Key))
                                   .arg(R.Tag)
                                   .arg((Loaded ? R.Loaded : R.Loading) ? QStringLiteral("an") : QStringLiteral("aus"),
                                        R.Default ? QStringLiteral("default") : QString()));
            return Rows;
        };
        // What the learner sees on opening each menu.
        auto OpenMenus = [this] {
            for (QMenu *M : {W->MM_Datei, W->MM_Aktionen, W->MM_Ansicht, W->MM_Einstellungen, W->MM_Hilfe})
                emit M->aboutToShow();
        };
        OpenMenus();
        QCOMPARE(MenuRows(W->menuBar()), Expected(false));
        *Hold = false;

        HelpSystem->LoadEinleitung();
        W->show();
        QApplication::setActiveWindow(W.get());
        QTRY_VERIFY_WITH_TIMEOUT(W->IsStarted(), 10000);
        QTRY_VERIFY(!W->IsBusy());
        // The help pages are built after the load; their entries wait for that.
        QTRY_VERIFY(!HelpSystem->IsCreatingHtmlFiles());
        OpenMenus();
        QCOMPARE(MenuRows(W->menuBar()), Expected(true));
        // Every shortcut of the main menu works anywhere in the window.
        for (QAction *A : W->findChildren<QAction *>())
            if (!A->shortcut().isEmpty() && A->shortcutContext() != Qt::WidgetShortcut)
                QVERIFY2(W->actions().contains(A), qPrintable(A->text()));
    }

    void settingsMenu_showsTheCurrentValues()
    {
        Start();
        BrailleChars = 40;
        BrailleSize = 0;
        HighScore = 0;
        CloseCheck = true;
        Querztastatur = false;
        SoundsEnabled = true;
        ShowSplashScreen = false;
        emit W->MM_Einstellungen->aboutToShow();
        QCOMPARE(W->MM_E_BrailleChars->text(), QStringLiteral("Braille&zeilenbreite = 40..."));
        QCOMPARE(W->MM_E_BrailleSize->text(),
                 QStringLiteral("Schrift&größe in Textfenstern zusätzlich erhöhen = +0..."));
        QVERIFY(!W->MM_E_HighScoreClear->isEnabled());
        QCOMPARE(W->MM_E_CloseCheck->isChecked(), true);
        QCOMPARE(W->MM_E_Querztastatur->isChecked(), false);
        QCOMPARE(W->MM_E_Sounds->isChecked(), true);
        QCOMPARE(W->MM_E_SplashScreen->isChecked(), false);

        // The values change between two openings: the captions follow.
        BrailleChars = 32;
        BrailleSize = 9;
        HighScore = 5;
        emit W->MM_Einstellungen->aboutToShow();
        QCOMPARE(W->MM_E_BrailleChars->text(), QStringLiteral("Braille&zeilenbreite = 32..."));
        QCOMPARE(W->MM_E_BrailleSize->text(),
                 QStringLiteral("Schrift&größe in Textfenstern zusätzlich erhöhen = +9..."));
        QVERIFY(W->MM_E_HighScoreClear->isEnabled());

        // A switch flips its setting and its mark.
        W->MM_E_Querztastatur->trigger();
        QCOMPARE(Querztastatur, true);
        QCOMPARE(W->MM_E_Querztastatur->isChecked(), true);
        W->MM_E_Sounds->trigger();
        QCOMPARE(SoundsEnabled.load(), false);
        QCOMPARE(W->MM_E_Sounds->isChecked(), false);

        // The score goes back to 0 only on Yes; the entry then is disabled.
        QString Question;
        AnswerMessageBox(FAnswers.get(), [&](QMessageBox *Box) {
            Question = Box->text();
            ClickButton(Box, QStringLiteral("Nein"));
        });
        W->MM_E_HighScoreClear->trigger();
        QCOMPARE(Question, QStringLiteral("Soll der Punktestand auf 0 gesetzt werden?"));
        QCOMPARE(HighScore, 5);
        AnswerMessageBox(FAnswers.get(), [](QMessageBox *Box) { ClickButton(Box, QStringLiteral("Ja")); });
        W->MM_E_HighScoreClear->trigger();
        QCOMPARE(HighScore, 0);
        QVERIFY(Lines().contains(QStringLiteral("Punktestand: 0")));
        QVERIFY(!W->MM_E_HighScoreClear->isEnabled());
    }

    void textPaneMenu()
    {
        Start();
        QCOMPARE(W->PopupMenu_Re->actions(), (QList<QAction *>{W->PM_Re_AllSelect, W->PM_Re_Copy}));
        // The paragraph entries are not in the menu; their keys work in the pane.
        for (QAction *A : {W->PM_Re_AllSelect, W->PM_Re_Copy, W->PM_Re_LinesDown, W->PM_Re_LinesUp})
            QVERIFY(W->Re1->actions().contains(A));
        QCOMPARE(W->PM_Re_LinesDown->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Down));
        QCOMPARE(W->PM_Re_LinesUp->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Up));

        W->Re1->setFocus();
        QVERIFY(W->PM_Re_AllSelect->isEnabled());
        QVERIFY(!W->PM_Re_Copy->isEnabled());
        QTest::keyClick(W->Re1, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(W->Re1->textCursor().hasSelection());
        QVERIFY(W->PM_Re_Copy->isEnabled());
        QTest::keyClick(W->Re1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().section(u'\n', 0, 0),
                 QStringLiteral("Folgende Daten wurden geladen:"));

        // Ctrl+Down to the start of the next line, Ctrl+Up back.
        W->Re1->moveCursor(QTextCursor::Start);
        QVERIFY(!W->PM_Re_Copy->isEnabled());
        QTest::keyClick(W->Re1, Qt::Key_Down, Qt::ControlModifier);
        const int Second = int(QStringLiteral("Folgende Daten wurden geladen:\n").size());
        QCOMPARE(W->Re1->textCursor().position(), Second);
        QTest::keyClick(W->Re1, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(W->Re1->textCursor().position(), 0);

        W->Re1->clear();
        QVERIFY(!W->PM_Re_AllSelect->isEnabled());
    }

    void desktopLink_createdAndRemoved()
    {
        Start();
        const QString Link = DesktopFolder() + QStringLiteral("/tastwerk.desktop");
        emit W->MM_Datei->aboutToShow();
        QVERIFY(!W->MM_D_DesktopLink->isChecked());

        W->MM_D_DesktopLink->trigger();
        QVERIFY(QFileInfo::exists(Link));
        QVERIFY(W->MM_D_DesktopLink->isChecked());
        QVERIFY(QFileInfo(Link).isExecutable());
        const QStringList Entry = QString::fromUtf8(ReadAll(Link)).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(Entry.value(0), QStringLiteral("[Desktop Entry]"));
        for (const QString &L : {QStringLiteral("Type=Application"), QStringLiteral("Name=Tastwerk"),
                                 QStringLiteral("Exec=") + DesktopExecArgument(QCoreApplication::applicationFilePath()),
                                 QStringLiteral("Path=") + FProgram, QStringLiteral("Terminal=false"),
                                 QStringLiteral("Categories=Education;Accessibility;")})
            QVERIFY2(Entry.contains(L), qPrintable(L));
        Validate(Link);

        // Another program or the learner made it read-only: it goes all the same.
        QFile::setPermissions(Link, QFile::ReadOwner);
        emit W->MM_Datei->aboutToShow();
        QVERIFY(W->MM_D_DesktopLink->isChecked());
        W->MM_D_DesktopLink->trigger();
        QVERIFY(!QFileInfo::exists(Link));
        QVERIFY(!W->MM_D_DesktopLink->isChecked());

        // Removed by hand while the program runs: the mark follows on opening.
        W->MM_D_DesktopLink->trigger();
        QVERIFY(QFile::remove(Link));
        emit W->MM_Datei->aboutToShow();
        QVERIFY(!W->MM_D_DesktopLink->isChecked());
    }

    void desktopLink_noDesktopFolder_goesToHome()
    {
        Start();
        QVERIFY(QDir(DesktopFolder()).removeRecursively());
        W->MM_D_DesktopLink->trigger();
        const QString Link = QDir::homePath() + QStringLiteral("/tastwerk.desktop");
        QVERIFY(QFileInfo::exists(Link));
        QVERIFY(!QFileInfo::exists(DesktopFolder()));
        emit W->MM_Datei->aboutToShow();
        QVERIFY(W->MM_D_DesktopLink->isChecked());
        W->MM_D_DesktopLink->trigger();
        QVERIFY(!QFileInfo::exists(Link));
    }

    void desktopLink_execQuoting_data()
    {
        QTest::addColumn<QString>("Target");
        QTest::addColumn<QString>("Exec");
        QTest::newRow("plain") << "/opt/tastwerk/tastwerk"
                               << "/opt/tastwerk/tastwerk";
        QTest::newRow("space") << "/home/anna/Meine Programme/tastwerk"
                               << "\"/home/anna/Meine Programme/tastwerk\"";
        QTest::newRow("quote and dollar") << "/home/anna/a\"b$c/tastwerk"
                                          << "\"/home/anna/a\\\\\"b\\\\$c/tastwerk\"";
        QTest::newRow("backslash") << "/home/anna/a\\b/tastwerk"
                                   << "\"/home/anna/a\\\\\\\\b/tastwerk\"";
        QTest::newRow("percent") << "/home/anna/100%/tastwerk"
                                 << "/home/anna/100%%/tastwerk";
        QTest::newRow("umlaut") << "/home/jörg/tastwerk"
                                << "/home/jörg/tastwerk";
    }
    void desktopLink_execQuoting()
    {
        QFETCH(QString, Target);
        QFETCH(QString, Exec);
        QCOMPARE(DesktopExecArgument(Target), Exec);
        QTemporaryDir Dir;
        const QString Link = Dir.path() + QStringLiteral("/tastwerk.desktop");
        QVERIFY(CreateDesktopLink(Link, Target, {QStringLiteral("--eine Option")}, QString(),
                                  QStringLiteral("Braille lernen")));
        QVERIFY(ReadAll(Link).contains(("\nExec=" + Exec + " \"--eine Option\"\n").toUtf8()));
        QVERIFY(ReadAll(Link).contains(
            ("\nPath=" + QFileInfo(Target).absolutePath().replace(u'\\', "\\\\") + "\n").toUtf8()));
        Validate(Link);
    }

    void makerLinks_data()
    {
        QTest::addColumn<QByteArray>("File");
        QTest::addColumn<QString>("Mail");
        QTest::addColumn<QString>("Homepage");
        QTest::newRow("no file") << QByteArray() << QString() << QString();
        QTest::newRow("as shipped") << ReadAll(QStringLiteral(TASTWERK_SHARE "/Data/Updateserver.txt")) << QString()
                                    << QString();
        QTest::newRow("both") << QByteArray("; Verweise\r\n"
                                            "Mail=lehrer@example.org\r\nHomepage=www.example.org/tastwerk\r\n")
                              << "mailto:lehrer@example.org"
                              << "https://www.example.org/tastwerk";
        QTest::newRow("mail only") << QByteArray("Mail=mailto:lehrer@example.org\n") << "mailto:lehrer@example.org"
                                   << QString();
        QTest::newRow("not valid") << QByteArray("Mail=kein Name\r\nHomepage=http://www.example.org\r\n") << QString()
                                   << QString();
    }
    void makerLinks()
    {
        QFETCH(QByteArray, File);
        QFETCH(QString, Mail);
        QFETCH(QString, Homepage);
        if (!File.isNull())
            QVERIFY(WriteAll(ServerFile(), File));
        TUrlRecorder Recorder;
        for (const char *Scheme : {"mailto", "https", "http"})
            QDesktopServices::setUrlHandler(QLatin1String(Scheme), &Recorder, "Open");
        Start();
        emit W->MM_Hilfe->aboutToShow();
        QCOMPARE(W->MM_H_Mail->isEnabled(), !Mail.isEmpty());
        QCOMPARE(W->MM_H_Homepage->isEnabled(), !Homepage.isEmpty());
        W->MM_H_Mail->trigger();
        W->MM_H_Homepage->trigger();
        for (const char *Scheme : {"mailto", "https", "http"})
            QDesktopServices::unsetUrlHandler(QLatin1String(Scheme));
        QStringList Opened;
        for (const QUrl &U : Recorder.Opened)
            Opened << U.toString();
        QStringList Wanted;
        for (const QString &U : {Mail, Homepage})
            if (!U.isEmpty())
                Wanted << U;
        QCOMPARE(Opened, Wanted);
    }

    void update_handsOverAndStartsTheUpdateProgram()
    {
        Start();
        emit W->MM_Hilfe->aboutToShow();
        QVERIFY(!W->MM_H_Update->isEnabled());
        // The update program reports its argument and keeps what it found.
        const QString Ran = QDir::tempPath() + QStringLiteral("/nachzug-lief");
        const QString Found = QDir::tempPath() + QStringLiteral("/nachzug-fand");
        QFile::remove(Ran);
        QFile::remove(Found);
        QVERIFY(WriteAll(UpdateProgram(), "#!/bin/sh\n"
                                          "cp \"$1\" \"${TMPDIR:-/tmp}/nachzug-fand\"\n"
                                          "printf '%s\\n' \"$@\" > \"${TMPDIR:-/tmp}/nachzug-lief\"\n"));
        // Not executable: not an update program.
        emit W->MM_Hilfe->aboutToShow();
        QVERIFY(!W->MM_H_Update->isEnabled());
        QFile::setPermissions(UpdateProgram(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        emit W->MM_Hilfe->aboutToShow();
        QVERIFY(W->MM_H_Update->isEnabled());

        AktFont.Name = QStringLiteral("DejaVu Sans");
        AktFont.Size = 14;
        AktFont.Bold = true;
        AktFont.Color = 0x0000FF;
        AktBackColor = 0xFFFFE0;
        W->MM_H_Update->trigger();
        const QByteArray Wanted = "Tastwerk V1.02\r\n"
                                  "Tastwerk V1.02\r\n" +
                                  QCoreApplication::applicationFilePath().toUtf8() +
                                  "\r\n"
                                  "Tastwerk\r\n"
                                  "14 DejaVu Sans\r\n"
                                  "1 255 16777184\r\n";
        QTRY_VERIFY(QFileInfo::exists(Ran));
        // The file's full path, in a folder only the learner may enter.
        const QString Given = QString::fromUtf8(ReadAll(Ran)).trimmed();
        const QFileInfo Folder(QFileInfo(Given).path());
        QCOMPARE(QFileInfo(Given).fileName(), QStringLiteral("Tastwerk.cfg"));
        QCOMPARE(Folder.path(), QDir::tempPath());
        QVERIFY2(Folder.fileName().startsWith(QStringLiteral("Tastwerk-Update-")), qPrintable(Given));
        QCOMPARE(Folder.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                         QFile::WriteOther | QFile::ExeOther),
                 QFile::Permissions());
        QCOMPARE(ReadAll(Given), Wanted);
        QCOMPARE(ReadAll(Found), Wanted);
    }

    // Someone else planted a link under the old hand-over name in the shared
    // temporary folder: the learner's file it points to stays as it was.
    void update_plantedLinkIsNotFollowed()
    {
        Start();
        const QString Ran = QDir::tempPath() + QStringLiteral("/nachzug-lief");
        QFile::remove(Ran);
        QVERIFY(WriteAll(UpdateProgram(), "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"${TMPDIR:-/tmp}/nachzug-lief\"\n"));
        QFile::setPermissions(UpdateProgram(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString Victim = QDir::tempPath() + QStringLiteral("/Brief-an-Oma.txt");
        QVERIFY(WriteAll(Victim, "Liebe Oma\r\n"));
        QFile::remove(HandOverFile());
        QVERIFY(QFile::link(Victim, HandOverFile()));
        emit W->MM_Hilfe->aboutToShow();
        W->MM_H_Update->trigger();
        QTRY_VERIFY(QFileInfo::exists(Ran));
        QCOMPARE(ReadAll(Victim), QByteArray("Liebe Oma\r\n"));
        QVERIFY(QFileInfo(HandOverFile()).isSymLink());
        QFile::remove(HandOverFile());
    }

    void update_handOverFails_errorAndNothingStarted()
    {
        Start();
        const QString Ran = QDir::tempPath() + QStringLiteral("/nachzug-lief");
        QFile::remove(Ran);
        QVERIFY(WriteAll(UpdateProgram(), "#!/bin/sh\ntouch \"${TMPDIR:-/tmp}/nachzug-lief\"\n"));
        QFile::setPermissions(UpdateProgram(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // A temporary folder that is a file: nothing can be written in it.
        const QByteArray Tmp = qgetenv("TMPDIR");
        const QString NoFolder = QDir::tempPath() + QStringLiteral("/kein-ordner");
        QVERIFY(WriteAll(NoFolder, "x"));
        qputenv("TMPDIR", NoFolder.toLocal8Bit());
        QString Text;
        QMessageBox::Icon Icon = QMessageBox::NoIcon;
        AnswerMessageBox(FAnswers.get(), [&](QMessageBox *Box) {
            Text = Box->text();
            Icon = Box->icon();
            Box->accept();
        });
        emit W->MM_Hilfe->aboutToShow();
        QVERIFY(W->MM_H_Update->isEnabled());
        W->MM_H_Update->trigger();
        QCOMPARE(Text, QStringLiteral("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\n"
                                      "Die Datei \"%1\" konnte nicht gespeichert werden.")
                           .arg(NoFolder + QStringLiteral("/Tastwerk.cfg")));
        qputenv("TMPDIR", Tmp);
        QCOMPARE(Icon, QMessageBox::Critical);
        QTest::qWait(200);
        QVERIFY(!QFileInfo::exists(Ran));
    }

    void infoBox()
    {
        Start();
        QString Title, Text;
        AnswerMessageBox(FAnswers.get(), [&](QMessageBox *Box) {
            Title = Box->windowTitle();
            Text = Box->text();
            Box->accept();
        });
        W->MM_H_Info->trigger();
        QCOMPARE(Title, QStringLiteral("Tastwerk V1.02"));
        const QStringList L = Text.split(u'\n');
        QCOMPARE(L.value(0), QStringLiteral("Tastwerk V1.02"));
        QCOMPARE(L.value(1), QStringLiteral("Tastwerk ist ein Programm zum Erlernen der deutschen Brailleschrift"));
        QVERIFY(Text.contains(QStringLiteral("GNU General Public License, Version 3 oder später")));
        for (const char *Library : {"Qt 6", "Speech Dispatcher", "eSpeak NG", "BRLTTY", "cmark"})
            QVERIFY2(Text.contains(QLatin1String(Library)), Library);
    }
};

// The test runs in a home of its own, so that the learner's desktop and
// temporary folder are never touched; the desktop folder is the German one
// of the XDG user folders.
int main(int argc, char **argv)
{
    QTemporaryDir Home;
    if (!Home.isValid())
        return 1;
    const QString H = Home.path();
    QDir().mkpath(H + QStringLiteral("/.config"));
    QDir().mkpath(H + QStringLiteral("/tmp"));
    QFile Dirs(H + QStringLiteral("/.config/user-dirs.dirs"));
    if (!Dirs.open(QIODevice::WriteOnly) || Dirs.write("XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n") < 0)
        return 1;
    Dirs.close();
    qputenv("HOME", H.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (H + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("TMPDIR", (H + QStringLiteral("/tmp")).toLocal8Bit());
    QApplication App(argc, argv);
    App.setAttribute(Qt::AA_Use96Dpi, true);
    tst_MainCommands T;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&T, argc, argv);
}

#include "tst_MainCommands.moc"
