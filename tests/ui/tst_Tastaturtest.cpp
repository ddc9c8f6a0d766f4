#include "RecordingSpeech.h"

#include "app/SettingsC.h"
#include "common/AccessibilityC.h"
#include "help/HelpSystemC.h"
#include "keytest/TastaturtestDlgC.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace
{
// A key of the keyboard as the platform reports it: X key code (evdev + 8),
// the key and the text of a German layout.
struct TPlatformKey {
    quint32 Code;
    Qt::Key Key;
    const char16_t *Text;
};

TPlatformKey KeyOf(QChar C)
{
    switch (C.unicode()) {
    case u'a':
        return {38, Qt::Key_A, u"a"};
    case u's':
        return {39, Qt::Key_S, u"s"};
    case u'd':
        return {40, Qt::Key_D, u"d"};
    case u'f':
        return {41, Qt::Key_F, u"f"};
    case u'j':
        return {44, Qt::Key_J, u"j"};
    case u'k':
        return {45, Qt::Key_K, u"k"};
    case u'l':
        return {46, Qt::Key_L, u"l"};
    case u'o':
        return {47, Qt::Key_Odiaeresis, u"ö"};
    default:
        return {53, Qt::Key_X, u"x"};
    }
}

// Sends every key event that reaches the object's own handling to a list:
// whatever gets there could type or trigger something.
struct TCatcher : QObject {
    QStringList Seen;
    bool eventFilter(QObject *, QEvent *E) override
    {
        if (E->type() == QEvent::KeyPress || E->type() == QEvent::KeyRelease)
            Seen << static_cast<QKeyEvent *>(E)->text();
        return false;
    }
};
} // namespace

// The keyboard test window: which of the braille keys a keyboard reports
// together, the verdict, and that the keys do nothing else meanwhile.
class tst_Tastaturtest : public QObject
{
    Q_OBJECT

    THelpSystem FHelp;
    std::unique_ptr<TRecordingSpeech> FSpeech;

    // "+s +d -s -d": presses and releases in order, "o" for Ö; "r" after the
    // key: flagged as auto-repeat.
    static void Play(QWidget *W, const QString &Script)
    {
        for (const QString &Step : Script.split(u' ', Qt::SkipEmptyParts)) {
            const TPlatformKey K = KeyOf(Step.at(1));
            const bool Repeat = Step.size() > 2 && Step.at(2) == u'r';
            QKeyEvent Ev(Step.at(0) == u'+' ? QEvent::KeyPress : QEvent::KeyRelease, K.Key, Qt::NoModifier, K.Code, 0,
                         0, QString::fromUtf16(K.Text), Repeat);
            QCoreApplication::sendEvent(W->window()->windowHandle(), &Ev);
        }
    }

    static void ShowActive(TTastaturtestDlg &Dlg)
    {
        Dlg.show();
        QApplication::setActiveWindow(&Dlg);
        Dlg.Re1->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&Dlg));
    }

private slots:
    void initTestCase()
    {
        InstallAccessibilityMends();
        HelpSystem = &FHelp;
    }
    void cleanupTestCase() { HelpSystem = nullptr; }
    void init() { FSpeech = std::make_unique<TRecordingSpeech>(); }
    void cleanup() { FSpeech.reset(); }

    void attempt_data()
    {
        QTest::addColumn<QString>("Script");
        QTest::addColumn<QString>("Arrived");
        QTest::addColumn<QString>("Verdict");
        const QString AlleSechs = QStringLiteral("Deine Tastatur kann jede Braillekombination schreiben.");
        const QString Rat = QStringLiteral(" Versuche eine andere Tastatur oder schalte in den "
                                           "Einstellungen „Eine Taste nach der anderen“ ein.");
        QTest::newRow("all six, released in press order") << "+s +d +f +j +k +l -s -d -f -j -k -l"
                                                          << "S D F J K L (Punkte 1 2 3 4 5 6)" << AlleSechs;
        QTest::newRow("all six, mixed order") << "+j +f +l +s +k +d -d -l -s -j -f -k"
                                              << "S D F J K L (Punkte 1 2 3 4 5 6)" << AlleSechs;
        QTest::newRow("K never arrives")
            << "+s +d +f +j +l -s -d -f -j -l"
            << "S D F J L (Punkte 1 2 3 4 6)"
            << "Deine Tastatur meldet höchstens 5 Tasten gleichzeitig. Nicht angekommen: Punkt 5 (K). "
               "Kombinationen mit diesem Punkt gehen verloren." +
                   Rat;
        QTest::newRow("three keys at most")
            << "+s +d +f -s -d -f"
            << "S D F (Punkte 1 2 3)"
            << "Deine Tastatur meldet höchstens 3 Tasten gleichzeitig. Nicht angekommen: Punkt 4 (J), Punkt 5 (K), "
               "Punkt 6 (L). Kombinationen mit diesen Punkten gehen verloren." +
                   Rat;
        // All six went down in the attempt, but never more than three at once.
        QTest::newRow("keys one after the other are not together")
            << "+s +d +f -s +j -d +k -f +l -j -k -l"
            << "S D F (Punkte 1 2 3)"
            << "Deine Tastatur meldet höchstens 3 Tasten gleichzeitig. Nicht angekommen: Punkt 4 (J), Punkt 5 (K), "
               "Punkt 6 (L). Kombinationen mit diesen Punkten gehen verloren." +
                   Rat;
        QTest::newRow("held keys repeat their press") << "+s +s +sr +d +f +j +k +l +l +l -s -d -f -j -k -l"
                                                      << "S D F J K L (Punkte 1 2 3 4 5 6)" << AlleSechs;
        // X11 without detectable auto-repeat: release/press pairs flagged as repeats.
        QTest::newRow("repeat as release and press") << "+s +d +f -fr +fr +j +k +l -lr +lr -s -d -f -j -k -l"
                                                     << "S D F J K L (Punkte 1 2 3 4 5 6)" << AlleSechs;
        QTest::newRow("with A and Ö") << "+a +s +d +f +j +k +l +o -a -s -d -f -j -k -l -o"
                                      << "A S D F J K L Ö (Punkte 1 2 3 4 5 6)"
                                      << AlleSechs + " Auch A und Ö kamen mit an.";
        QTest::newRow("with A, Ö lost") << "+a +s +d +f +j +k +l -a -s -d -f -j -k -l"
                                        << "A S D F J K L (Punkte 1 2 3 4 5 6)"
                                        << AlleSechs + " Auch A kam mit an, Ö nicht.";
        QTest::newRow("one key only") << "+k -k"
                                      << "K (Punkt 5)"
                                      << "Es kam nur eine Taste auf einmal an. Halte alle sechs Tasten "
                                         "gleichzeitig gedrückt.";
        // Other keys are no part of the test.
        QTest::newRow("another key in between") << "+s +d +x -x +f +j +k +l -s -d -f -j -k -l"
                                                << "S D F J K L (Punkte 1 2 3 4 5 6)" << AlleSechs;
    }
    void attempt()
    {
        QFETCH(QString, Script);
        QFETCH(QString, Arrived);
        QFETCH(QString, Verdict);
        TTastaturtestDlg Dlg;
        ShowActive(Dlg);
        FSpeech->Engine->Spoken.clear();
        Play(&Dlg, Script);
        const QString Expected = QStringLiteral("Gleichzeitig angekommen: ") + Arrived + u' ' + Verdict;
        QCOMPARE(Dlg.ResultText(), Expected);
        // Shown line by line at the top of the pane, the caret on the first line.
        const QStringList Lines = Dlg.Re1->toPlainText().split(u'\n');
        QCOMPARE(Lines.first(), QStringLiteral("Gleichzeitig angekommen: ") + Arrived);
        QVERIFY(Lines.contains(Verdict.section(u'.', 0, 0) + u'.'));
        QCOMPARE(Dlg.Re1->textCursor().position(), 0);
        QCOMPARE(FSpeech->Engine->Spoken, QStringList{Expected});
        QCOMPARE(Dlg.LbGedrueckt->text(), QStringLiteral("Gedrückt: keine Taste"));
    }

    void heldKeysShown()
    {
        TTastaturtestDlg Dlg;
        ShowActive(Dlg);
        Play(&Dlg, "+s +j");
        QCOMPARE(Dlg.LbGedrueckt->text(), QStringLiteral("Gedrückt: S J"));
        Play(&Dlg, "+d -j");
        QCOMPARE(Dlg.LbGedrueckt->text(), QStringLiteral("Gedrückt: S D"));
        QVERIFY(Dlg.ResultText().isEmpty());
        Play(&Dlg, "-s -d");
        QVERIFY(Dlg.ResultText().startsWith(QStringLiteral("Gleichzeitig angekommen: S D J (Punkte 2 3 4) ")));
    }

    void betterAttemptKept()
    {
        TTastaturtestDlg Dlg;
        ShowActive(Dlg);
        Play(&Dlg, "+s +d +f +j +k +l -s -d -f -j -k -l");
        Play(&Dlg, "+s +d +f -s -d -f");
        QCOMPARE(Dlg.ResultText(), QStringLiteral("Gleichzeitig angekommen: S D F (Punkte 1 2 3) "
                                                  "Bester Versuch: S D F J K L (Punkte 1 2 3 4 5 6) "
                                                  "Deine Tastatur kann jede Braillekombination schreiben."));
        // A better attempt replaces the best one.
        TTastaturtestDlg Second;
        ShowActive(Second);
        Play(&Second, "+s +d +f -s -d -f");
        Play(&Second, "+s +d +f +j -s -d -f -j");
        QCOMPARE(Second.Test().Best(), Second.Test().Last());
        QVERIFY(!Second.ResultText().contains(QStringLiteral("Bester Versuch")));
        QVERIFY(Second.ResultText().contains(QStringLiteral("höchstens 4 Tasten")));
    }

    void keyDownBeforeOpening_endsNothing()
    {
        TTastaturtestDlg Dlg;
        ShowActive(Dlg);
        // S was held when the window opened: its release belongs to no attempt.
        Play(&Dlg, "-s");
        QVERIFY(Dlg.ResultText().isEmpty());
        Play(&Dlg, "+d +f -s -d -f");
        QVERIFY(Dlg.ResultText().startsWith(QStringLiteral("Gleichzeitig angekommen: D F (Punkte 1 2)")));
    }

    void keysDoNothingElse()
    {
        TTastaturtestDlg Dlg;
        ShowActive(Dlg);
        TCatcher Catcher;
        Dlg.Re1->installEventFilter(&Catcher);
        Dlg.BtnSchliessen->installEventFilter(&Catcher);
        QSignalSpy Clicked(Dlg.BtnSchliessen, &QPushButton::clicked);
        const QString All = QStringLiteral("+a +s +d +f +j +k +l +o -a -s -d -f -j -k -l -o");
        Play(&Dlg, All);
        Dlg.BtnSchliessen->setFocus();
        Play(&Dlg, All);
        QCOMPARE(Catcher.Seen, QStringList());
        QCOMPARE(Clicked.count(), 0);
        QVERIFY(Dlg.isVisible());
        // No shortcut may take a tested key either.
        QKeyEvent Override(QEvent::ShortcutOverride, Qt::Key_S, Qt::NoModifier, 39, 0, 0, QStringLiteral("s"));
        Override.ignore();
        QCoreApplication::sendEvent(QApplication::focusWidget(), &Override);
        QVERIFY(Override.isAccepted());
        // Other keys still pass.
        Play(&Dlg, "+x -x");
        QCOMPARE(Catcher.Seen, (QStringList{"x", "x"}));
    }

    void anotherWindowsKeysPass()
    {
        TTastaturtestDlg Dlg;
        ShowActive(Dlg);
        QWidget Other;
        auto *Pane = new QPlainTextEdit(&Other);
        Other.show();
        QApplication::setActiveWindow(&Other);
        Pane->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&Other));
        Play(Pane, "+s -s");
        QCOMPARE(Pane->toPlainText(), QStringLiteral("s"));
        QCOMPARE(Dlg.Test().Held(), 0);
        QVERIFY(Dlg.ResultText().isEmpty());
    }

    void instructionSpokenAtOpening()
    {
        TTastaturtestDlg Dlg;
        ShowActive(Dlg);
        QCOMPARE(FSpeech->Engine->Spoken.size(), 1);
        const QString Spoken = FSpeech->Engine->Spoken.first();
        QVERIFY(Spoken.startsWith(QStringLiteral("Halte die Tasten S, D, F, J, K und L gleichzeitig gedrückt "
                                                 "und lass sie dann los.")));
        QVERIFY(Spoken.contains(QStringLiteral("A und Ö")));
        QCOMPARE(Dlg.Re1->toPlainText().section(u'\n', 0, 0), Spoken.section(u'.', 0, 0) + u'.');
    }

    void speechOff_programSaysNothing()
    {
        SapiSpeechStimme.clear();
        TTastaturtestDlg Dlg;
        ShowActive(Dlg);
        Play(&Dlg, "+s +d +f +j +k +l -s -d -f -j -k -l");
        QTest::qWait(200);
        QCOMPARE(FSpeech->Engine->Spoken, QStringList());
        QVERIFY(!Dlg.ResultText().isEmpty());
    }

    void accessibility()
    {
        TTastaturtestDlg Dlg;
        ShowActive(Dlg);
        QCOMPARE(QApplication::focusWidget(), Dlg.Re1);
        QCOMPARE(Dlg.windowTitle(), QStringLiteral("Tastaturtest"));
        auto Name = [](QWidget *W) { return QAccessible::queryAccessibleInterface(W)->text(QAccessible::Name); };
        QCOMPARE(Name(Dlg.Re1), QStringLiteral("Ergebnis:"));
        QCOMPARE(Name(Dlg.BtnSchliessen), QStringLiteral("Schließen"));
        QTest::keyClick(Dlg.Re1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Dlg.BtnSchliessen);
        QTest::keyClick(Dlg.BtnSchliessen, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Dlg.Re1);
        QVERIFY(Dlg.Re1->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    }

    void modal_helpIdAndEsc()
    {
        FHelp.SetHelpId(3);
        int HelpWhileOpen = -1;
        QString Result;
        OnTastaturtestDlgShown = [&](TTastaturtestDlg *D) {
            QApplication::setActiveWindow(D);
            D->Re1->setFocus();
            HelpWhileOpen = FHelp.HelpId();
            Play(D, "+s +d +f +j +l -s -d -f -j -l");
            Result = D->ResultText();
            QKeyEvent Esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, 9, 0, 0, QString());
            QCoreApplication::sendEvent(D->windowHandle(), &Esc);
            // Left open by a fault: close it anyway so that the test ends.
            QTimer::singleShot(500, D, [D] { D->done(99); });
        };
        const int R = ShowTastaturtest(nullptr, 30);
        OnTastaturtestDlgShown = nullptr;
        QCOMPARE(R, int(QDialog::Rejected));
        QCOMPARE(HelpWhileOpen, 30);
        QCOMPARE(FHelp.HelpId(), 3);
        QVERIFY(Result.contains(QStringLiteral("Nicht angekommen: Punkt 5 (K).")));
    }
};

QTEST_MAIN(tst_Tastaturtest)
#include "tst_Tastaturtest.moc"
