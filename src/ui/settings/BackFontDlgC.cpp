#include "settings/BackFontDlgC.h"

#include "common/AccessibilityC.h"
#include "common/DisplayHelperC.h"
#include "common/LabeledEditC.h"
#include "common/SpokenBoxC.h"
#include "help/HelpSystemC.h"
#include "settings/BrailleCharsDlgC.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace
{
const QString Marker = QStringLiteral("*");

QString Unmarked(const QString &S)
{
    return S.startsWith(Marker) ? S.mid(Marker.size()) : S;
}
} // namespace

TBackFontDlg::TBackFontDlg(QWidget *AOwner, unsigned AAktBackColor, const TAktFont &AAktFont, TTolkSRD *ATolk)
    : TProgramDialog(AOwner, 18)
    , FAktBackColor(AAktBackColor)
    , FAktFont(AAktFont)
    , FTolk(ATolk)
{
    LvFonts = new QListWidget(this);
    LvFonts->setSelectionMode(QAbstractItemView::SingleSelection);
    LvFonts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The list's only column is its name.
    LvFonts->setAccessibleName(QStringLiteral("Schriftart"));
    MendListFocus(LvFonts);
    LeSize = new TLabeledEdit(QStringLiteral("Schrift&größe (%1-%2):").arg(MinSize).arg(MaxSize), this);
    PrepareNumberEdit(LeSize, 2);
    UpDown1 = new TSpinButtons(LeSize->Edit, MinSize, MaxSize, this);
    CbBold = new QCheckBox(QStringLiteral("&Fett"), this);
    CoBoColors = new QComboBox(this);
    CoBoColors->setAccessibleName(QStringLiteral("Schriftfarbe"));
    CoBoBackColors = new QComboBox(this);
    CoBoBackColors->setAccessibleName(QStringLiteral("Hintergrundfarbe"));
    EditTest = new QLineEdit(this);
    EditTest->setReadOnly(true);
    EditTest->setAccessibleName(QStringLiteral("Vorschau"));
    Btn1OK = new QPushButton(QStringLiteral("O&K"), this);
    Btn1OK->setDefault(true);
    Btn2Cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    setTabOrder(LvFonts, LeSize->Edit);
    setTabOrder(LeSize->Edit, UpDown1);
    setTabOrder(UpDown1, CbBold);
    setTabOrder(CbBold, CoBoColors);
    setTabOrder(CoBoColors, CoBoBackColors);
    setTabOrder(CoBoBackColors, EditTest);
    setTabOrder(EditTest, Btn1OK);
    setTabOrder(Btn1OK, Btn2Cancel);
    if (FTolk) {
        SpeakLabelOnEnter(LvFonts, QStringLiteral("Schriftart"));
        SpeakLabelOnEnter(CoBoColors, QStringLiteral("Schriftfarbe"));
        SpeakLabelOnEnter(LeSize->Edit, QStringLiteral("Schriftgröße (%1 bis %2):").arg(MinSize).arg(MaxSize));
        SpeakLabelOnEnter(CoBoBackColors, QStringLiteral("Hintergrundfarbe"));
    }
    LeSize->Edit->installEventFilter(this);
    FormCreate();

    connect(LvFonts, &QListWidget::itemSelectionChanged, this, [this] { UpdatePreview(); });
    connect(UpDown1, &QSpinBox::valueChanged, this, [this] { UpdatePreview(); });
    connect(CbBold, &QCheckBox::toggled, this, [this] { UpdatePreview(); });
    connect(CoBoColors, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    connect(CoBoBackColors, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    connect(LeSize->Edit, &QLineEdit::textChanged, this, [this] { CheckSize(); });
    connect(Btn1OK, &QPushButton::clicked, this, [this] { Btn1OKClick(); });
    connect(Btn2Cancel, &QPushButton::clicked, this, [this] { done(2); });
}

TBackFontDlg::~TBackFontDlg() = default;

void TBackFontDlg::FormCreate()
{
    setWindowTitle(QStringLiteral("Schrifteinstellungen"));
    QStringList Names;
    FColors.FillStringList(Names, false);
    CoBoColors->addItems(Names);
    FColors.FillStringList(Names, true);
    CoBoBackColors->addItems(Names);
    for (QComboBox *C : {CoBoColors, CoBoBackColors})
        C->setMaxVisibleItems(5);
    EditTest->setText(QStringLiteral("Das ist eine Vorschau, wie der Text aussehen wird."));

    // The desktop's installed families, in its order.
    int Current = -1;
    QString Longest;
    for (const QString &Family : QFontDatabase::families()) {
        QString Row = Family;
        if (Current < 0 && Family.compare(FAktFont.Name, Qt::CaseInsensitive) == 0) {
            Current = LvFonts->count();
            Row.prepend(Marker);
        }
        LvFonts->addItem(Row);
        if (Row.size() > Longest.size())
            Longest = Row;
    }
    if (LvFonts->count() > 0) {
        LvFonts->setCurrentRow(qMax(0, Current), QItemSelectionModel::ClearAndSelect);
        LvFonts->scrollToItem(LvFonts->currentItem());
    }
    FMaxLvFontsWidth = TextWidthForFont(ToQFont(FAktFont), Longest + QStringLiteral("MM"));
}

void TBackFontDlg::FormShow()
{
    UpDown1->setValue(FAktFont.Size);
    LeSize->Edit->setText(QString::number(UpDown1->value()));
    CbBold->setChecked(FAktFont.Bold);
    auto Mark = [this](QComboBox *Box, unsigned Color) {
        TColorName Found;
        if (FColors.FindColor(Color, Found)) {
            Box->setItemText(Found.Index, Marker + Box->itemText(Found.Index));
            Box->setCurrentIndex(Found.Index);
        } else {
            Box->setCurrentIndex(0);
        }
    };
    Mark(CoBoColors, FAktFont.Color);
    Mark(CoBoBackColors, FAktBackColor);
    ApplyDisplaySettings(this);
    LeSize->Edit->setAlignment(Qt::AlignCenter);
    LayoutControls();
    UpdatePreview();
    LvFonts->setFocus();
}

void TBackFontDlg::LayoutControls()
{
    const QFont Font = ToQFont(FAktFont);
    QString Longest;
    for (QPushButton *B : {Btn1OK, Btn2Cancel})
        if (StripAmpersands(B->text()).size() > Longest.size())
            Longest = StripAmpersands(B->text());
    FBtnWidth = TextWidthForFont(Font, Longest + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, Btn1OK);
    const int EditH = ControlHeightForFont(Font, LeSize->Edit);

    // The list shows its longest name beside the scroll bar.
    const int ListExtra = LvFonts->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * LvFonts->frameWidth();
    LvFonts->setGeometry(FRand, FRand, FMaxLvFontsWidth + ListExtra, 6 * BtnH);
    const int ListRight = LvFonts->geometry().right() + 1;
    const int SizeTop = FRand + (LvFonts->height() - EditH) / 3;
    LeSize->Place(ListRight + FRand, SizeTop, TextWidthForFont(Font, QStringLiteral("MM")), EditH);
    const int SpinW = TSpinButtons::ButtonWidth(EditH);
    UpDown1->setGeometry(LeSize->geometry().right() + 1, SizeTop, SpinW, EditH);
    const int Indicator = CbBold->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                          CbBold->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    CbBold->setGeometry(UpDown1->geometry().right() + 1 + FRand, SizeTop,
                        Indicator + TextWidthForFont(Font, StripAmpersands(CbBold->text()) + QStringLiteral("MM")),
                        ControlHeightForFont(Font, CbBold));
    const int ClientW = CbBold->geometry().right() + 1 + FRand;
    const int ComboH = ControlHeightForFont(Font, CoBoColors);
    CoBoColors->setGeometry(ListRight + FRand, LeSize->geometry().bottom() + 1 + 20,
                            ClientW - FRand - ListRight - FRand, ComboH);
    CoBoBackColors->setGeometry(CoBoColors->x(), CoBoColors->geometry().bottom() + 1 + 20, CoBoColors->width(), ComboH);
    const int TestTop = LvFonts->geometry().bottom() + 1 + 20;
    const int TestH = ControlHeightForFont(Font, EditTest);
    EditTest->setGeometry(FRand, TestTop, ClientW - 2 * FRand, TestH);
    const int BtnTop = TestTop + 5 * TestH + 20;
    const int Left = (ClientW - 2 * FBtnWidth) / 3;
    Btn1OK->setGeometry(Left, BtnTop, FBtnWidth, BtnH);
    Btn2Cancel->setGeometry(2 * Left + FBtnWidth, BtnTop, FBtnWidth, BtnH);
    setFixedSize(ClientW, BtnTop + BtnH + FRand);
    CenterOnWorkArea(this);
}

unsigned TBackFontDlg::GetNewBackColor() const
{
    return FColors.Get(CoBoBackColors->currentIndex()).Color;
}

TAktFont TBackFontDlg::GetNewFont() const
{
    TAktFont F = FAktFont;
    if (QListWidgetItem *Row = LvFonts->currentItem(); Row && Row->isSelected())
        F.Name = Unmarked(Row->text());
    F.Size = UpDown1->value();
    F.Bold = CbBold->isChecked();
    F.Color = FColors.Get(CoBoColors->currentIndex()).Color;
    return F;
}

void TBackFontDlg::UpdatePreview()
{
    const TAktFont F = GetNewFont();
    const QFont Font = ToQFont(F);
    EditTest->setFont(Font);
    QPalette P = EditTest->palette();
    P.setColor(QPalette::Text, ToQColor(F.Color));
    P.setColor(QPalette::Base, ToQColor(GetNewBackColor()));
    EditTest->setPalette(P);
    // The preview grows with its font, into the room left below it.
    if (IsShown())
        EditTest->resize(EditTest->width(), ControlHeightForFont(Font, EditTest));
}

void TBackFontDlg::CheckSize()
{
    int N;
    Btn1OK->setEnabled(UpDown1->EditNumber(N));
}

bool TBackFontDlg::eventFilter(QObject *Watched, QEvent *E)
{
    if (Watched == LeSize->Edit && E->type() == QEvent::FocusOut)
        UpDown1->TakeEditNumber();
    return QDialog::eventFilter(Watched, E);
}

void TBackFontDlg::Btn1OKClick()
{
    if (CoBoColors->currentIndex() == CoBoBackColors->currentIndex()) {
        const bool Go = AskSpoken(this, windowTitle(),
                                  QStringLiteral("Schriftfarbe und Hintergrundfarbe sind identisch!\r\n"
                                                 "Soll trotzdem fortgesetzt werden?")) == QMessageBox::Yes;
        // Without a window manager nothing becomes active again by itself.
        activateWindow();
        if (!Go) {
            CoBoColors->setFocus();
            return;
        }
    }
    done(1);
}

void TBackFontDlg::reject()
{
    // Esc and the window's own close count as Cancel.
    done(2);
}
