#include "settings/StimmeDlgC.h"

#include "app/SettingsC.h"
#include "common/AccessibilityC.h"
#include "common/LabeledEditC.h"
#include "content/PathsC.h"
#include "help/HelpSystemC.h"
#include "speech/EspeakC.h"
#include "speech/SpeechC.h"
#include "speech/SpeechDispatcherC.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "../common/Pulse.h"
#include "../common/SpeechDispatcherServer.h"

// The voice dialog over the real engines: eSpeak NG embedded and a private
// speech-dispatcher with its full voice set, both playing into a private
// sound server whose output the tests listen to.
class tst_StimmeDlg : public QObject
{
    Q_OBJECT

public:
    explicit tst_StimmeDlg(QString AServer)
        : FServer(std::move(AServer))
    {
    }

private:
    QString FServer;
    QTemporaryDir FDir;
    TSpeechDispatcherServer FDaemon;
    std::unique_ptr<TSpeech> FSpeech;
    THelpSystem FHelp;
    QString FEspeakVoice;

    QString Path(const QString &Name) const { return FDir.filePath(Name); }

    // The program's speech as the start-up leaves it, from the settings.
    void SetProgramVoice(const QString &Stimme, int Volume, int Rate)
    {
        SapiSpeechStimme = Stimme;
        SapiSpeechVolume = Volume;
        SapiSpeechRate = Rate;
        Speech->SetTokenNrIndex(Speech->FindDescriptionInTokensNrIndex(Stimme));
        Speech->SetRate(Rate);
        Speech->SetVolume(Volume);
    }

    static void Show(TStimmeDlg &D)
    {
        D.show();
        QApplication::setActiveWindow(&D);
        QVERIFY(QTest::qWaitForWindowActive(&D));
        QTRY_VERIFY(D.VoicesLoaded());
    }

    static int RowStartingWith(const TStimmeDlg &D, const QString &Prefix)
    {
        for (int I = 1; I < D.Lv1Stimmen->count(); ++I)
            if (D.Lv1Stimmen->item(I)->text().startsWith(Prefix) && D.Lv1Stimmen->item(I)->text().contains(u"(de"))
                return I;
        return -1;
    }

    // The [Settings] value of Key as written in the file.
    static QString IniValue(const QString &Key)
    {
        QFile F(ProfilePath + SettingsFileName);
        if (!F.open(QIODevice::ReadOnly))
            return QStringLiteral("<keine Datei>");
        for (const QString &Line : QString::fromUtf8(F.readAll()).split(QRegularExpression(QStringLiteral("\r?\n"))))
            if (Line.startsWith(Key + u'='))
                return Line.mid(Key.size() + 1);
        return QStringLiteral("<fehlt>");
    }

private slots:
    void initTestCase()
    {
        InstallAccessibilityMends();
        QVERIFY(FDir.isValid());
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("lerner"), Path(QStringLiteral("user")));
        QVERIFY(QDir().mkpath(ProfilePath));
        HelpSystem = &FHelp;

        QVERIFY(FDaemon.Start(FDir.path(), FServer));

        // The program's speech; its service voices are not fetched yet.
        FSpeech = std::make_unique<TSpeech>(true);
        Speech = FSpeech.get();
        FEspeakVoice = TEspeak().Tokens().value(0);
        QVERIFY(FEspeakVoice.contains(u"(de"));
    }

    void cleanupTestCase()
    {
        Speech = nullptr;
        FSpeech.reset();
        HelpSystem = nullptr;
        FDaemon.Stop();
    }

    void cleanup()
    {
        SapiSpeechStimme.clear();
        SapiSpeechVolume = 80;
        SapiSpeechRate = 0;
    }

    // Runs first: the service's voices have not been fetched in this process.
    void voicesOfBothEnginesArriveWithoutHoldingUpTheWindow()
    {
        QVERIFY(!TSpeechDispatcher::VoicesCached());
        // The stored voice in other letter case is still found.
        SapiSpeechStimme = FEspeakVoice.toUpper();
        TStimmeDlg D;
        QCOMPARE(D.Lv1Stimmen->count(), 1);
        QCOMPARE(D.Lv1Stimmen->item(0)->text(), QStringLiteral("Keine"));
        QVERIFY(!D.Btn1OK->isEnabled());
        D.show();

        // The event loop keeps running while the list is fetched.
        QElapsedTimer Clock;
        Clock.start();
        qint64 Last = 0, LongestGap = 0;
        QTimer Tick;
        connect(&Tick, &QTimer::timeout, this, [&] {
            LongestGap = qMax(LongestGap, Clock.elapsed() - Last);
            Last = Clock.elapsed();
        });
        Tick.start(10);
        QTRY_VERIFY_WITH_TIMEOUT(D.VoicesLoaded(), 180000);
        qInfo("voices after %lld ms, longest pause of the window %lld ms", Clock.elapsed(), LongestGap);
        QVERIFY2(LongestGap < 1500, qPrintable(QString::number(LongestGap)));

        QStringList Shown;
        for (int I = 0; I < D.Lv1Stimmen->count(); ++I)
            Shown.append(D.Lv1Stimmen->item(I)->text());
        QCOMPARE(Shown.first(), QStringLiteral("Keine"));
        QCOMPARE(Shown.mid(1), TSpeech(true).Tokens());
        const int Service = RowStartingWith(D, QStringLiteral("speech-dispatcher "));
        const int Espeak = RowStartingWith(D, QStringLiteral("eSpeak NG "));
        QVERIFY(Service > 0);
        QVERIFY(Espeak > Service);
        QCOMPARE(D.Lv1Stimmen->currentItem()->text(), FEspeakVoice);
        QVERIFY(D.Btn1OK->isEnabled());
        QVERIFY(D.Le1Volume->isEnabled());
    }

    void withoutAnInstalledChoiceKeineIsSelected_data()
    {
        QTest::addColumn<QString>("Stimme");
        QTest::newRow("speech off") << QString();
        QTest::newRow("voice no longer installed") << QStringLiteral("eSpeak NG gibt es nicht (de)");
    }

    void withoutAnInstalledChoiceKeineIsSelected()
    {
        QFETCH(QString, Stimme);
        SapiSpeechStimme = Stimme;
        TStimmeDlg D;
        Show(D);
        QCOMPARE(D.Lv1Stimmen->currentRow(), 0);
        QVERIFY(D.Lv1Stimmen->item(0)->isSelected());
        QCOMPARE(QApplication::focusWidget(), D.Lv1Stimmen);
        for (QWidget *W : {static_cast<QWidget *>(D.Le1Volume->Edit), static_cast<QWidget *>(D.Ud1Volume),
                           static_cast<QWidget *>(D.Le2Rate->Edit), static_cast<QWidget *>(D.Ud2Rate)})
            QVERIFY(!W->isEnabled());
        QVERIFY(!D.Pu1Stimmentest->isEnabled());
        QCOMPARE(D.TestSpeech()->TokenNrIndex(), (TNrIndex{-1, -1})); // nothing said on opening
    }

    void arrowDownLetsTheVoiceSayItsName()
    {
        TStimmeDlg D;
        Show(D);
        QCOMPARE(D.Lv1Stimmen->currentRow(), 0);
        const double Audible = AudibleSeconds(
            FServer, [&] { QTest::keyClick(D.Lv1Stimmen, Qt::Key_Down); }, 3);
        QCOMPARE(D.Lv1Stimmen->currentRow(), 1);
        QCOMPARE(D.TestSpeech()->TokenDescription(), D.Lv1Stimmen->item(1)->text());
        QCOMPARE(D.TestSpeech()->TokenNrIndex().Nr, 1);
        QVERIFY2(Audible > 0.3, qPrintable(QString::number(Audible)));
        QVERIFY(D.Le1Volume->Edit->isEnabled());
        QVERIFY(D.Pu1Stimmentest->isEnabled());
        // Back on "Keine" the test voice falls silent and the values lock.
        QTest::keyClick(D.Lv1Stimmen, Qt::Key_Up);
        QVERIFY(!D.Le2Rate->Edit->isEnabled());
        QVERIFY(!D.Pu1Stimmentest->isEnabled());
    }

    void valueKeys_data()
    {
        QTest::addColumn<bool>("Rate");
        QTest::addColumn<int>("Start");
        QTest::addColumn<int>("Key");
        QTest::addColumn<int>("Modifiers");
        QTest::addColumn<int>("Expected");
        const int No = Qt::NoModifier;
        QTest::newRow("volume PageUp at the top") << false << 100 << int(Qt::Key_PageUp) << No << 100;
        QTest::newRow("volume End") << false << 100 << int(Qt::Key_End) << No << 5;
        QTest::newRow("volume Home") << false << 5 << int(Qt::Key_Home) << No << 100;
        QTest::newRow("volume PageDown") << false << 100 << int(Qt::Key_PageDown) << No << 90;
        QTest::newRow("volume Down") << false << 50 << int(Qt::Key_Down) << No << 45;
        QTest::newRow("volume Shift+End does nothing")
            << false << 100 << int(Qt::Key_End) << int(Qt::ShiftModifier) << 100;
        QTest::newRow("rate PageDown") << true << 0 << int(Qt::Key_PageDown) << No << -2;
        QTest::newRow("rate Up") << true << 0 << int(Qt::Key_Up) << No << 1;
        QTest::newRow("rate PageDown at the bottom") << true << -9 << int(Qt::Key_PageDown) << No << -10;
        QTest::newRow("rate End") << true << 3 << int(Qt::Key_End) << No << -10;
        QTest::newRow("rate Ctrl+Home does nothing") << true << 3 << int(Qt::Key_Home) << int(Qt::ControlModifier) << 3;
    }

    void valueKeys()
    {
        QFETCH(bool, Rate);
        QFETCH(int, Start);
        QFETCH(int, Key);
        QFETCH(int, Modifiers);
        QFETCH(int, Expected);
        SapiSpeechStimme = FEspeakVoice;
        SapiSpeechVolume = Rate ? 80 : Start;
        SapiSpeechRate = Rate ? Start : 0;
        TStimmeDlg D;
        Show(D);
        TLabeledEdit *Le = Rate ? D.Le2Rate : D.Le1Volume;
        TUpDown *Ud = Rate ? D.Ud2Rate : D.Ud1Volume;
        QCOMPARE(Le->Edit->text(), QString::number(Start));
        Le->Edit->setFocus();
        QTest::keyClick(Le->Edit, Qt::Key(Key), Qt::KeyboardModifiers(Modifiers));
        QCOMPARE(Ud->value(), Expected);
        QCOMPARE(Le->Edit->text(), QString::number(Expected));
        TSpeech *Test = D.TestSpeech();
        if (Modifiers != Qt::NoModifier) {
            QTest::qWait(30);
            QCOMPARE(Test->TokenNrIndex(), (TNrIndex{-1, -1})); // no test
            return;
        }
        // The voice says its name again, with the new value.
        QTRY_COMPARE(Test->TokenDescription(), FEspeakVoice);
        QCOMPARE(Rate ? Test->Rate() : Test->Volume(), Expected);
    }

    void changesAndTheMenuRepeatTheName()
    {
        SapiSpeechStimme = FEspeakVoice;
        SapiSpeechVolume = 80;
        SapiSpeechRate = 0;
        TStimmeDlg D;
        Show(D);
        D.Le2Rate->Edit->setFocus();
        const double AfterKey = AudibleSeconds(
            FServer, [&] { QTest::keyClick(D.Le2Rate->Edit, Qt::Key_PageDown); }, 3);
        QVERIFY2(AfterKey > 0.3, qPrintable(QString::number(AfterKey)));
        QCOMPARE(D.TestSpeech()->Rate(), -2);

        // "&Stimmentest wiedergeben" by its key, from the volume field.
        D.Le1Volume->Edit->setFocus();
        const double ByMenu = AudibleSeconds(
            FServer, [&] { QTest::keyClick(D.Le1Volume->Edit, Qt::Key_S, Qt::ControlModifier); }, 3);
        QVERIFY2(ByMenu > 0.3, qPrintable(QString::number(ByMenu)));

        // An arrow of the up-down, clicked: the value and the voice follow,
        // the focus stays.
        D.Lv1Stimmen->setFocus();
        QTest::mouseClick(D.Ud1Volume, Qt::LeftButton, {}, QPoint(D.Ud1Volume->width() / 2, D.Ud1Volume->height() - 3));
        QCOMPARE(D.Ud1Volume->value(), 75);
        QCOMPARE(QApplication::focusWidget(), D.Lv1Stimmen);
        QTRY_COMPARE(D.TestSpeech()->Volume(), 75);
    }

    void okStoresAndApplies_data()
    {
        QTest::addColumn<QString>("Engine");
        QTest::addColumn<int>("Nr");
        QTest::newRow("speech-dispatcher") << QStringLiteral("speech-dispatcher ") << 1;
        QTest::newRow("eSpeak NG") << QStringLiteral("eSpeak NG ") << 2;
    }

    void okStoresAndApplies()
    {
        QFETCH(QString, Engine);
        QFETCH(int, Nr);
        SetProgramVoice(QString(), 80, 0);
        QString Chosen;
        OnStimmeDlgShown = [&](TStimmeDlg *D) {
            QApplication::setActiveWindow(D);
            QTRY_VERIFY(D->VoicesLoaded());
            const int Row = RowStartingWith(*D, Engine);
            QVERIFY(Row > 0);
            Chosen = D->Lv1Stimmen->item(Row)->text();
            D->Lv1Stimmen->setFocus();
            D->Lv1Stimmen->setCurrentRow(Row);
            D->Le1Volume->Edit->setFocus();
            QTest::keyClick(D->Le1Volume->Edit, Qt::Key_PageDown); // 70
            QTest::keyClick(D->Le1Volume->Edit, Qt::Key_PageDown); // 60
            D->Le2Rate->Edit->setFocus();
            for (int I = 0; I < 3; ++I)
                QTest::keyClick(D->Le2Rate->Edit, Qt::Key_Up);
            QTest::mouseClick(D->Btn1OK, Qt::LeftButton);
        };
        const int Result = ShowStimmeDlg();
        OnStimmeDlgShown = nullptr;
        QCOMPARE(Result, 1);
        QVERIFY(!Chosen.isEmpty());

        QCOMPARE(SapiSpeechStimme, Chosen);
        QCOMPARE(SapiSpeechVolume, 60);
        QCOMPARE(SapiSpeechRate, 3);
        QVERIFY(IsSapiSpeechEnabled());
        QVERIFY(SaveSettingsFile(ProfilePath + SettingsFileName));
        QCOMPARE(IniValue(QStringLiteral("SapiSpeech.Stimme")), Chosen);
        QCOMPARE(IniValue(QStringLiteral("SapiSpeech.Volume")), QStringLiteral("60"));
        QCOMPARE(IniValue(QStringLiteral("SapiSpeech.Rate")), QStringLiteral("3"));

        QCOMPARE(Speech->TokenNrIndex().Nr, Nr);
        QCOMPARE(Speech->TokenDescription(), Chosen);
        QCOMPARE(Speech->Volume(), 60);
        QCOMPARE(Speech->Rate(), 3);
        const double Audible = AudibleSeconds(
            FServer, [] { SpeakText(QStringLiteral("Guten Tag, hier spricht das Programm."), true); }, 3);
        QVERIFY2(Audible > 0.5, qPrintable(QString::number(Audible)));
    }

    void okWithKeineSwitchesSpeechOff()
    {
        SetProgramVoice(FEspeakVoice, 80, 0);
        QVERIFY(IsSapiSpeechEnabled());
        OnStimmeDlgShown = [](TStimmeDlg *D) {
            QApplication::setActiveWindow(D);
            QTRY_VERIFY(D->VoicesLoaded());
            D->Lv1Stimmen->setFocus();
            QTest::keyClick(D->Lv1Stimmen, Qt::Key_Home);
            QCOMPARE(D->Lv1Stimmen->currentRow(), 0);
            QTest::keyClick(D->Lv1Stimmen, Qt::Key_Return); // OK is the default button
        };
        const int Result = ShowStimmeDlg();
        OnStimmeDlgShown = nullptr;
        QCOMPARE(Result, 1);
        QCOMPARE(SapiSpeechStimme, QString());
        QVERIFY(!IsSapiSpeechEnabled());
        QVERIFY(SaveSettingsFile(ProfilePath + SettingsFileName));
        QCOMPARE(IniValue(QStringLiteral("SapiSpeech.Stimme")), QString());
        QCOMPARE(Speech->TokenNrIndex(), (TNrIndex{0, -1}));
        QCOMPARE(AudibleSeconds(
                     FServer, [] { SpeakText(QStringLiteral("Das darf niemand hören."), true); }, 1.5),
                 0.0);
    }

    void cancelChangesNothing()
    {
        SetProgramVoice(FEspeakVoice, 70, -5);
        const QString Sentence = QStringLiteral("Ein Satz, der langsam gesprochen wird.");
        const double Before = AudibleSeconds(
            FServer, [&] { SpeakText(Sentence, true); }, 5);
        OnStimmeDlgShown = [](TStimmeDlg *D) {
            QApplication::setActiveWindow(D);
            QTRY_VERIFY(D->VoicesLoaded());
            D->Lv1Stimmen->setFocus();
            QTest::keyClick(D->Lv1Stimmen, Qt::Key_End); // the last voice
            D->Le1Volume->Edit->setFocus();
            QTest::keyClick(D->Le1Volume->Edit, Qt::Key_End);
            D->Le2Rate->Edit->setFocus();
            QTest::keyClick(D->Le2Rate->Edit, Qt::Key_Home);
            QTRY_COMPARE(D->TestSpeech()->Rate(), 10);
            QTest::keyClick(D->Le2Rate->Edit, Qt::Key_Escape);
        };
        const int Result = ShowStimmeDlg();
        OnStimmeDlgShown = nullptr;
        QCOMPARE(Result, 2);
        QCOMPARE(SapiSpeechStimme, FEspeakVoice);
        QCOMPARE(SapiSpeechVolume, 70);
        QCOMPARE(SapiSpeechRate, -5);
        QCOMPARE(Speech->TokenDescription(), FEspeakVoice);
        QCOMPARE(Speech->Volume(), 70);
        QCOMPARE(Speech->Rate(), -5);
        // eSpeak NG's voice and values are shared by the whole process: the
        // program's voice is heard as before, although the test voice spoke
        // at the lowest volume.
        const double After = AudibleSeconds(
            FServer, [&] { SpeakText(Sentence, true); }, 5);
        QVERIFY2(After > 0.8 * Before, qPrintable(QStringLiteral("%1 %2").arg(Before).arg(After)));
    }

    void namesFocusOrderAndHelpId()
    {
        FHelp.SetHelpId(5);
        SapiSpeechStimme = FEspeakVoice;
        {
            TStimmeDlg D;
            QCOMPARE(FHelp.HelpId(), 20);
            Show(D);
            QCOMPARE(D.windowTitle(), QStringLiteral("Stimme, Lautstärke und Geschwindigkeit wählen"));
            QCOMPARE(D.Le1Volume->EditLabel->text(), QStringLiteral("&Lautstärke (5-100):"));
            QCOMPARE(D.Le2Rate->EditLabel->text(), QStringLiteral("&Geschwindigkeit (-10-+10):"));
            QCOMPARE(D.Pu1Stimmentest->text(), QStringLiteral("&Stimmentest wiedergeben"));
            for (QWidget *W : {static_cast<QWidget *>(D.Lv1Stimmen), static_cast<QWidget *>(D.Le1Volume->Edit),
                               static_cast<QWidget *>(D.Ud1Volume), static_cast<QWidget *>(D.Le2Rate->Edit),
                               static_cast<QWidget *>(D.Ud2Rate), static_cast<QWidget *>(D.Btn1OK),
                               static_cast<QWidget *>(D.Btn2Abbrechen)}) {
                QAccessibleInterface *I = QAccessible::queryAccessibleInterface(W);
                QVERIFY(I);
                QVERIFY2(!I->text(QAccessible::Name).isEmpty(), W->metaObject()->className());
            }
            QAccessibleInterface *Ud = QAccessible::queryAccessibleInterface(D.Ud2Rate);
            QCOMPARE(Ud->role(), QAccessible::SpinBox);
            QCOMPARE(Ud->valueInterface()->currentValue().toInt(), SapiSpeechRate);

            QCOMPARE(QApplication::focusWidget(), D.Lv1Stimmen);
            const QList<QWidget *> Order{D.Le1Volume->Edit, D.Le2Rate->Edit, D.Btn1OK, D.Btn2Abbrechen, D.Lv1Stimmen};
            for (QWidget *Next : Order) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), Next);
            }
            // Clicking a label focuses its field.
            QTest::mouseClick(D.Le2Rate->EditLabel, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), D.Le2Rate->Edit);
        }
        QCOMPARE(FHelp.HelpId(), 5);
    }
};

int main(int argc, char *argv[])
{
    return RunWithPrivatePulse<QApplication>(argc, argv, [&](const QString &Server) {
        tst_StimmeDlg Test(Server);
        return QTest::qExec(&Test, argc, argv);
    });
}

#include "tst_StimmeDlg.moc"
