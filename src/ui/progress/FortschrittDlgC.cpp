#include "progress/FortschrittDlgC.h"

#include "app/SettingsC.h"
#include "common/AccessibilityC.h"
#include "common/DisplayHelperC.h"
#include "common/ModalC.h"
#include "progress/FortschrittTabellenC.h"
#include "sound/SoundsHelperC.h"
#include "speech/SpeechC.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

std::function<void(TFortschrittDlg *)> OnFortschrittDlgShown;

namespace
{
// A read-only table for the screen reader to read row by row: moving up and
// down, it reads every cell of the new row, so the first cell carries the
// whole row's text and the others a blank, which it leaves unsaid.
void Fill(QTableWidget *Table, const QStringList &Heads, const QList<TFortschrittZeile> &Rows)
{
    Table->setColumnCount(int(Heads.size()));
    Table->setHorizontalHeaderLabels(Heads);
    Table->setRowCount(int(Rows.size()));
    for (int R = 0; R < Rows.size(); ++R)
        for (int C = 0; C < Heads.size(); ++C) {
            auto *Item = new QTableWidgetItem(Rows[R].Spalten.value(C));
            Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            Item->setData(Qt::AccessibleTextRole, C == 0 ? Rows[R].Text : QStringLiteral(" "));
            Table->setItem(R, C, Item);
        }
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setTabKeyNavigation(false);
    Table->verticalHeader()->setVisible(false);
    Table->horizontalHeader()->setStretchLastSection(true);
    Table->resizeColumnsToContents();
    if (!Rows.isEmpty())
        Table->setCurrentCell(0, 0);
    // The first row is read as the table gets the focus.
    MendListFocus(Table);
}
} // namespace

TFortschrittDlg::TFortschrittDlg(QWidget *AOwner, const TFortschritt &AFortschritt, const QString &AMaterial,
                                 QDate AToday, int AHelpId)
    : TProgramDialog(AOwner, AHelpId)
{
    setWindowTitle(QStringLiteral("Fortschritt"));
    FZusammenfassung = TFortschrittTabellen::Zusammenfassung(AFortschritt, AMaterial, AToday);
    LbZusammenfassung = new QLabel(FZusammenfassung, this);
    LbZusammenfassung->setWordWrap(true);
    LbZeichen = new QLabel(QStringLiteral("&Zeichen, die schwächsten zuerst:"), this);
    TblZeichen = new QTableWidget(this);
    TblZeichen->setAccessibleName(QStringLiteral("Zeichen"));
    LbZeichen->setBuddy(TblZeichen);
    const QList<TFortschrittZeile> Zeichen = TFortschrittTabellen::Zeichen(AFortschritt, AMaterial, AToday);
    Fill(TblZeichen, TFortschrittTabellen::ZeichenKoepfe(), Zeichen);
    LbLektionen = new QLabel(QStringLiteral("&Lektionen:"), this);
    TblLektionen = new QTableWidget(this);
    TblLektionen->setAccessibleName(QStringLiteral("Lektionen"));
    LbLektionen->setBuddy(TblLektionen);
    Fill(TblLektionen, TFortschrittTabellen::LektionenKoepfe(),
         TFortschrittTabellen::Lektionen(AFortschritt, AMaterial));
    BtnWiederholen = new QPushButton(QStringLiteral("Schwache Zeichen &wiederholen"), this);
    BtnSchliessen = new QPushButton(QStringLiteral("S&chließen"), this);
    for (QPushButton *B : {BtnWiederholen, BtnSchliessen})
        B->setAutoDefault(false);
    BtnSchliessen->setDefault(true);
    connect(BtnWiederholen, &QPushButton::clicked, this, [this] { done(ResultWiederholen); });
    connect(BtnSchliessen, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    setTabOrder(TblZeichen, TblLektionen);
    setTabOrder(TblLektionen, BtnWiederholen);
    setTabOrder(BtnWiederholen, BtnSchliessen);
    // An empty table says so instead of nothing.
    if (Zeichen.isEmpty())
        SpeakLabelOnEnter(TblZeichen, QStringLiteral("Noch keine Zeichen aufgezeichnet."));

    TimerAnnounce.setSingleShot(true);
    connect(&TimerAnnounce, &QTimer::timeout, this, [this] { AnnounceToScreenReader(FZusammenfassung); });
}

void TFortschrittDlg::FormShow()
{
    ApplyDisplaySettings(this);
    FillWorkArea(this);
    LayoutControls();
    TblZeichen->setFocus();
    PlaySoundNr(snDialogOn, SoundsEnabled);
    // The program's voice speaks the summary; without it the screen reader
    // gets it once it has read the window and the focused row.
    if (IsSapiSpeechEnabled())
        SpeakText(FZusammenfassung, true);
    else
        TimerAnnounce.start(600);
    CenterOnWorkArea(this);
}

void TFortschrittDlg::resizeEvent(QResizeEvent *E)
{
    QDialog::resizeEvent(E);
    LayoutControls();
}

void TFortschrittDlg::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    const int W = width() - 20;
    const int LabelH = ControlHeightForFont(Font, LbZeichen) + 4;
    const int BtnH = ControlHeightForFont(Font, BtnSchliessen);
    LbZusammenfassung->setGeometry(10, 10, W, 2 * LabelH);
    int Y = LbZusammenfassung->y() + LbZusammenfassung->height() + 5;
    const int Top = height() - 10 - BtnH;
    const int TableH = qMax(40, (Top - 10 - Y - 2 * (LabelH + 5)) / 2);
    LbZeichen->setGeometry(10, Y, W, LabelH);
    Y += LabelH + 5;
    TblZeichen->setGeometry(10, Y, W, TableH);
    Y += TableH + 5;
    LbLektionen->setGeometry(10, Y, W, LabelH);
    Y += LabelH + 5;
    TblLektionen->setGeometry(10, Y, W, TableH);
    int X = 10;
    for (QPushButton *B : {BtnWiederholen, BtnSchliessen}) {
        const int BtnW = TextWidthForFont(Font, StripAmpersands(B->text()) + QStringLiteral("MM"));
        B->setGeometry(X, Top, BtnW, BtnH);
        X += BtnW + 10;
    }
}

void TFortschrittDlg::done(int Result)
{
    TimerAnnounce.stop();
    PlaySoundNr(snDialogOff, SoundsEnabled);
    if (IsSapiSpeechEnabled() && Speech)
        Speech->Stop();
    QDialog::done(Result);
}

int ShowFortschritt(QWidget *Parent, const TFortschritt &Fortschritt, const QString &Material, int AHelpId)
{
    return ShowModal(
        [&] { return new TFortschrittDlg(Parent, Fortschritt, Material, QDate::currentDate(), AHelpId); },
        OnFortschrittDlgShown ? [](QDialog *D) {
            if (OnFortschrittDlgShown)
                OnFortschrittDlgShown(static_cast<TFortschrittDlg *>(D));
        }
                              : std::function<void(QDialog *)>(),
        nullptr, [](const QString &) { return QStringLiteral("Fehler bei FortschrittDlg!"); });
}
