#include "settings/BrailleCharsDlgC.h"

#include "app/SettingsC.h"
#include "common/AccessibilityC.h"
#include "common/DisplayHelperC.h"
#include "common/ModalC.h"
#include "common/LabeledEditC.h"
#include "help/HelpSystemC.h"
#include "log/LogC.h"
#include "sound/SoundsHelperC.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>

TBrailleCharsDlg::TBrailleCharsDlg(QWidget *AOwner, TBrailleCharsDlgTyp AModus)
    : TProgramDialog(AOwner, AModus == bcdChars ? 11 : 19)
    , FModus(AModus)
{
    const QString Label = FModus == bcdChars
                              ? QStringLiteral("&Breite (%1-%2):").arg(Minimum()).arg(Maximum())
                              : QStringLiteral("%1 + &Größe (%2-%3):").arg(AktFont.Size).arg(Minimum()).arg(Maximum());
    setWindowTitle(FModus == bcdChars ? QStringLiteral("Braillezeilenbreite eingeben")
                                      : QStringLiteral("Schriftgröße in Textfenstern zusätzlich erhöhen"));
    LeBreite = new TLabeledEdit(Label, this);
    PrepareNumberEdit(LeBreite, int(QString::number(Maximum()).size()));
    UpDown1 = new TSpinButtons(LeBreite->Edit, Minimum(), Maximum(), this);
    Btn1Weiter = new QPushButton(QStringLiteral("O&K"), this);
    Btn1Weiter->setDefault(true);
    Btn2Abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    setTabOrder(LeBreite->Edit, UpDown1);
    setTabOrder(UpDown1, Btn1Weiter);
    setTabOrder(Btn1Weiter, Btn2Abbrechen);
    SpeakLabelOnEnter(LeBreite->Edit, SpokenLabel());

    connect(LeBreite->Edit, &QLineEdit::textChanged, this, [this] { CheckInput(); });
    connect(Btn1Weiter, &QPushButton::clicked, this, [this] { Btn1WeiterClick(); });
    connect(Btn2Abbrechen, &QPushButton::clicked, this, [this] { done(2); });
}

TBrailleCharsDlg::~TBrailleCharsDlg() = default;

int TBrailleCharsDlg::Minimum() const
{
    return FModus == bcdChars ? 20 : 0;
}

int TBrailleCharsDlg::Maximum() const
{
    return FModus == bcdChars ? 80 : 9;
}

QString TBrailleCharsDlg::SpokenLabel() const
{
    return FModus == bcdChars
               ? QStringLiteral("Breite (%1 bis %2):").arg(Minimum()).arg(Maximum())
               : QStringLiteral("%1 + Größe (%2 bis %3):").arg(AktFont.Size).arg(Minimum()).arg(Maximum());
}

void TBrailleCharsDlg::FormShow()
{
    ApplyDisplaySettings(this);
    LayoutControls();
    UpDown1->setValue(FModus == bcdChars ? BrailleChars : BrailleSize);
    LeBreite->Edit->setText(QString::number(UpDown1->value()));
    CheckInput();
    LeBreite->Edit->setFocus();
    LeBreite->Edit->selectAll();
}

void TBrailleCharsDlg::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    QString Longest;
    for (QPushButton *B : {Btn1Weiter, Btn2Abbrechen})
        if (StripAmpersands(B->text()).size() > Longest.size())
            Longest = StripAmpersands(B->text());
    const int BtnW = TextWidthForFont(Font, Longest + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, Btn1Weiter);
    const int EditH = ControlHeightForFont(Font, LeBreite->Edit);
    LeBreite->Place(10, 10, TextWidthForFont(Font, FModus == bcdChars ? QStringLiteral("MMM") : QStringLiteral("MM")),
                    EditH);
    const int SpinW = TSpinButtons::ButtonWidth(EditH);
    UpDown1->setGeometry(LeBreite->geometry().right() + 1, 10, SpinW, EditH);
    const int ClientW = qMax(4 * BtnW, LeBreite->geometry().right() + 1 + SpinW + 10);
    const int Left = (ClientW - 2 * BtnW) / 3;
    const int Top = LeBreite->geometry().bottom() + 1 + 10;
    Btn1Weiter->setGeometry(Left, Top, BtnW, BtnH);
    Btn2Abbrechen->setGeometry(2 * Left + BtnW, Top, BtnW, BtnH);
    setFixedSize(ClientW, Top + BtnH + 10);
    CenterOnWorkArea(this);
}

void TBrailleCharsDlg::CheckInput()
{
    int N;
    Btn1Weiter->setEnabled(UpDown1->EditNumber(N));
}

void TBrailleCharsDlg::Btn1WeiterClick()
{
    int N;
    if (!UpDown1->EditNumber(N))
        return;
    UpDown1->setValue(N);
    if (FModus == bcdChars)
        BrailleChars = UpDown1->value();
    else
        BrailleSize = UpDown1->value();
    done(1);
}

void TBrailleCharsDlg::reject()
{
    // Esc and the window's own close count as Cancel.
    done(2);
}

int ShowBrailleCharsDlg(TBrailleCharsDlgTyp AModus)
{
    return ShowModal([AModus] { return new TBrailleCharsDlg(nullptr, AModus); }, nullptr, nullptr,
                     [AModus](const QString &) {
                         return AModus == bcdChars ? QStringLiteral("Fehler bei BrailleCharsDlg (Chars)!")
                                                   : QStringLiteral("Fehler bei BrailleCharsDlg (Size)!");
                     });
}
