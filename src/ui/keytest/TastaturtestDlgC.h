#pragma once

#include "common/ProgramDialogC.h"

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TPlainTextMemo;

// How many of the braille keyboard's keys a keyboard reports at once. Many
// keyboards drop a key when too many are held together (rollover); a learner
// whose keyboard loses dot 5 would otherwise believe the exercises judge
// wrongly. An attempt lasts from the first chord key down to the release of
// the last one; what counts is the largest set held at one moment, not all
// the keys pressed in the attempt.
class TTastaturtest
{
public:
    // Bits of the keys: the dots as the braille keyboard gives them (1 dot 1
    // ... 32 dot 6), and A and Ö apart (the braille keyboard does not tell
    // them from each other).
    enum : int { ktA = 64, ktOe = 128, ktDots = 63 };

    // The bit of a key by its scan code (PC set 1), 0 for keys not tested.
    static int KeyBitOf(int ScanCode);

    // A press or release of a key by scan code. A press of a key already
    // down is a repeat; so is a release flagged as auto-repeat. Returns true
    // when this release ended an attempt (Last() then holds it).
    bool KeyDown(int ScanCode);
    bool KeyUp(int ScanCode, bool AutoRepeat);

    int Held() const { return FHeld; }
    // The largest set held together in the last attempt, and in the best
    // attempt so far (the one with the most dots, then the most keys).
    int Last() const { return FLast; }
    int Best() const { return FBest; }

    // "S D F J K L": the keys in their order on the keyboard, A and Ö included.
    static QString KeysText(int Keys);
    // "Punkte 1 2 3 4 5 6", "Punkt 4"; empty without dots.
    static QString DotsText(int Keys);
    // "S D F (Punkte 1 2 3)".
    static QString KeysAndDots(int Keys);
    // "Gleichzeitig angekommen: S D F (Punkte 1 2 3)".
    static QString ArrivedLine(int Keys);

private:
    int FHeld = 0;
    int FMax = 0; // largest set of the attempt under way
    int FLast = 0;
    int FBest = 0;
};

// The keyboard test window: the learner holds the six braille keys together
// and sees (and hears) which of them arrived together, with a verdict on the
// keyboard. While it is open the tested keys type nothing and trigger
// nothing.
class TTastaturtestDlg : public TProgramDialog
{
    Q_OBJECT

public:
    // AHelpId < 0 keeps the current help page.
    explicit TTastaturtestDlg(QWidget *AOwner = nullptr, int AHelpId = -1);
    ~TTastaturtestDlg() override;

    static QString Anleitung();

    QLabel *LbErgebnis;
    QPlainTextEdit *Re1;
    QLabel *LbGedrueckt;
    QPushButton *BtnSchliessen;

    const TTastaturtest &Test() const { return FTest; }
    // The text of the last result as it was spoken.
    QString ResultText() const { return FResultText; }

    void done(int Result) override;

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *E) override;
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    void LayoutControls();
    void ShowHeld();
    void ShowResult();
    // Program voice when it is on, else the screen reader.
    void Say(const QString &Text);

    TTastaturtest FTest;
    std::unique_ptr<TPlainTextMemo> FMemo;
    QString FResultText;
    QString FPending; // for the screen reader once it has read the caret line
    QTimer TimerSay;
};

// Shows the keyboard test modally; 0 when the window failed.
int ShowTastaturtest(QWidget *Parent = nullptr, int AHelpId = -1);

// Called with the window just before it is shown modally (tests answer it
// from here); null by default.
extern std::function<void(TTastaturtestDlg *)> OnTastaturtestDlgShown;
