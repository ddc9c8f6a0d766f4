#pragma once

#include "common/ProgramDialogC.h"
#include "content/TypenHelperC.h"
#include "exercise/ExerciseC.h"

#include <QTimer>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class TBrlKeyBrd;
class TFortschrittMelder;
class TLektionendatei;
class TPlainTextMemo;

// The window a lesson runs in: one exercise after the other in a text pane,
// braille as braille cells, the task spoken; the learner reads on, finds
// cells by clicking or Space, or types braille into input fields with the
// six-key keyboard. Right and wrong answers are counted; a countdown may
// limit each repetition. Closes with 5 when the last repetition is done and
// with 2 when the learner cancels.
class TAT_Text_Dlg : public TProgramDialog
{
    Q_OBJECT

public:
    TAT_Text_Dlg(QWidget *AOwner, TLektionendatei *ALektion);
    ~TAT_Text_Dlg() override;

    QPushButton *Btn1; // hidden
    QPushButton *Btn2; // "&Weiter" / "&Fertig", the default button
    QPushButton *Btn3; // "&Abbrechen"
    QLabel *StWiederholungen;
    QLabel *StRichtigFalsch;
    QLabel *StSekunden;
    QCheckBox *CbBrailleKeyboard;
    QPlainTextEdit *Re1;
    QMenu *PopupMenu_Re;
    QAction *PM_Re_BrailleKeyboard, *PM_Re_NextField, *PM_Re_BackField;
    QAction *PM_Re_AllSelect, *PM_Re_Insert, *PM_Re_Cut, *PM_Re_Undo;
    QAction *PM_Re_LinesDown, *PM_Re_LinesUp;
    QTimer TimerSekunden;

    // The points of a completed run: the lesson's score when answers are not
    // counted, else (right - wrong) times the score, never below 0.
    int CheckScore() const;
    // One input of the braille keyboard: a braille cell, 32 (space),
    // 8 (Backspace), 9 (Delete) or 0 (a chord the table does not know).
    void BrlKeyBrdInput(QChar Key);

    TLektionendatei *Lektion() const { return FLektion; }
    const TRichtigFalschCounter &RichtigFalschCounter() const { return FRichtigFalschCounter; }
    const TClickPos &ClickPos() const { return FExercise->ClickPos; }
    const TTippenPos &TippenPos() const { return FExercise->TippenPos; }
    TAufgabenTyp Typ() const;
    int Wiederholungen() const { return FWiederholungen; }
    int WiederholungenCounter() const { return FWiederholungenCounter; }
    int Zeitfaktor() const { return FZeitfaktor; }
    int SekundenCounter() const { return FSekundenCounter; }
    // Whether the six-key keyboard takes keys now.
    bool IsHookActive() const;

    void done(int Result) override;
    void reject() override;

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *E) override;
    void changeEvent(QEvent *E) override;
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    void LayoutControls();
    void UpdateCounterTexts();
    void NewExercise(bool NewDatensatz, bool RepeatExercise);
    void Btn2Click();
    int CheckTyping();
    void CheckClick();
    void WaitForSound();
    void TimerSekundenTimer();
    void StartCountdown();
    void StopCountdown();
    void CbBrailleKeyboardClick();
    void SetHookOff();
    void UpdateHook();
    void ComeBack();
    void NextField();
    void BackField();
    void LinesDown();
    void LinesUp();
    void PopupMenu_RePopup(const QPoint &Pos);
    void CaretMoved();
    bool FormKeyPress(QKeyEvent *K);
    bool Re1KeyPress(QKeyEvent *K);
    void TypedChar(QChar C);
    bool IsEditable() const { return !FReadOnly; }

    TLektionendatei *FLektion;
    // Hands the judged answers to the learner's progress record.
    std::unique_ptr<TFortschrittMelder> FMelder;
    std::unique_ptr<TPlainTextMemo> FMemo;
    std::unique_ptr<TExercise> FExercise;
    std::unique_ptr<TBrlKeyBrd> FBrlKeyBrd;
    TRichtigFalschCounter FRichtigFalschCounter;
    bool FBreakKeyPressed = false;
    bool FSapiSpeechEnabled = false;
    bool FSoundsEnabled = false;
    bool FSpeakTextLinesEnabled = false;
    bool FReadOnly = false;
    // The countdown of the current repetition runs (it only pauses while
    // the program is in the background).
    bool FCountdown = false;
    bool FMenuOpen = false;
    bool FAsking = false;
    bool FClosing = false;
    int FWiederholungenCounter = 1;
    int FWiederholungen = 1;
    int FSekundenCounter = 0;
    int FZeitfaktor = 0;
};
