#pragma once

#include "run/SpeakTextLinesC.h"

#include "common/ProgramDialogC.h"
#include <QTimer>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class TPlainTextMemo;

enum TSpeakTextButtons { stbOK, stbYesNo, stbRepeatNext, stbHelp };

// A message that is shown, spoken as a whole when it opens and line by line
// as the caret moves, and answered by one or two buttons. Braille in the
// text appears as braille cells, speech gets a pronounceable form.
class TSpeakTextDlg : public TProgramDialog
{
    Q_OBJECT

public:
    TSpeakTextDlg(QWidget *AOwner, const QString &ACaption, const QString &AText, bool ASapiSpeechEnabled,
                  bool ASoundsEnabled, const QString &ASpeakTextString, TSpeakTextButtons ASpeakTextButtons,
                  bool AAutoCloseFormByEndStream);
    ~TSpeakTextDlg() override;

    bool AutoCloseFormByEndStream() const { return FAutoCloseFormByEndStream; }
    void SetAutoCloseFormByEndStream(bool V) { FAutoCloseFormByEndStream = V; }
    QString FormCaption() const { return windowTitle(); }
    void SetFormCaption(const QString &S) { setWindowTitle(S); }
    bool SapiSpeechEnabled() const { return FSapiSpeechEnabled; }
    void SetSapiSpeechEnabled(bool V);
    bool SoundsEnabled() const { return FSoundsEnabled; }
    void SetSoundsEnabled(bool V);
    QString Text() const { return FText; }
    QString SpeakTextString() const { return FSpeakTextString; }
    TSpeakTextButtons SpeakTextButtons() const { return FSpeakTextButtons; }

    QPushButton *Btn1;
    QPushButton *Btn2;
    QPlainTextEdit *Re1;
    QCheckBox *CbShowEinleitung;
    QMenu *PopupMenu_Re;
    QAction *PM_Re_AllSelect;
    QAction *PM_Re_Copy;
    QAction *PM_Re_LinesDown;
    QAction *PM_Re_LinesUp;

    // The spoken form of a display text: braille cells as their text
    // characters in brackets, literal brackets doubled.
    static QString SpokenForm(const QString &Text);

    void done(int Result) override;
    void reject() override;

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *E) override;
    void changeEvent(QEvent *E) override;
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    void LayoutControls();
    void SetButtons();
    void ClickButton(QPushButton *B);
    void TimerSpeechTimer();
    void TimerTolkStopTimer();
    void CaretMoved();
    void SpeechEndStream();
    bool HandleKey(QKeyEvent *K);

    QTimer TimerSpeech;
    QTimer TimerTolkStop;
    bool FBreakKeyPressed = false;
    bool FAutoCloseFormByEndStream = false;
    bool FSapiSpeechEnabled = false;
    bool FSoundsEnabled = false;
    QString FText;
    QString FDisplay; // the text as shown: braille as cells
    QString FSpeakTextString;
    std::unique_ptr<TPlainTextMemo> FMemo;
    std::unique_ptr<TSpeakTextLines> FSpeakTextLines;
    bool FSpeakTextLinesEnabled = false;
    TSpeakTextButtons FSpeakTextButtons;
    std::function<void()> OldSpeechEndStream;
};

// Shows a message modally and returns the button's result: 1 OK, 6 yes,
// 7 no, 9 repeat, 4 next, 10 help, 11 close, 2 closed by the window's own
// close; 0 at once for an empty text or when the window failed.
int ShowSpeakText(const QString &ACaption, const QString &AText, bool ASapiSpeechEnabled, bool ASoundsEnabled,
                  int AHelpId, const QString &ASpeakTextString, TSpeakTextButtons ASpeakTextButtons,
                  bool AAutoCloseFormByEndStream);

// Called with each message window just before it is shown modally (tests
// answer it from here); null by default.
extern std::function<void(TSpeakTextDlg *)> OnSpeakTextDlgShown;
