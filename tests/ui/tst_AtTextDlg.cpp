#include "ModalAnswers.h"
#include "RecordingSpeech.h"

#include "app/SettingsC.h"
#include "braille/BrlKeyBrdC.h"
#include "braille/BrlUniCharC.h"
#include "common/AccessibilityC.h"
#include "common/PlainTextMemoC.h"
#include "content/DatenC.h"
#include "content/LektionenC.h"
#include "content/PathsC.h"
#include "content/RandomC.h"
#include "exercise/AtTextDlgC.h"
#include "help/HelpSystemC.h"
#include "log/LogC.h"
#include "main/ProgramStartC.h"
#include "progress/FortschrittC.h"
#include "progress/WiederholungslektionC.h"
#include "sound/SoundsHelperC.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
// X key codes (evdev + 8) of the chord keys.
quint32 ChordKey(QChar Dot)
{
    static const quint32 Codes[] = {41, 40, 39, 44, 45, 46}; // F D S J K L
    const int I = Dot.unicode() - u'1';
    return I >= 0 && I < 6 ? Codes[I] : 38;
}

bool IsCell(QChar C)
{
    return C.unicode() > 0x2800 && C.unicode() <= 0x28FF;
}
} // namespace

// Shipped lessons run through the exercise window with the keys a learner
// presses: what is shown, spoken and sounded, how answers are judged and
// counted, the countdown, the close question and the points.
class tst_AtTextDlg : public QObject
{
    Q_OBJECT

    QTemporaryDir FUser;
    TBrlUniChar FTable;
    THelpSystem FHelp;
    TLog FLog{nullptr, QString()};
    std::unique_ptr<TRecordingSpeech> FSpeech;
    std::unique_ptr<TDaten> FDaten;
    std::unique_ptr<TLektionen> FLektionen;
    std::unique_ptr<TAT_Text_Dlg> D;
    TFortschritt FFortschritt;
    TModalAnswers FAnswers;
    QStringList FSounds;
    int FBeeps = 0;
    double FSoundLength = 0;

    TLektionendatei *Lesson(const QString &Area, const QString &File)
    {
        TLektionendatei *L = FLektionen->FindLektionendatei(Area, File);
        if (!L)
            qWarning("no lesson %s", qPrintable(File));
        return L;
    }
    // Opens the window for L; its description is answered with OK.
    bool Open(TLektionendatei *L)
    {
        if (!L)
            return false;
        D = std::make_unique<TAT_Text_Dlg>(nullptr, L);
        FAnswers.Own = {D.get()};
        if (!L->Beschreibung().isEmpty())
            FAnswers.AnswerSpeakText(1);
        D->show();
        QApplication::setActiveWindow(D.get());
        D->Re1->setFocus();
        return QTest::qWaitForWindowActive(D.get()) && FAnswers.IsEmpty();
    }
    void Key(int K, const QString &Text = QString(), Qt::KeyboardModifiers Mods = Qt::NoModifier)
    {
        for (auto Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent Ev(Type, K, Mods, 0, 0, 0, Type == QEvent::KeyPress ? Text : Text, false);
            QCoreApplication::sendEvent(D->windowHandle(), &Ev);
        }
    }
    void Space() { Key(Qt::Key_Space, QStringLiteral(" ")); }
    void Enter() { Key(Qt::Key_Return, QStringLiteral("\r")); }
    // One chord: the dots pressed together, then released.
    void Chord(const QString &Dots)
    {
        for (auto Type : {QEvent::KeyPress, QEvent::KeyRelease})
            for (QChar Dot : Dots) {
                QKeyEvent Ev(Type, Qt::Key_unknown, Qt::NoModifier, ChordKey(Dot), 0, 0, QString(), false);
                QCoreApplication::sendEvent(D->windowHandle(), &Ev);
            }
    }
    // Writes braille as a learner does: chords for cells, Space for spaces.
    void TypeBraille(const QString &Braille)
    {
        for (QChar C : Braille) {
            TBuc Buc;
            if (C == u' ' || C.unicode() == 0x2800)
                Space();
            else if (FTable.FindUniBrl(C, Buc))
                Chord(Buc.Dots);
        }
    }
    QString MemoText() const { return TPlainTextMemo(D->Re1).Text(); }
    void SetCaret(int MemoPos) { TPlainTextMemo(D->Re1).SetSelStart(MemoPos); }
    int Caret() const { return TPlainTextMemo(D->Re1).SelStart(); }
    // A braille cell of the exercise line that is no target.
    int FillerPos() const
    {
        const QString T = MemoText();
        for (int P = D->ClickPos().FClickSelStart; P < T.size(); ++P)
            if (IsCell(T[P]) && D->ClickPos().IndexOf(P) < 0)
                return P;
        return -1;
    }
    QStringList Spoken() const { return FSpeech->Engine->Spoken; }
    QString RightWrong() const { return D->StRichtigFalsch->text(); }

private slots:
    void initTestCase()
    {
        InstallAccessibilityMends();
        InstallGermanQtTexts();
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("lerner"), FUser.path());
        QVERIFY(FTable.LoadFile());
        BrlUniChar = &FTable;
        HelpSystem = &FHelp;
        InstallLog(&FLog);
        InstallBeep([this] { ++FBeeps; });
        InstallSoundPlayer([this](const QString &File) { FSounds.append(QFileInfo(File).fileName()); });
        InstallSoundLength([this] { return FSoundLength; });
        FSpeech = std::make_unique<TRecordingSpeech>();
    }
    void init()
    {
        SetLernmaterialPath(QStringLiteral("Lernmaterial-1"));
        FDaten = std::make_unique<TDaten>();
        FLektionen = std::make_unique<TLektionen>(nullptr, FDaten.get());
        FLektionen->SetListsInline(true);
        QVERIFY(FDaten->LoadFiles());
        QVERIFY(FLektionen->LoadFiles());
        RandSeed(7);
        Querztastatur = true;
        SoundsEnabled = true;
        FSoundLength = 0;
        FSounds.clear();
        FBeeps = 0;
        FAnswers.Clear();
        FSpeech->Engine->Spoken.clear();
        FFortschritt.Clear();
        ::Fortschritt = &FFortschritt;
        EineTasteNachDerAnderen = false;
    }
    void cleanup()
    {
        if (D) {
            D->setProperty("AutoClose", true);
            D->done(2);
            D.reset();
        }
        FLektionen.reset();
        FDaten.reset();
        ::Fortschritt = nullptr;
        EineTasteNachDerAnderen = false;
        QVERIFY2(FAnswers.IsEmpty(), "a window that was to be answered never came up");
    }
    void cleanupTestCase()
    {
        FSpeech.reset();
        BrlUniChar = nullptr;
        HelpSystem = nullptr;
        InstallLog(nullptr);
        InstallBeep(nullptr);
        InstallSoundPlayer(nullptr);
        InstallSoundLength(nullptr);
    }

    // A text: the description first, then the text with its spoken lines;
    // Space ends it, and the lesson's points are the points of the run.
    void textLesson()
    {
        TLektionendatei *L = Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("01 Willkommen.lek"));
        QVERIFY(Open(L));
        QCOMPARE(FAnswers.Seen.value(0).section(u':', 0, 1),
                 QStringLiteral("Beschreibung: \"01 Willkommen bei Tastwerk\""));
        QCOMPARE(D->windowTitle(), L->Titel());
        QCOMPARE(FHelp.HelpId(), 4);
        QVERIFY(D->StWiederholungen->isHidden());
        QVERIFY(D->StRichtigFalsch->isHidden());
        QVERIFY(D->StSekunden->isHidden());
        QVERIFY(D->CbBrailleKeyboard->isHidden());
        QCOMPARE(D->Btn2->text(), QStringLiteral("&Fertig"));
        QVERIFY(!D->Re1->toPlainText().isEmpty());
        QCOMPARE(Caret(), 0);
        QCOMPARE(QApplication::focusWidget(), D->Re1);
        QVERIFY(!Spoken().isEmpty());
        // Moving to the next line speaks its spoken form.
        const int Before = int(Spoken().size());
        Key(Qt::Key_Down);
        QCOMPARE(Spoken().size(), Before + 1);
        Space();
        QCOMPARE(D->result(), 5);
        QCOMPARE(D->CheckScore(), L->Score());
    }

    // Reading: Space leads through the repetitions; the caption and the
    // button tell where the learner is.
    void readingLesson()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("05 Zeichen lesen a bis e.lek"));
        QVERIFY(L);
        L->Settings().FAT_ZeichenLesen_Settings.Wiederholungen = 3;
        L->Settings().FAT_ZeichenLesen_Settings.Zeitfaktor = 0;
        QVERIFY(Open(L));
        QCOMPARE(D->windowTitle(), L->Titel() + QStringLiteral(" - Wiederholung 1/3"));
        QCOMPARE(D->StWiederholungen->text(), QStringLiteral("Wiederholung: 1 von 3"));
        QVERIFY(D->StRichtigFalsch->isHidden());
        QCOMPARE(D->Btn2->text(), QStringLiteral("&Weiter"));
        const QString First = MemoText();
        QVERIFY(First.contains(QStringLiteral("\r\n")));
        FSounds.clear();
        Space();
        QCOMPARE(D->windowTitle(), L->Titel() + QStringLiteral(" - Wiederholung 2/3"));
        QCOMPARE(FSounds, QStringList{"NextLine.wav"});
        Enter();
        QCOMPARE(D->StWiederholungen->text(), QStringLiteral("Wiederholung: 3 von 3"));
        QCOMPARE(D->Btn2->text(), QStringLiteral("&Fertig"));
        QVERIFY(D->isVisible());
        Space();
        QCOMPARE(D->result(), 5);
        QVERIFY(!D->isVisible());
        QCOMPARE(D->CheckScore(), L->Score());
    }

    // Finding without a countdown: the task line is not judged, a filler
    // counts wrong, each target right; the last target ends the repetition.
    void findingLesson_withoutCountdown()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("11 Zeichen finden a bis j.lek"));
        QVERIFY(L);
        L->Settings().FAT_ZeichenFinden_Settings.Wiederholungen = 2;
        QVERIFY(Open(L));
        QVERIFY(!D->StRichtigFalsch->isHidden());
        QVERIFY(D->StSekunden->isHidden());
        QCOMPARE(Spoken().last(), D->ClickPos().FSpeakTextString);
        const int Targets = D->ClickPos().Count();
        QVERIFY(Targets > 0);
        FSoundLength = 0.02; // the window waits for each judged sound

        FSounds.clear();
        SetCaret(1);
        Space();
        QCOMPARE(RightWrong(), QStringLiteral("Richtig: 0 | Falsch: 0"));
        QVERIFY(FSounds.isEmpty());

        SetCaret(FillerPos());
        Space();
        QCOMPARE(RightWrong(), QStringLiteral("Richtig: 0 | Falsch: 1"));
        QCOMPARE(FSounds, QStringList{"ClickFalse.wav"});

        for (int I = 0; I < Targets; ++I) {
            QCOMPARE(D->WiederholungenCounter(), 1);
            SetCaret(D->ClickPos().FPos.first().FromPos);
            Space();
        }
        QCOMPARE(RightWrong(), QStringLiteral("Richtig: %1 | Falsch: 1").arg(Targets));
        QCOMPARE(D->WiederholungenCounter(), 2);
        QCOMPARE(FSounds.last(), QStringLiteral("NextLine.wav"));
        QCOMPARE(FSounds.count(QStringLiteral("ClickTrue.wav")), Targets);
        // (right - wrong) times the lesson's points.
        QCOMPARE(D->CheckScore(), (Targets - 1) * L->Score());
    }

    // The points of a run: (right - wrong) times the lesson's points, and
    // nothing when the wrong answers are as many or more.
    void checkScore_data()
    {
        QTest::addColumn<int>("Right");
        QTest::addColumn<int>("Wrong");
        QTest::addColumn<int>("Points");
        QTest::newRow("7 right, 2 wrong") << 7 << 2 << 15;
        QTest::newRow("2 right, 7 wrong") << 2 << 7 << 0;
        QTest::newRow("3 right, 3 wrong") << 3 << 3 << 0;
    }
    void checkScore()
    {
        QFETCH(int, Right);
        QFETCH(int, Wrong);
        QFETCH(int, Points);
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("11 Zeichen finden a bis j.lek"));
        QVERIFY(L);
        QCOMPARE(L->Score(), 3);
        L->Settings().FAT_ZeichenFinden_Settings.Wiederholungen = 20;
        QVERIFY(Open(L));
        for (int I = 0; I < Wrong; ++I) {
            SetCaret(FillerPos());
            Space();
        }
        for (int I = 0; I < Right; ++I) {
            SetCaret(D->ClickPos().FPos.first().FromPos);
            Space();
        }
        QCOMPARE(RightWrong(), QStringLiteral("Richtig: %1 | Falsch: %2").arg(Right).arg(Wrong));
        QCOMPARE(D->CheckScore(), Points);
    }

    // A click on a cell judges it as Space does.
    void findingLesson_byClick()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("11 Zeichen finden a bis j.lek"));
        QVERIFY(Open(L));
        const int Targets = D->ClickPos().Count();
        const int Target = D->ClickPos().FPos.first().FromPos;
        // The middle of the target cell on the screen.
        QTextCursor C = D->Re1->textCursor();
        C.setPosition(MemoToDocumentPosition(MemoText(), Target));
        const QRect Left = D->Re1->cursorRect(C);
        C.movePosition(QTextCursor::NextCharacter);
        const QPoint Middle((Left.center().x() + D->Re1->cursorRect(C).center().x()) / 2, Left.center().y());
        QTest::mouseClick(D->Re1->viewport(), Qt::LeftButton, Qt::NoModifier, Middle);
        QTRY_COMPARE(RightWrong(), QStringLiteral("Richtig: 1 | Falsch: 0"));
        QCOMPARE(D->ClickPos().Count(), Targets - 1);
    }

    // With a countdown the last target brings a new line for the same
    // target; the countdown goes on and at 0 ends the repetition.
    void findingLesson_withCountdown()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("11 Zeichen finden a bis j.lek"));
        QVERIFY(L);
        L->Settings().FAT_ZeichenFinden_Settings.Wiederholungen = 2;
        L->Settings().FAT_ZeichenFinden_Settings.Zeitfaktor = 30;
        QVERIFY(Open(L));
        QVERIFY(!D->StSekunden->isHidden());
        QCOMPARE(D->StSekunden->text(), QStringLiteral("Sekunden: 30"));
        QVERIFY(D->TimerSekunden.isActive());
        const QString Task = MemoText().section(QStringLiteral("\r\n"), 0, 0);
        const int SpokenBefore = int(Spoken().size());
        const int Targets = D->ClickPos().Count();
        for (int I = 0; I < Targets; ++I) {
            SetCaret(D->ClickPos().FPos.first().FromPos);
            Space();
        }
        QCOMPARE(FSounds.last(), QStringLiteral("NextPart.wav"));
        QCOMPARE(D->WiederholungenCounter(), 1);
        QVERIFY(D->ClickPos().Count() > 0);
        QVERIFY(MemoText().startsWith(Task));
        // The task is not spoken again for a fresh line.
        QCOMPARE(Spoken().mid(SpokenBefore).join(u"|"), QString());
        QVERIFY(D->TimerSekunden.isActive());

        // The rest of the countdown, quickly: the last three seconds sound.
        FSounds.clear();
        D->TimerSekunden.setInterval(5);
        QTRY_COMPARE(D->WiederholungenCounter(), 2);
        QCOMPARE(FSounds.count(QStringLiteral("Second.wav")), 3);
        QVERIFY(FSounds.contains(QStringLiteral("NextLine.wav")));
        // The new repetition counts from the start again.
        QVERIFY(D->SekundenCounter() > 20);
    }

    // Error search: the wrong character is the target; after it the
    // repetition ends.
    void errorSearch()
    {
        TLektionendatei *L = Lesson(QStringLiteral("05 Satzzeichen"), QStringLiteral("11 Fehler suchen.lek"));
        QVERIFY(L);
        L->Settings().FAT_Fehlersuche_Settings.Wiederholungen = 2;
        L->Settings().FAT_Fehlersuche_Settings.Zeitfaktor = 0;
        QVERIFY(Open(L));
        QVERIFY(!D->StRichtigFalsch->isHidden());
        QCOMPARE(D->ClickPos().Count(), 1);
        SetCaret(FillerPos());
        Space();
        SetCaret(D->ClickPos().FPos.first().FromPos);
        Space();
        QCOMPARE(RightWrong(), QStringLiteral("Richtig: 1 | Falsch: 1"));
        QCOMPARE(D->WiederholungenCounter(), 2);
        QCOMPARE(D->CheckScore(), 0);
    }

    // Typing with chords: a right answer goes on without a word; a wrong
    // one asks, and "&Nocheinmal" shows the same exercise with empty
    // fields; an empty answer with "&Weiter" counts nothing.
    void typingLesson()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("06 Zeichen tippen a bis e.lek"));
        QVERIFY(L);
        L->Settings().FAT_ZeichenTippen_Settings.Wiederholungen = 4;
        QVERIFY(Open(L));
        QVERIFY(D->CbBrailleKeyboard->isVisible());
        QVERIFY(D->CbBrailleKeyboard->isChecked());
        QVERIFY(D->IsHookActive());
        QCOMPARE(D->TippenPos().Count(), 1);

        // Right.
        const QString Answer = D->TippenPos().FPos[0].FTypeText.first();
        FSounds.clear();
        TypeBraille(Answer);
        QVERIFY(FSounds.contains(QStringLiteral("Type.wav")));
        QCOMPARE(D->TippenPos().FPos[0].FText.trimmed(), Answer.trimmed());
        Enter();
        QCOMPARE(RightWrong(), QStringLiteral("Richtig: 1 | Falsch: 0"));
        QCOMPARE(D->WiederholungenCounter(), 2);
        QVERIFY(FAnswers.Seen.size() == 1); // only the description

        // Wrong, then once more: the same exercise with empty fields.
        const QString Exercise = MemoText();
        const QString Wrong = QString(QChar(0x282D)); // x, never asked here
        TypeBraille(Wrong);
        QVERIFY(MemoText() != Exercise);
        FAnswers.AnswerSpeakText(1);
        Enter();
        QTRY_VERIFY(FAnswers.IsEmpty());
        QVERIFY(FAnswers.Seen.last().startsWith(QStringLiteral("Schreibergebnis: ")));
        QCOMPARE(RightWrong(), QStringLiteral("Richtig: 1 | Falsch: 1"));
        QCOMPARE(D->WiederholungenCounter(), 2);
        QCOMPARE(MemoText(), Exercise);
        QVERIFY(D->TippenPos().FPos[0].FText.isEmpty());
        QTRY_VERIFY(D->IsHookActive());

        // Empty, then go on: nothing counted.
        FAnswers.AnswerSpeakText(2);
        Enter();
        QTRY_VERIFY(FAnswers.IsEmpty());
        QCOMPARE(RightWrong(), QStringLiteral("Richtig: 1 | Falsch: 1"));
        QCOMPARE(D->WiederholungenCounter(), 3);
    }

    // Ctrl+B switches the keyboard; with the chord keys off, letters type
    // the cells the table lists, and other letters are ignored.
    void typingLesson_lettersAndSwitch()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("06 Zeichen tippen a bis e.lek"));
        QVERIFY(Open(L));
        Querztastatur = false;
        Key(Qt::Key_A, QStringLiteral("a"));
        QCOMPARE(D->TippenPos().FPos[0].FText, QString(QChar(0x2801)));
        Key(Qt::Key_unknown, QStringLiteral("©"));
        QCOMPARE(D->TippenPos().FPos[0].FText, QString(QChar(0x2801)));
        Key(Qt::Key_Backspace);
        QVERIFY(D->TippenPos().FPos[0].FText.isEmpty());

        FSounds.clear();
        Key(Qt::Key_B, QString(), Qt::ControlModifier);
        QVERIFY(!D->CbBrailleKeyboard->isChecked());
        QVERIFY(!D->IsHookActive());
        QCOMPARE(FSounds, QStringList{"BrlKbOff.wav"});
        QCOMPARE(Spoken().last(), QStringLiteral("Brailletastatur ist aus"));
        Key(Qt::Key_A, QStringLiteral("a"));
        QVERIFY(D->TippenPos().FPos[0].FText.isEmpty());
        Key(Qt::Key_B, QString(), Qt::ControlModifier);
        QVERIFY(D->IsHookActive());
        QCOMPARE(Spoken().last(), QStringLiteral("Brailletastatur ist ein"));
    }

    // The countdown ends each repetition by itself, the last one too.
    void countdown_endsTheRepetitions()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("05 Zeichen lesen a bis e.lek"));
        QVERIFY(L);
        L->Settings().FAT_ZeichenLesen_Settings.Wiederholungen = 2;
        L->Settings().FAT_ZeichenLesen_Settings.Zeitfaktor = 2;
        QVERIFY(Open(L));
        QCOMPARE(D->StSekunden->text(), QStringLiteral("Sekunden: 2"));
        D->TimerSekunden.setInterval(5);
        QTRY_COMPARE(D->result(), 5);
        QCOMPARE(D->WiederholungenCounter(), 2);
        QCOMPARE(FSounds.count(QStringLiteral("Second.wav")), 2);
    }

    // Esc asks; No lets the countdown go on where it stopped; Yes closes
    // with 2.
    void closeQuestion()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("05 Zeichen lesen a bis e.lek"));
        QVERIFY(L);
        L->Settings().FAT_ZeichenLesen_Settings.Wiederholungen = 3;
        L->Settings().FAT_ZeichenLesen_Settings.Zeitfaktor = 30;
        QVERIFY(Open(L));
        FAnswers.AnswerBox(QMessageBox::No);
        Key(Qt::Key_Escape);
        QTRY_VERIFY(FAnswers.IsEmpty());
        QVERIFY(FAnswers.Seen.last().endsWith(QStringLiteral(": Soll die Lektion abgebrochen werden?")));
        QVERIFY(D->isVisible());
        QVERIFY(D->TimerSekunden.isActive());
        QCOMPARE(D->SekundenCounter(), 30);

        FAnswers.AnswerBox(QMessageBox::Yes);
        D->Btn3->click();
        QTRY_VERIFY(FAnswers.IsEmpty());
        QCOMPARE(D->result(), 2);
        QVERIFY(!D->TimerSekunden.isActive());
        QVERIFY(!D->IsHookActive());
    }

    // The countdown holds while the program is in the background.
    void countdown_pausesWhileInactive()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("05 Zeichen lesen a bis e.lek"));
        QVERIFY(L);
        L->Settings().FAT_ZeichenLesen_Settings.Zeitfaktor = 30;
        QVERIFY(Open(L));
        QVERIFY(D->TimerSekunden.isActive());
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!D->TimerSekunden.isActive());
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QVERIFY(D->TimerSekunden.isActive());
        // Not while the learner is asked whether to stop.
        FAnswers.Answer([this](QWidget *W) {
            emit qApp->applicationStateChanged(Qt::ApplicationInactive);
            emit qApp->applicationStateChanged(Qt::ApplicationActive);
            QVERIFY(!D->TimerSekunden.isActive());
            qobject_cast<QMessageBox *>(W)->button(QMessageBox::No)->click();
        });
        Key(Qt::Key_Escape);
        QTRY_VERIFY(FAnswers.IsEmpty());
        QVERIFY(D->TimerSekunden.isActive());
    }

    // The field keys: next and previous input field, with a beep where

    // The judged answers reach the progress record: a wrong cell and the
    // targets in a finding lesson, a wrong chord in a typing lesson.
    void answersAreRecorded()
    {
        const QString M = GetAktLernmaterialName();
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("11 Zeichen finden a bis j.lek"));
        QVERIFY(L);
        L->Settings().FAT_ZeichenFinden_Settings.Wiederholungen = 2;
        QVERIFY(Open(L));
        const QString Text = MemoText();
        const QString Target = Text.mid(D->ClickPos().FPos.first().FromPos, 1);
        const int Filler = FillerPos();
        const QString Clicked = Text.mid(Filler, 1);
        const int Targets = D->ClickPos().Count();
        SetCaret(Filler);
        Space();
        for (int I = 0; I < Targets; ++I) {
            SetCaret(D->ClickPos().FPos.first().FromPos);
            Space();
        }
        const TZeichenStand *Z = FFortschritt.FindZeichen(M, Target);
        QVERIFY(Z);
        QCOMPARE(Z->Richtig, Targets);
        QCOMPARE(Z->Falsch, 1);
        QCOMPARE(Z->Verwechslungen.value(Clicked).Anzahl, 1);
        QCOMPARE(Z->Zuletzt, QDate::currentDate());
        D->setProperty("AutoClose", true);
        D->done(2);
        D.reset();

        TLektionendatei *T =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("06 Zeichen tippen a bis e.lek"));
        QVERIFY(T);
        QVERIFY(Open(T));
        const QString Asked = D->TippenPos().FPos[0].FTypeText.first().trimmed().left(1);
        TypeBraille(QStringLiteral("⠭")); // x, never asked here
        FAnswers.AnswerSpeakText(1);
        Enter();
        QTRY_VERIFY(FAnswers.IsEmpty());
        const TZeichenStand *A = FFortschritt.FindZeichen(M, Asked);
        QVERIFY(A);
        QCOMPARE(A->Falsch, 1);
        QCOMPARE(A->VerwechslungText(), QStringLiteral("x statt %1").arg(A->Name));
    }

    // A review lesson made from the due characters runs like any lesson:
    // every target is a due character, and the answers move them on.
    void reviewLesson_updatesRecord()
    {
        const QString M = GetAktLernmaterialName();
        const QDate Yesterday = QDate::currentDate().addDays(-1);
        const QString E = FTable.ConvertTextToBrlString(QStringLiteral("e"));
        const QString I = FTable.ConvertTextToBrlString(QStringLiteral("i"));
        FFortschritt.RecordTyping(M, E, I, Yesterday);
        FFortschritt.RecordTyping(M, QStringLiteral("⠁⠃⠉"), QStringLiteral("⠁⠃⠉"), Yesterday);
        auto Lessons = TWiederholungslektion::Create(FFortschritt, M, FDaten.get(), QDate::currentDate());
        QCOMPARE(Lessons.size(), size_t(2));
        TLektionendatei *Finding = Lessons[0].get();
        Finding->Settings().FAT_ZeichenFinden_Settings.Wiederholungen = 1;
        QVERIFY(Open(Finding));
        QCOMPARE(D->windowTitle(), QStringLiteral("Schwache Zeichen wiederholen: finden"));
        const int Targets = D->ClickPos().Count();
        QVERIFY(Targets > 0);
        for (int K = 0; K < Targets; ++K) {
            const int At = D->ClickPos().FPos.first().FromPos;
            QCOMPARE(MemoText().mid(At, 1), E);
            SetCaret(At);
            Space();
        }
        QCOMPARE(D->result(), 5);
        // Right today, a day after it fell: e rises to the second box.
        const TZeichenStand *Z = FFortschritt.FindZeichen(M, E);
        QCOMPARE(Z->Richtig, Targets);
        QCOMPARE(Z->Karte.Fach, 2);
        D.reset();

        TLektionendatei *Typing = Lessons[1].get();
        Typing->Settings().FAT_ZeichenTippen_Settings.Wiederholungen = 1;
        QVERIFY(Open(Typing));
        QVERIFY(D->IsHookActive());
        TypeBraille(D->TippenPos().FPos[0].FTypeText.first());
        Enter();
        QCOMPARE(D->result(), 5);
        QVERIFY(FFortschritt.FindZeichen(M, E)->Richtig > Targets);
        D.reset(); // before its lessons go
    }

    // Typing one key at a time in a typing field: the same judging.
    void oneKeyAtATime_typing()
    {
        TLektionendatei *L =
            Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("06 Zeichen tippen a bis e.lek"));
        QVERIFY(L);
        L->Settings().FAT_ZeichenTippen_Settings.Wiederholungen = 2;
        QVERIFY(Open(L));
        EineTasteNachDerAnderen = true;
        const QString Answer = D->TippenPos().FPos[0].FTypeText.first();
        const auto Press = [this](quint32 Code, int K = Qt::Key_unknown, const QString &Text = QString()) {
            for (auto Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent Ev(Type, K, Qt::NoModifier, Code, 0, 0, Text, false);
                QCoreApplication::sendEvent(D->windowHandle(), &Ev);
            }
        };
        for (QChar C : Answer) {
            TBuc Buc;
            if (C == u' ') {
                Press(65, Qt::Key_Space, QStringLiteral(" "));
                continue;
            }
            QVERIFY(FTable.FindUniBrl(C, Buc));
            const QString Before = D->TippenPos().FPos[0].FText;
            for (QChar Dot : Buc.Dots)
                Press(ChordKey(Dot));
            // The dots are gathered; Space writes the cell.
            QCOMPARE(D->TippenPos().FPos[0].FText, Before);
            Press(65, Qt::Key_Space, QStringLiteral(" "));
            QCOMPARE(QString(D->TippenPos().FPos[0].FText).remove(u' '), QString(Before + C).remove(u' '));
        }
        QCOMPARE(QString(D->TippenPos().FPos[0].FText).remove(u' '), QString(Answer).remove(u' '));
        Enter();
        QCOMPARE(RightWrong(), QStringLiteral("Richtig: 1 | Falsch: 0"));
    }

    // there is none.
    void fieldKeys()
    {
        TLektionendatei *L = Lesson(QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("14 Woerter tippen.lek"));
        QVERIFY(Open(L));
        QVERIFY(D->TippenPos().Count() >= 1);
        SetCaret(0);
        FSounds.clear();
        Key(Qt::Key_Right, QString(), Qt::ControlModifier);
        QCOMPARE(Caret(), D->TippenPos().FPos[0].FWritePos);
        QCOMPARE(FSounds, QStringList{"Editfield.wav"});
        SetCaret(0);
        Key(Qt::Key_Left, QString(), Qt::ControlModifier);
        QCOMPARE(FBeeps, 1);
    }
};

QTEST_MAIN(tst_AtTextDlg)
#include "tst_AtTextDlg.moc"
