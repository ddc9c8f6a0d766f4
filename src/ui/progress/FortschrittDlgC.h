#pragma once

#include "common/ProgramDialogC.h"

#include <QDate>
#include <QString>
#include <QTimer>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;
class TFortschritt;

// The "Fortschritt" window: the characters of the current learning material,
// weakest first, and its completed lessons, each row read whole by a screen
// reader; on opening the weakest characters and the review are spoken. Its
// button "Schwache Zeichen wiederholen" closes it with ResultWiederholen.
class TFortschrittDlg : public TProgramDialog
{
    Q_OBJECT

public:
    static constexpr int ResultWiederholen = 6;

    TFortschrittDlg(QWidget *AOwner, const TFortschritt &AFortschritt, const QString &AMaterial, QDate AToday,
                    int AHelpId = -1);

    QLabel *LbZusammenfassung;
    QLabel *LbZeichen;
    QTableWidget *TblZeichen;
    QLabel *LbLektionen;
    QTableWidget *TblLektionen;
    QPushButton *BtnWiederholen;
    QPushButton *BtnSchliessen;

    // What was spoken on opening.
    QString Zusammenfassung() const { return FZusammenfassung; }

    void done(int Result) override;

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *E) override;

private:
    void LayoutControls();

    QString FZusammenfassung;
    QTimer TimerAnnounce;
};

// Shows the window for the current learning material modally; its result
// (0 when the window failed).
int ShowFortschritt(QWidget *Parent, const TFortschritt &Fortschritt, const QString &Material, int AHelpId = -1);

// Called with the window just before it is shown modally (tests answer it
// from here); null by default.
extern std::function<void(TFortschrittDlg *)> OnFortschrittDlgShown;
