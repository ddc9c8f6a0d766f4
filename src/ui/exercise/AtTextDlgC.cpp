#include "exercise/AtTextDlgC.h"

#include "app/SettingsC.h"
#include "braille/BrlKeyBrdC.h"
#include "braille/BrlUniCharC.h"
#include "common/AccessibilityC.h"
#include "common/DisplayHelperC.h"
#include "common/PlainTextMemoC.h"
#include "common/SpokenBoxC.h"
#include "content/LektionenC.h"
#include "help/HelpSystemC.h"
#include "log/LogC.h"
#include "progress/FortschrittC.h"
#include "progress/FortschrittMelderC.h"
#include "run/ParagraphKeysC.h"
#include "run/SpeakTextDlgC.h"
#include "sound/SoundsHelperC.h"
#include "speech/SpeechC.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <exception>

namespace
{
QAction *NewAction(QObject *Parent, const QString &Caption, int Tag, const QKeySequence &Key)
{
    auto *A = new QAction(Caption, Parent);
    A->setProperty("Tag", Tag);
    A->setShortcut(Key);
    // The keys are taken by the window itself, before the pane sees them;
    // the menu only shows them.
    A->setShortcutContext(Qt::WidgetShortcut);
    return A;
}

} // namespace

TAT_Text_Dlg::TAT_Text_Dlg(QWidget *AOwner, TLektionendatei *ALektion)
    : TProgramDialog(AOwner, 4)
    , FLektion(ALektion)
    , FMelder(std::make_unique<TFortschrittMelder>(::Fortschritt, GetAktLernmaterialName(), ALektion->Typ()))
{
    FSapiSpeechEnabled = FLektion->SapiSpeechEnabled() && IsSapiSpeechEnabled();
    FSoundsEnabled = FLektion->Sounds() && SoundsEnabled;

    Btn1 = new QPushButton(QStringLiteral("&Zurück"), this);
    Btn2 = new QPushButton(QStringLiteral("&Weiter"), this);
    Btn3 = new QPushButton(QStringLiteral("&Abbrechen"), this);
    StWiederholungen = new QLabel(this);
    StRichtigFalsch = new QLabel(this);
    StSekunden = new QLabel(this);
    CbBrailleKeyboard = new QCheckBox(QStringLiteral("&Brailletastatur"), this);
    Re1 = new QPlainTextEdit(this);
    Re1->setReadOnly(true);
    // Read-only, yet the caret moves: the learner reads and picks cells.
    Re1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Re1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Re1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Short: a braille display shows the name before the exercise line.
    Re1->setAccessibleName(ExercisePaneName);
    for (QPushButton *B : {Btn1, Btn2, Btn3})
        B->setAutoDefault(false);
    Btn1->setProperty("ModalResult", 3);
    Btn1->setProperty("Tag", 1);
    Btn2->setProperty("Tag", 2);
    Btn3->setProperty("ModalResult", 2);
    Btn3->setProperty("Tag", 3);
    Btn2->setDefault(true);
    Btn1->hide();
    setTabOrder(CbBrailleKeyboard, Re1);
    setTabOrder(Re1, Btn2);
    setTabOrder(Btn2, Btn3);

    PopupMenu_Re = new QMenu(this);
    PM_Re_BrailleKeyboard = NewAction(this, QStringLiteral("&Brailletastatur"), 1, QKeySequence(Qt::CTRL | Qt::Key_B));
    PM_Re_BrailleKeyboard->setCheckable(true);
    PM_Re_NextField =
        NewAction(this, QStringLiteral("Nächstes Eingabefeld"), 2, QKeySequence(Qt::CTRL | Qt::Key_Right));
    PM_Re_BackField =
        NewAction(this, QStringLiteral("Vorheriges Eingabefeld"), 3, QKeySequence(Qt::CTRL | Qt::Key_Left));
    PM_Re_AllSelect = NewAction(this, QStringLiteral("Alles markieren"), 0, QKeySequence(Qt::CTRL | Qt::Key_A));
    PM_Re_Insert = NewAction(this, QStringLiteral("Einfügen"), 0, QKeySequence(Qt::CTRL | Qt::Key_V));
    PM_Re_Cut = NewAction(this, QStringLiteral("Ausschneiden"), 0, QKeySequence(Qt::CTRL | Qt::Key_X));
    PM_Re_Undo = NewAction(this, QStringLiteral("Rückgängig"), 0, QKeySequence(Qt::CTRL | Qt::Key_Z));
    PM_Re_LinesDown = NewAction(this, QStringLiteral("Nächster Absatz"), 1, QKeySequence(Qt::CTRL | Qt::Key_Down));
    PM_Re_LinesUp = NewAction(this, QStringLiteral("Vorheriger Absatz"), 2, QKeySequence(Qt::CTRL | Qt::Key_Up));
    PopupMenu_Re->addActions({PM_Re_BrailleKeyboard, PM_Re_NextField, PM_Re_BackField});
    PopupMenu_Re->setDefaultAction(PM_Re_BrailleKeyboard);
    connect(PM_Re_BrailleKeyboard, &QAction::triggered, this, [this] {
        if (CbBrailleKeyboard->isEnabled() && CbBrailleKeyboard->isVisible())
            CbBrailleKeyboard->click();
    });
    connect(PM_Re_NextField, &QAction::triggered, this, [this] { NextField(); });
    connect(PM_Re_BackField, &QAction::triggered, this, [this] { BackField(); });
    connect(PM_Re_LinesDown, &QAction::triggered, this, [this] { LinesDown(); });
    connect(PM_Re_LinesUp, &QAction::triggered, this, [this] { LinesUp(); });
    Re1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Re1, &QWidget::customContextMenuRequested, this, [this](const QPoint &P) { PopupMenu_RePopup(P); });
    connect(PopupMenu_Re, &QMenu::aboutToShow, this, [this] {
        FMenuOpen = true;
        SetHookOff();
    });
    connect(PopupMenu_Re, &QMenu::aboutToHide, this, [this] {
        FMenuOpen = false;
        UpdateHook();
    });

    connect(Btn1, &QPushButton::clicked, this, [this] { done(3); });
    connect(Btn2, &QPushButton::clicked, this, [this] { Btn2Click(); });
    connect(Btn3, &QPushButton::clicked, this, [this] { done(2); });
    connect(CbBrailleKeyboard, &QCheckBox::clicked, this, [this] { CbBrailleKeyboardClick(); });
    TimerSekunden.setInterval(1000);
    connect(&TimerSekunden, &QTimer::timeout, this, [this] { TimerSekundenTimer(); });
    // The countdown pauses while the program is in the background.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState State) {
        if (State == Qt::ApplicationActive) {
            if (FCountdown && FZeitfaktor > 0)
                TimerSekunden.start();
        } else {
            TimerSekunden.stop();
        }
    });

    // Creation.
    setWindowTitle(FLektion->Titel());
    FMemo = std::make_unique<TPlainTextMemo>(Re1);
    FExercise = std::make_unique<TExercise>(FMemo.get());
    const TAufgabenTyp T = Typ();
    const TExerciseGroup Group = ExerciseGroup(T);
    if (Group != egNone && T != atText) {
        FWiederholungen = qMax(1, FLektion->Settings().Wiederholungen(T));
        if (T != atSchnellkurs && T != atBuchstabenLernen)
            FZeitfaktor = qMax(0, FLektion->Settings().Zeitfaktor(T));
    }
    FRichtigFalschCounter.Clear();
    FSekundenCounter = FZeitfaktor;
    Btn2->setText(FWiederholungen == 1 ? QStringLiteral("&Fertig") : QStringLiteral("&Weiter"));
    UpdateCounterTexts();

    // Who answers how decides what is shown.
    const bool Counted = Group == egFind || T == atFehlersuche || Group == egType || Group == egNone;
    StRichtigFalsch->setVisible(Counted);
    StWiederholungen->setVisible(T != atText);
    StSekunden->setVisible(FZeitfaktor > 0);
    CbBrailleKeyboard->setVisible(Group == egType);
    CbBrailleKeyboard->setEnabled(Group == egType);

    FBrlKeyBrd = std::make_unique<TBrlKeyBrd>(this);
    FBrlKeyBrd->OnBrlKeyBrdNotify = [this](QChar Key) {
        BrlKeyBrdInput(Key);
        return true;
    };
    ::BrlKeyBrd = FBrlKeyBrd.get();

    for (QWidget *W : std::initializer_list<QWidget *>{Re1, Btn1, Btn2, Btn3, CbBrailleKeyboard})
        W->installEventFilter(this);
    Re1->viewport()->installEventFilter(this);
    connect(Re1, &QPlainTextEdit::cursorPositionChanged, this, [this] { CaretMoved(); });
}

TAT_Text_Dlg::~TAT_Text_Dlg()
{
    TimerSekunden.stop();
    FSpeakTextLinesEnabled = false;
    if (::BrlKeyBrd == FBrlKeyBrd.get())
        ::BrlKeyBrd = nullptr;
    FBrlKeyBrd.reset();
    FExercise->ClickPos.Clear();
    FExercise->TippenPos.Clear();
}

TAufgabenTyp TAT_Text_Dlg::Typ() const
{
    return FLektion->Typ();
}

int TAT_Text_Dlg::CheckScore() const
{
    if (StRichtigFalsch->isHidden())
        return FLektion->Score();
    const int D = FRichtigFalschCounter.FRichtig - FRichtigFalschCounter.FFalsch;
    return D > 0 ? D * FLektion->Score() : 0;
}

void TAT_Text_Dlg::UpdateCounterTexts()
{
    StWiederholungen->setText(
        QStringLiteral("Wiederholung: %1 von %2").arg(FWiederholungenCounter).arg(FWiederholungen));
    StRichtigFalsch->setText(QStringLiteral("Richtig: %1 | Falsch: %2")
                                 .arg(FRichtigFalschCounter.FRichtig)
                                 .arg(FRichtigFalschCounter.FFalsch));
    StSekunden->setText(QStringLiteral("Sekunden: %1").arg(FSekundenCounter));
}

void TAT_Text_Dlg::FormShow()
{
    FReadOnly = true;
    FExercise->ClickPos.Clear();
    FExercise->TippenPos.Clear();
    ::ApplyDisplaySettings(this);
    FillWorkArea(this);
    LayoutControls();

    if (!FLektion->Beschreibung().isEmpty()) {
        const QString Text =
            BrlUniChar ? BrlUniChar->Translate(FLektion->Beschreibung(), ttToUniBrl, false) : FLektion->Beschreibung();
        ShowSpeakText(QStringLiteral("Beschreibung: \"%1\"").arg(FLektion->Titel()), Text, FSapiSpeechEnabled,
                      FSoundsEnabled, 8, QString(), stbOK, false);
        if (HelpSystem)
            HelpSystem->SetHelpId(4);
        ComeBack();
    } else {
        PlaySoundNr(snNextLine, FSoundsEnabled);
    }
    // The window may have been closed from outside meanwhile.
    if (FClosing)
        return;
    FReadOnly = false;
    NewExercise(true, false);

    const bool On = CbBrailleKeyboard->isEnabled() && FLektion->BrailleKeyboard();
    CbBrailleKeyboard->setChecked(On);
    PM_Re_BrailleKeyboard->setChecked(On);
    UpdateHook();
    StartCountdown();
    FSpeakTextLinesEnabled = true;
    CenterOnWorkArea(this);
}

void TAT_Text_Dlg::resizeEvent(QResizeEvent *E)
{
    QDialog::resizeEvent(E);
    LayoutControls();
}

void TAT_Text_Dlg::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    const int ClientW = width();
    const int ClientH = height();
    QString Longest;
    for (QPushButton *B : {Btn1, Btn2, Btn3})
        if (StripAmpersands(B->text()).size() > Longest.size())
            Longest = StripAmpersands(B->text());
    // Room for "&Fertig" and "&Weiter" alike.
    if (Longest.size() < 6)
        Longest = QStringLiteral("Fertig");
    const int BtnW = TextWidthForFont(Font, Longest + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, Btn2);
    for (QPushButton *B : {Btn1, Btn2, Btn3})
        B->resize(BtnW, BtnH);
    const int BtnTop = ClientH - 20 - BtnH;
    const int Left = (ClientW - 2 * BtnW) / 3;
    Btn2->move(Left, BtnTop);
    Btn3->move(2 * Left + BtnW, BtnTop);

    int Bottom = 10;
    auto Place = [&](QWidget *W, int Height, int Width) {
        if (W->isHidden())
            return;
        W->setGeometry(10, Bottom == 10 && W == StWiederholungen ? 20 : Bottom + 10, Width, Height);
        Bottom = W->y() + W->height();
    };
    const int LabelH = ControlHeightForFont(Font, StRichtigFalsch);
    Place(StWiederholungen, LabelH, ClientW - 20);
    Place(StRichtigFalsch, LabelH, ClientW - 20);
    Place(StSekunden, LabelH, ClientW - 20);
    Place(CbBrailleKeyboard, ControlHeightForFont(Font, CbBrailleKeyboard),
          TextWidthForFont(Font, StripAmpersands(CbBrailleKeyboard->text()) + QStringLiteral("MM")) + 24);
    const int Top = Bottom + 20;
    const TExerciseGroup Group = ExerciseGroup(Typ());
    const int Height = Group == egText ? BtnTop - 20 - Top : 4 * BtnH;
    Re1->setGeometry(10, Top, ClientW - 20, qMax(10, Height));
}

void TAT_Text_Dlg::NewExercise(bool NewDatensatz, bool RepeatExercise)
{
    if (FWiederholungen > 1)
        setWindowTitle(
            QStringLiteral("%1 - Wiederholung %2/%3")
                .arg(FLektion->Titel(), QString::number(FWiederholungenCounter), QString::number(FWiederholungen)));
    // The caret moves while the exercise is made: no line is spoken for that.
    const bool LinesEnabled = FSpeakTextLinesEnabled;
    FSpeakTextLinesEnabled = false;
    FMemo->BeginUpdate();
    try {
        const QString Task = FExercise->Next(FLektion->Settings(), Typ(), NewDatensatz, RepeatExercise);
        // A fresh line for the same target is not announced again.
        // Heard whole over what the screen reader says about the window or
        // the new line.
        if (NewDatensatz || ExerciseGroup(Typ()) != egFind)
            SpeakTextWhole(Task, FSapiSpeechEnabled);
    } catch (const std::exception &E) {
        LogAdd(QStringLiteral("Fehler bei AT_Text_Dlg: \"%1\"").arg(QString::fromLocal8Bit(E.what())));
    }
    const int Caret = FMemo->SelStart();
    FMemo->EndUpdate();
    // The screen reader reads the new line from the caret on. The caret
    // only moves: a selection would be announced as "selected" and
    // "selection deleted" over the task.
    NudgeScreenReader(Re1, Caret);
    FExercise->SpeakTextLines.Remember();
    FSpeakTextLinesEnabled = LinesEnabled;
    if (Re1->isEnabled() && Re1->isVisible())
        Re1->setFocus();
}

void TAT_Text_Dlg::Btn2Click()
{
    if (FReadOnly)
        return;
    StopCountdown();
    FSpeakTextLinesEnabled = false;
    const int W = ExerciseGroup(Typ()) == egType ? CheckTyping() : 4;
    if (W == 9 || FWiederholungenCounter < FWiederholungen) {
        FSekundenCounter = FZeitfaktor;
        if (W == 4)
            ++FWiederholungenCounter;
        UpdateCounterTexts();
        Btn2->setText(FWiederholungenCounter == FWiederholungen ? QStringLiteral("&Fertig")
                                                                : QStringLiteral("&Weiter"));
        NewExercise(true, W == 9);
        PlaySoundNr(snNextLine, FSoundsEnabled);
        StartCountdown();
        FSpeakTextLinesEnabled = true;
        return;
    }
    done(5);
}

int TAT_Text_Dlg::CheckTyping()
{
    QString Text, Spoken;
    const int R = FExercise->TippenPos.CheckPos(Text, Spoken, Typ() == atZeichenTippen);
    FMelder->RecordTyping(FExercise->TippenPos, R, Typ() == atZeichenTippen, QDate::currentDate());
    if (R == -1)
        FRichtigFalschCounter.IncFalsch(FSoundsEnabled);
    else if (R == 1)
        FRichtigFalschCounter.IncRichtig(FSoundsEnabled);
    UpdateCounterTexts();
    if (R != 0 && FSoundsEnabled)
        WaitForSound();
    if (R == 1)
        return 4;
    SetHookOff();
    const int Answer = ShowSpeakText(QStringLiteral("Schreibergebnis"), Text, FSapiSpeechEnabled, FSoundsEnabled, 17,
                                     Spoken, stbRepeatNext, false);
    if (HelpSystem)
        HelpSystem->SetHelpId(4);
    ComeBack();
    return Answer == 9 ? 9 : 4;
}

void TAT_Text_Dlg::CheckClick()
{
    if (FReadOnly || !Btn2->isEnabled())
        return;
    const int R = FMelder->CheckClick(FExercise->ClickPos, QDate::currentDate());
    if (R == -1)
        FRichtigFalschCounter.IncFalsch(FSoundsEnabled);
    else if (R == 1)
        FRichtigFalschCounter.IncRichtig(FSoundsEnabled);
    UpdateCounterTexts();
    if (R != 0 && FSoundsEnabled)
        WaitForSound();
    if (FExercise->ClickPos.Count() > 0 || FClosing)
        return;
    if (FZeitfaktor != 0 && Typ() != atFehlersuche) {
        NewExercise(false, false);
        PlaySoundNr(snNextPart, FSoundsEnabled);
    } else {
        Btn2->click();
    }
}

void TAT_Text_Dlg::WaitForSound()
{
    const int Ms = int(PlayingSoundLength() * 1000);
    if (Ms <= 0)
        return;
    // The learner's keys and clicks wait until the sound has ended, while
    // the window stays readable to the screen reader; the countdown holds.
    const bool Running = TimerSekunden.isActive();
    TimerSekunden.stop();
    QEventLoop Loop;
    QTimer::singleShot(Ms, &Loop, &QEventLoop::quit);
    Loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (Running && FCountdown)
        TimerSekunden.start();
}

void TAT_Text_Dlg::StartCountdown()
{
    FCountdown = FZeitfaktor > 0;
    if (FCountdown)
        TimerSekunden.start();
}

void TAT_Text_Dlg::StopCountdown()
{
    FCountdown = false;
    TimerSekunden.stop();
}

void TAT_Text_Dlg::TimerSekundenTimer()
{
    if (FSekundenCounter < 1)
        return;
    --FSekundenCounter;
    UpdateCounterTexts();
    if (FSekundenCounter == 0) {
        StopCountdown();
        if (!FReadOnly && Btn2->isEnabled())
            Btn2->click();
        return;
    }
    if (FSekundenCounter <= 3)
        PlaySoundNr(snSecond, FSoundsEnabled);
}

void TAT_Text_Dlg::CbBrailleKeyboardClick()
{
    Re1->setFocus();
    const bool On = CbBrailleKeyboard->isChecked();
    PM_Re_BrailleKeyboard->setChecked(On);
    PlaySoundNr(On ? snBrlKbOn : snBrlKbOff, FSoundsEnabled);
    SpeakText(On ? QStringLiteral("Brailletastatur ist ein") : QStringLiteral("Brailletastatur ist aus"),
              FSapiSpeechEnabled);
    UpdateHook();
}

bool TAT_Text_Dlg::IsHookActive() const
{
    return FBrlKeyBrd && FBrlKeyBrd->Active();
}

void TAT_Text_Dlg::SetHookOff()
{
    if (FBrlKeyBrd)
        FBrlKeyBrd->SetActive(false);
}

void TAT_Text_Dlg::UpdateHook()
{
    if (!FBrlKeyBrd)
        return;
    QWidget *Modal = QApplication::activeModalWidget();
    const bool On = CbBrailleKeyboard->isChecked() && !FClosing && !FAsking && !FMenuOpen && isVisible() &&
                    isActiveWindow() && QApplication::focusWidget() == Re1 && (!Modal || Modal == this) &&
                    !QApplication::activePopupWidget();
    try {
        FBrlKeyBrd->SetActive(On);
    } catch (const std::exception &E) {
        // Letters still type braille; the chords do not.
        LogAdd(QStringLiteral("Fehler bei AT_Text_Dlg: \"%1\"").arg(QString::fromLocal8Bit(E.what())));
    }
}

void TAT_Text_Dlg::ComeBack()
{
    // Without a window manager nothing else brings the window back.
    activateWindow();
    if (!FClosing)
        Re1->setFocus();
    UpdateHook();
}

void TAT_Text_Dlg::BrlKeyBrdInput(QChar Key)
{
    TTippenPos &T = FExercise->TippenPos;
    if (Key.isNull() || T.Count() == 0) {
        SystemBeep();
        return;
    }
    const int S = FMemo->SelStart();
    int Index = 0;
    if (T.Count() > 1) {
        Index = T.IsInPosIndex(S);
        if (Index < 0)
            Index = T.NextPosIndex(S);
        if (Index < 0) {
            SystemBeep();
            return;
        }
    }
    const TTippenPos::TPos &F = T.FPos[Index];
    if (!F.IsInPos(S)) {
        // Outside the field: a key first brings the caret to where the
        // field is written; a space only does that.
        if (Key == QChar(TTippenPos::KeyBackspace) || Key == QChar(TTippenPos::KeyDelete))
            return;
        FMemo->SetSelStart(F.FWritePos);
        if (Key == u' ')
            return;
    }
    if (Key.unicode() > 32 && Key != QChar(TTippenPos::KeyDelete))
        PlaySoundNr(snType, FSoundsEnabled);
    T.KeyPress(Key, Index);
}

void TAT_Text_Dlg::NextField()
{
    const TTippenPos &T = FExercise->TippenPos;
    const int I = T.NextPosIndex(FMemo->SelStart());
    if (I < 0) {
        SystemBeep();
        return;
    }
    PlaySoundNr(snEditfield, FSoundsEnabled);
    FMemo->SetSelStart(T.FPos[I].FWritePos);
}

void TAT_Text_Dlg::BackField()
{
    const TTippenPos &T = FExercise->TippenPos;
    const int I = T.BackPosIndex(FMemo->SelStart());
    if (I < 0) {
        SystemBeep();
        return;
    }
    PlaySoundNr(snEditfield, FSoundsEnabled);
    FMemo->SetSelStart(T.FPos[I].FWritePos);
}

void TAT_Text_Dlg::LinesDown()
{
    const int P = NextParagraphPos(FMemo->Text(), FMemo->SelStart());
    if (P < 0)
        SystemBeep();
    else
        FMemo->SetSelStart(P);
}

void TAT_Text_Dlg::LinesUp()
{
    const int P = PreviousParagraphPos(FMemo->Text(), FMemo->SelStart());
    if (P < 0)
        SystemBeep();
    else
        FMemo->SetSelStart(P);
}

void TAT_Text_Dlg::PopupMenu_RePopup(const QPoint &Pos)
{
    const bool Typing = CbBrailleKeyboard->isEnabled();
    PM_Re_BrailleKeyboard->setChecked(CbBrailleKeyboard->isChecked());
    PM_Re_BrailleKeyboard->setEnabled(Typing);
    PM_Re_BrailleKeyboard->setVisible(CbBrailleKeyboard->isVisible());
    PM_Re_NextField->setEnabled(Typing);
    PM_Re_NextField->setVisible(Typing);
    PM_Re_BackField->setEnabled(Typing);
    PM_Re_BackField->setVisible(Typing);
    if (!PopupMenu_Re->isEmpty())
        PopupMenu_Re->popup(Re1->viewport()->mapToGlobal(Pos));
}

void TAT_Text_Dlg::CaretMoved()
{
    TSpeakTextLines &Lines = FExercise->SpeakTextLines;
    if (!FSpeakTextLinesEnabled || QApplication::focusWidget() != Re1 || !Lines.IsNewLine())
        return;
    const QString Line = Lines.Get(Lines.NewLine());
    if (Speech) {
        // Cuts off the screen reader's own reading of the braille cells.
        Speech->Tolk().Speak(QStringLiteral(" "), true);
        Speech->Tolk().Silence();
    }
    if (FSapiSpeechEnabled)
        SpeakText(Line, true);
    else if (!Line.isEmpty() && Speech)
        Speech->Tolk().Speak(Line, true);
}

void TAT_Text_Dlg::TypedChar(QChar C)
{
    // Letters type braille only while the keyboard is switched on and the
    // six keys are not the chord keys.
    if (Querztastatur || !IsHookActive())
        return;
    C = C.unicode() == 127 ? QChar(u'_') : C.toLower();
    if (C == u' ') {
        BrlKeyBrdInput(C);
        return;
    }
    TBuc Buc;
    if (BrlUniChar && BrlUniChar->FindAscChar(C, Buc))
        BrlKeyBrdInput(Buc.UniBrl);
}

bool TAT_Text_Dlg::FormKeyPress(QKeyEvent *K)
{
    const int Key = K->key();
    const Qt::KeyboardModifiers Mods = K->modifiers() & ~Qt::KeypadModifier;
    FBreakKeyPressed = Key == Qt::Key_Shift && (Mods & ~Qt::ShiftModifier) == Qt::NoModifier;
    if (Mods == Qt::ControlModifier) {
        QAction *A = nullptr;
        switch (Key) {
        case Qt::Key_B:
            A = PM_Re_BrailleKeyboard;
            break;
        case Qt::Key_Right:
            A = PM_Re_NextField;
            break;
        case Qt::Key_Left:
            A = PM_Re_BackField;
            break;
        case Qt::Key_Down:
            A = PM_Re_LinesDown;
            break;
        case Qt::Key_Up:
            A = PM_Re_LinesUp;
            break;
        case Qt::Key_A:
        case Qt::Key_V:
        case Qt::Key_X:
        case Qt::Key_Z:
            return true;
        default:
            break;
        }
        if (A) {
            // The field keys belong to typing exercises only.
            if (A != PM_Re_NextField && A != PM_Re_BackField ? true : CbBrailleKeyboard->isEnabled())
                A->trigger();
            return true;
        }
    }
    if (Mods != Qt::NoModifier)
        return false;
    switch (Key) {
    case Qt::Key_Delete:
        if (IsHookActive())
            BrlKeyBrdInput(QChar(TTippenPos::KeyDelete));
        return true;
    case Qt::Key_Backspace:
        if (IsHookActive())
            BrlKeyBrdInput(QChar(TTippenPos::KeyBackspace));
        return true;
    case Qt::Key_Space:
        if (IsHookActive()) {
            BrlKeyBrdInput(QChar(u' '));
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool TAT_Text_Dlg::Re1KeyPress(QKeyEvent *K)
{
    const int Key = K->key();
    if (const int Vk = ArrowKeyCode(Key))
        CheckLineEndSound(FSoundsEnabled, true, *FMemo, Vk);
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter) {
        if (K->modifiers() == Qt::NoModifier || K->modifiers() == Qt::KeypadModifier) {
            if (Btn2->isEnabled())
                Btn2->click();
            return true;
        }
        return false;
    }
    if (Key == Qt::Key_Escape) {
        Btn3->click();
        return true;
    }
    if (K->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString Text = K->text();
    if (Text.size() != 1 || Key == Qt::Key_Tab || Key == Qt::Key_Backtab)
        return false;
    const QChar C = Text.at(0);
    if (C.unicode() < 32)
        return false;
    TypedChar(C);
    // The pane takes no typing of its own.
    if (Key == Qt::Key_Space && !FReadOnly && Btn2->isEnabled()) {
        switch (ExerciseGroup(Typ())) {
        case egText:
            Btn2->click();
            break;
        case egRead:
            if (Typ() == atFehlersuche)
                CheckClick();
            else
                Btn2->click();
            break;
        case egFind:
            CheckClick();
            break;
        case egNone:
            Btn2->click();
            break;
        default:
            break;
        }
    }
    return true;
}

bool TAT_Text_Dlg::eventFilter(QObject *Watched, QEvent *E)
{
    switch (E->type()) {
    case QEvent::KeyPress: {
        auto *K = static_cast<QKeyEvent *>(E);
        if (FormKeyPress(K))
            return true;
        if (Watched == Re1 && Re1KeyPress(K))
            return true;
        break;
    }
    case QEvent::KeyRelease: {
        auto *K = static_cast<QKeyEvent *>(E);
        if (K->key() == Qt::Key_Shift && (K->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier &&
            !K->isAutoRepeat() && FSapiSpeechEnabled && FBreakKeyPressed && Speech) {
            FBreakKeyPressed = false;
            Speech->Stop();
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (Watched == Re1)
            UpdateHook();
        break;
    case QEvent::MouseButtonRelease:
        if (Watched == Re1->viewport() && static_cast<QMouseEvent *>(E)->button() == Qt::LeftButton) {
            const TAufgabenTyp T = Typ();
            if (ExerciseGroup(T) == egFind || T == atFehlersuche) {
                // The caret is where the learner clicked once the pane has
                // taken the click.
                QTimer::singleShot(0, this, [this] { CheckClick(); });
            }
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(Watched, E);
}

void TAT_Text_Dlg::changeEvent(QEvent *E)
{
    QDialog::changeEvent(E);
    if (E->type() == QEvent::ActivationChange)
        UpdateHook();
}

void TAT_Text_Dlg::reject()
{
    // Esc and the window's close.
    done(2);
}

void TAT_Text_Dlg::done(int Result)
{
    if (FClosing || FAsking)
        return;
    if (Result == 2 && !property("AutoClose").toBool()) {
        const bool Running = FCountdown;
        StopCountdown();
        FAsking = true;
        SetHookOff();
        const auto Answer = AskSpoken(this, windowTitle(), QStringLiteral("Soll die Lektion abgebrochen werden?"),
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        FAsking = false;
        if (Answer != QMessageBox::Yes) {
            if (Running && FZeitfaktor > 0)
                StartCountdown();
            ComeBack();
            return;
        }
    }
    FClosing = true;
    StopCountdown();
    FSpeakTextLinesEnabled = false;
    SetHookOff();
    if (FSapiSpeechEnabled && Speech)
        Speech->Stop();
    QDialog::done(Result);
}
