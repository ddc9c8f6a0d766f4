#pragma once

#include "common/ProgramDialogC.h"
#include "common/UpDownC.h"
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class QAction;
class QListWidget;
class QMenu;
class QPushButton;
class TLabeledEdit;
class TSpeech;
class TSpeechDispatcher;
struct TVoicesWait;

// Chooses the voice, its volume and its rate. Moving through the list lets
// each voice say its own name, every change of a value lets it say it
// again; "Keine" switches the program's own speech off. OK stores the
// choice in the settings and hands it to the program's speech.
class TStimmeDlg : public TProgramDialog
{
    Q_OBJECT

public:
    explicit TStimmeDlg(QWidget *AOwner = nullptr);
    ~TStimmeDlg() override;

    QListWidget *Lv1Stimmen;
    TLabeledEdit *Le1Volume;
    TUpDown *Ud1Volume;
    TLabeledEdit *Le2Rate;
    TUpDown *Ud2Rate;
    QPushButton *Btn1OK;
    QPushButton *Btn2Abbrechen;
    QMenu *PopupMenu1;
    QAction *Pu1Stimmentest;
    QTimer Timer1Sprechen;

    // The dialog's own speech for the voice test.
    TSpeech *TestSpeech() const { return Speech2.get(); }
    // False while the speech service's voices are still being fetched.
    bool VoicesLoaded() const { return FVoicesLoaded; }
    // Whether a voice other than "Keine" is selected.
    bool IsVoiceSelected() const;

    void done(int Result) override;
    void reject() override;

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *E) override;
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    void FillList();
    void LayoutControls();
    void EnableValueControls();
    void StimmenTest(bool Forced);
    void UdChanging();
    void Timer1SprechenTimer();
    bool EditKey(TUpDown *Ud, QKeyEvent *K);
    void PopupMenu1Popup(QWidget *Control, const QPoint &Pos);
    void ApplyChoice();

    std::unique_ptr<TSpeech> Speech2;
    TSpeechDispatcher *FDispatcher = nullptr; // the service engine inside Speech2
    QStringList StimmenSl;
    bool InStimmenS = false;
    std::shared_ptr<TVoicesWait> FVoicesWait;
    bool FVoicesLoaded = false;
    bool FFilling = false;
};

// Shows the voice dialog modally; 1 OK, 2 cancel, 0 when the window failed.
int ShowStimmeDlg(QWidget *AOwner = nullptr);

// Called with the dialog just before it is shown modally (tests answer it
// from here); null by default.
extern std::function<void(TStimmeDlg *)> OnStimmeDlgShown;
