#include "lists/ListenDlgC.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "common/AccessibilityC.h"
#include "common/DisplayHelperC.h"
#include "common/ModalC.h"
#include "common/PlainTextMemoC.h"
#include "common/TextPaneMenuC.h"
#include "content/JobsC.h"
#include "main/HauptC.h"
#include "sound/SoundsHelperC.h"
#include "speech/SpeechC.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <stdexcept>

TJobs &ProgramJobs()
{
    if (!Form1_TW || !Form1_TW->Jobs())
        throw std::runtime_error("Es sind keine Inhalte geladen.");
    return *Form1_TW->Jobs();
}

namespace
{
struct TModusInfo {
    const char16_t *Caption;
    const char16_t *Column1;
    const char16_t *Column2;
    int HelpId;
};

const TModusInfo &ModusInfo(TListenModus M)
{
    static const TModusInfo Infos[] = {
        {u"Bereich wählen", u"Bereich", u"Lektionen", 7},
        {u"Lektion wählen", u"Lektion", u"", 14},
        {u"Bereich und Lektion wählen", u"Lektion", u"", 6},
        {u"Sammellektion wählen", u"Sammellektion", u"Lektionen", 16},
        {u"Lernmaterial wählen", u"Lernmaterial", u"", 15},
    };
    return Infos[M];
}

// A list with a header line over its rows that names the columns. The list
// keeps one item per row; a second column is painted by TListenDelegate.
class TListenView : public QListWidget
{
public:
    explicit TListenView(QWidget *Parent)
        : QListWidget(Parent)
    {
        FModel = new QStandardItemModel(0, 1, this);
        Header = new QHeaderView(Qt::Horizontal, this);
        Header->setModel(FModel);
        Header->setFocusPolicy(Qt::NoFocus);
        Header->setSectionsClickable(false);
        Header->setSectionResizeMode(QHeaderView::Fixed);
        Header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Header->setStretchLastSection(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    void SetColumns(const QString &Column1, const QString &Column2)
    {
        QStringList Captions{Column1};
        if (!Column2.isEmpty())
            Captions << Column2;
        FModel->setColumnCount(int(Captions.size()));
        FModel->setHorizontalHeaderLabels(Captions);
        if (Captions.size() > 1)
            FModel->setHeaderData(1, Qt::Horizontal, int(Qt::AlignCenter), Qt::TextAlignmentRole);
    }
    int ColumnCount() const { return FModel->columnCount(); }
    // With two columns, the first is 80 % of the list wide, the second the rest.
    void SetColumnWidths(int ListWidth)
    {
        FColumn1Width = ColumnCount() > 1 ? qRound(ListWidth * 0.8) : ListWidth;
        Header->resizeSection(0, FColumn1Width);
        viewport()->update();
    }
    int Column1Width() const { return FColumn1Width; }

    QHeaderView *Header;

protected:
    void updateGeometries() override
    {
        QListWidget::updateGeometries();
        const int H = Header->sizeHint().height();
        setViewportMargins(0, H, 0, 0);
        const QRect V = viewport()->geometry();
        Header->setGeometry(V.left(), V.top() - H, V.width(), H);
    }

private:
    QStandardItemModel *FModel;
    int FColumn1Width = 0;
};

// Paints a row as the report of a list view: column 1 left-aligned,
// column 2 centred in its own part, grid lines between them.
class TListenDelegate : public QStyledItemDelegate
{
public:
    explicit TListenDelegate(TListenView *AView)
        : QStyledItemDelegate(AView)
        , FView(AView)
    {
    }

    void paint(QPainter *P, const QStyleOptionViewItem &Option, const QModelIndex &Index) const override
    {
        QStyleOptionViewItem Opt(Option);
        initStyleOption(&Opt, Index);
        const QString Column2 = Index.data(TListenDlg::Column2Role).toString();
        const bool TwoColumns = FView->ColumnCount() > 1;
        const int W1 = FView->Column1Width();
        if (TwoColumns)
            Opt.text = Opt.fontMetrics.elidedText(Opt.text, Qt::ElideRight, qMax(0, W1 - 8));
        const QWidget *W = Option.widget;
        QStyle *Style = W ? W->style() : QApplication::style();
        Style->drawControl(QStyle::CE_ItemViewItem, &Opt, P, W);
        P->save();
        if (TwoColumns) {
            const QPalette::ColorGroup Group =
                (Opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
            P->setPen(Opt.palette.color(Group, (Opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                    : QPalette::Text));
            P->setFont(Opt.font);
            const QRect R = Opt.rect;
            P->drawText(QRect(R.left() + W1, R.top(), qMax(0, R.width() - W1), R.height()), Qt::AlignCenter, Column2);
        }
        P->setPen(Opt.palette.color(QPalette::Mid));
        P->drawLine(Opt.rect.bottomLeft(), Opt.rect.bottomRight());
        if (TwoColumns)
            P->drawLine(Opt.rect.left() + W1, Opt.rect.top(), Opt.rect.left() + W1, Opt.rect.bottom());
        P->restore();
    }

private:
    TListenView *FView;
};

TListenView *View(QListWidget *L)
{
    return static_cast<TListenView *>(L);
}

bool IsEnter(int Key)
{
    return Key == Qt::Key_Return || Key == Qt::Key_Enter;
}
} // namespace

TListenDlg::TListenDlg(QWidget *AOwner, TListenModus AListenModus, int AStartIndex, int AStartBereichIndex,
                       TSammeldatei *ASammeldatei, TJobs &AJobs)
    : TProgramDialog(AOwner, ModusInfo(AListenModus).HelpId)
    , FListenModus(AListenModus)
    , FSammeldatei(ASammeldatei)
    , FStartIndex(AStartIndex)
    , FStartBereichIndex(AStartBereichIndex)
    , FAktBereichIndex(AStartBereichIndex)
    , FJobs(AJobs)
{
    const TModusInfo &Info = ModusInfo(FListenModus);
    setWindowTitle(QString::fromUtf16(Info.Caption));
    FColumn2Caption = QString::fromUtf16(Info.Column2);

    Btn3Bereiche = new QPushButton(QStringLiteral("Be&reiche"), this);
    CbBereiche = new QComboBox(this);
    CbBereiche->setMaxVisibleItems(10);
    CbBereiche->setAccessibleName(QStringLiteral("Bereiche"));
    auto *Liste = new TListenView(this);
    LvListe = Liste;
    Liste->SetColumns(QString::fromUtf16(Info.Column1), FColumn2Caption);
    LvListe->setItemDelegate(new TListenDelegate(Liste));
    LvListe->setSelectionMode(QAbstractItemView::SingleSelection);
    LvListe->setSelectionBehavior(QAbstractItemView::SelectRows);
    LvListe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LvListe->setAccessibleName(QString::fromUtf16(Info.Column1));
    LblBeschreibung = new QLabel(QStringLiteral("&Beschreibung"), this);
    Re1 = new QPlainTextEdit(this);
    Re1->setReadOnly(true);
    // Read-only, yet the caret must move for the learner to read line by line.
    Re1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Re1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Re1->setAccessibleName(QStringLiteral("Beschreibung"));
    LblBeschreibung->setBuddy(Re1);
    Btn1Ok = new QPushButton(QStringLiteral("O&K"), this);
    Btn1Ok->setDefault(true);
    Btn2Abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    FMemo = std::make_unique<TPlainTextMemo>(Re1);
    CreatePopupMenu();

    const bool MitBereichen = FListenModus == lmBereichAndLektion;
    Btn3Bereiche->setVisible(MitBereichen);
    CbBereiche->setVisible(MitBereichen);
    setTabOrder(Btn3Bereiche, CbBereiche);
    setTabOrder(CbBereiche, LvListe);
    setTabOrder(LvListe, Re1);
    setTabOrder(Re1, Btn1Ok);
    setTabOrder(Btn1Ok, Btn2Abbrechen);

    MendListFocus(LvListe);
    SpeakLabelOnEnter(CbBereiche, QStringLiteral("Bereiche"));
    SpeakLabelOnEnter(Re1, StripAmpersands(LblBeschreibung->text()));
    for (QWidget *W :
         {static_cast<QWidget *>(CbBereiche), static_cast<QWidget *>(Re1), static_cast<QWidget *>(LblBeschreibung)})
        W->installEventFilter(this);

    connect(Btn1Ok, &QPushButton::clicked, this, [this] { done(1); });
    connect(Btn2Abbrechen, &QPushButton::clicked, this, [this] { done(2); });
    connect(Btn3Bereiche, &QPushButton::clicked, this, [this] { Btn3BereicheClick(); });
    connect(LvListe, &QListWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    connect(CbBereiche, &QComboBox::currentIndexChanged, this, [this] {
        FillListe();
        // Down and Up in the closed list change the area without a word
        // from the screen reader: the area is said here.
        if (QApplication::focusWidget() == CbBereiche) {
            if (IsSapiSpeechEnabled())
                SpeakTextWhole(CbBereiche->currentText().remove(u'*'), true);
            else
                AnnounceToScreenReader(CbBereiche->currentText().remove(u'*'));
        }
    });

    if (MitBereichen)
        FillBereiche();
    FillListe();
}

TListenDlg::~TListenDlg() = default;

void TListenDlg::CreatePopupMenu()
{
    const TTextPaneMenu Menu = TTextPaneMenu::Install(this, Re1, FMemo.get());
    PopupMenu_Re = Menu.Menu;
    PM_Re_AllSelect = Menu.AllSelect;
    PM_Re_Copy = Menu.Copy;
    PM_Re_LinesDown = Menu.LinesDown;
    PM_Re_LinesUp = Menu.LinesUp;
}

void TListenDlg::FillBereiche()
{
    const QSignalBlocker Block(CbBereiche);
    const TBereiche &Bereiche = FJobs.Bereiche();
    if (FStartBereichIndex < 0 && Bereiche.Count() > 0)
        FStartBereichIndex = 0;
    CbBereiche->clear();
    for (int I = 0; I < Bereiche.Count(); ++I) {
        const TBereich B = Bereiche.Get(I);
        QString S = QStringLiteral("%1 (Lektionen: %2)").arg(B.Titel, QString::number(B.Lektionen.size()));
        // Only the current area is marked, not the one shown first when
        // there is none.
        if (I == FAktBereichIndex)
            S.prepend(u'*');
        CbBereiche->addItem(S);
    }
    CbBereiche->setCurrentIndex(FStartBereichIndex < Bereiche.Count() ? FStartBereichIndex : -1);
}

void TListenDlg::SetRowCount(int Count)
{
    // Rows are reused; a list that would lose half of its rows or more is
    // built anew.
    const int Surplus = LvListe->count() - Count;
    if (Count == 0 || (Surplus > 0 && 2 * Surplus >= LvListe->count()))
        LvListe->clear();
    while (LvListe->count() < Count)
        LvListe->addItem(new QListWidgetItem);
    while (LvListe->count() > Count)
        delete LvListe->takeItem(LvListe->count() - 1);
}

void TListenDlg::SetRow(int Row, const QString &Text, const QString &Column2)
{
    QListWidgetItem *Item = LvListe->item(Row);
    Item->setText(Text);
    if (FColumn2Caption.isEmpty()) {
        Item->setData(Column2Role, QVariant());
        Item->setData(Qt::AccessibleTextRole, QVariant());
    } else {
        Item->setData(Column2Role, Column2);
        Item->setData(Qt::AccessibleTextRole, QStringLiteral("%1, %2: %3").arg(Text, FColumn2Caption, Column2));
    }
}

void TListenDlg::FillListe()
{
    {
        const QSignalBlocker Block(LvListe);
        switch (FListenModus) {
        case lmBereich: {
            const TBereiche &Bereiche = FJobs.Bereiche();
            SetRowCount(Bereiche.Count());
            for (int I = 0; I < Bereiche.Count(); ++I) {
                const TBereich B = Bereiche.Get(I);
                SetRow(I, B.Titel, QString::number(B.Lektionen.size()));
            }
            break;
        }
        case lmLektion: {
            const int N = FSammeldatei ? FSammeldatei->Count() : 0;
            SetRowCount(N);
            for (int I = 0; I < N; ++I) {
                const TLektionendatei *L = FSammeldatei->Get(I);
                SetRow(I, L ? L->Titel() : QString());
            }
            break;
        }
        case lmBereichAndLektion: {
            FStartIndex = -1;
            const int Bereich = CbBereiche->currentIndex();
            FLektionen = Bereich < 0 ? TLektionendateiDynArray() : FJobs.Bereiche().Get(Bereich).Lektionen;
            SetRowCount(int(FLektionen.size()));
            for (int I = 0; I < FLektionen.size(); ++I) {
                QString Titel = FLektionen.at(I)->Titel();
                // The current lesson counts only in its own area.
                if (FStartIndex < 0 && Bereich == FAktBereichIndex &&
                    FLektionen.at(I)->FileInfo().Name.compare(LektionName, Qt::CaseInsensitive) == 0) {
                    Titel.prepend(u'*');
                    FStartIndex = I;
                }
                SetRow(I, Titel);
            }
            if (FStartIndex < 0)
                FStartIndex = 0;
            break;
        }
        case lmSammellektion: {
            const TSammellektionen &Sammel = FJobs.Sammellektionen();
            SetRowCount(Sammel.Count());
            for (int I = 0; I < Sammel.Count(); ++I) {
                const TSammeldatei *S = Sammel.Get(I);
                SetRow(I, S->Titel(), QString::number(S->Count()));
            }
            break;
        }
        case lmLernmaterial: {
            const TLernmaterialien &Materialien = FJobs.Lernmaterialien();
            SetRowCount(Materialien.Count());
            for (int I = 0; I < Materialien.Count(); ++I)
                SetRow(I, Materialien.Get(I).Titel);
            break;
        }
        }
        if (FListenModus != lmBereichAndLektion && FStartIndex >= 0 && FStartIndex < LvListe->count()) {
            QListWidgetItem *Item = LvListe->item(FStartIndex);
            SetRow(FStartIndex, u'*' + Item->text(), Item->data(Column2Role).toString());
        }
        if (LvListe->count() > 0) {
            LvListe->clearSelection();
            const int Row = FStartIndex >= 0 && FStartIndex < LvListe->count() ? FStartIndex : 0;
            LvListe->setCurrentRow(Row, QItemSelectionModel::ClearAndSelect);
            LvListe->scrollToItem(LvListe->item(Row));
        }
    }
    SelectionChanged();
}

void TListenDlg::SelectionChanged()
{
    const int Row = ItemIndex();
    ShowBeschreibung(Row);
    Btn1Ok->setEnabled(Row >= 0);
}

void TListenDlg::ShowBeschreibung(int Row)
{
    QString Text;
    if (Row >= 0) {
        switch (FListenModus) {
        case lmBereich:
            Text = FJobs.Bereiche().Get(Row).Beschreibung;
            break;
        case lmLektion:
            if (const TLektionendatei *L = FSammeldatei ? FSammeldatei->Get(Row) : nullptr)
                Text = L->Beschreibung();
            break;
        case lmBereichAndLektion:
            if (Row < FLektionen.size())
                Text = FLektionen.at(Row)->Beschreibung();
            break;
        case lmSammellektion:
            if (const TSammeldatei *S = FJobs.Sammellektionen().Get(Row))
                Text = S->Beschreibung();
            break;
        case lmLernmaterial:
            Text = FJobs.Lernmaterialien().Get(Row).Beschreibung;
            break;
        }
    }
    if (Text.isEmpty())
        Text = QStringLiteral("(Keine Beschreibung)");
    if (BrlUniChar)
        Text = BrlUniChar->Translate(Text, ttToUniBrl, false);
    FMemo->SetText(Text + QStringLiteral("\r\n"));
    FMemo->SetSelStart(0);
}

int TListenDlg::ItemIndex() const
{
    const QList<QListWidgetItem *> Selected = LvListe->selectedItems();
    return Selected.isEmpty() ? -1 : LvListe->row(Selected.first());
}

QString TListenDlg::GetBereichName() const
{
    const int I = CbBereiche->currentIndex();
    return I < 0 ? QString() : FJobs.Bereiche().Get(I).Bereich;
}

TLektionendatei *TListenDlg::GetLektion() const
{
    if (FListenModus != lmBereichAndLektion)
        return nullptr;
    return FLektionen.value(ItemIndex(), nullptr);
}

void TListenDlg::Btn3BereicheClick()
{
    int Row = -1;
    const int Result =
        ShowModal([this] { return new TListenDlg(this, lmBereich, FStartBereichIndex, -1, nullptr, FJobs); }, nullptr,
                  [&Row](QDialog *D, int) { Row = static_cast<TListenDlg *>(D)->ItemIndex(); },
                  [](const QString &) { return QStringLiteral("Fehler bei ListenDlg!"); });
    if (Result == 1 && Row >= 0 && Row != FStartBereichIndex) {
        FStartBereichIndex = Row;
        FillBereiche();
        FillListe();
    }
    CbBereiche->setFocus();
}

void TListenDlg::FormShow()
{
    ApplyDisplaySettings(this);
    QFont F = LblBeschreibung->font();
    F.setBold(true);
    F.setUnderline(true);
    LblBeschreibung->setFont(F);
    FillWorkArea(this);
    LayoutControls();
    CenterOnWorkArea(this);
    if (FListenModus == lmBereichAndLektion)
        Btn3Bereiche->setFocus();
    else
        LvListe->setFocus();
}

void TListenDlg::resizeEvent(QResizeEvent *E)
{
    QDialog::resizeEvent(E);
    LayoutControls();
}

void TListenDlg::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    const int ClientW = width();
    const int ClientH = height();
    QString Longest;
    for (QPushButton *B : {Btn1Ok, Btn2Abbrechen, Btn3Bereiche})
        if (StripAmpersands(B->text()).size() > Longest.size())
            Longest = StripAmpersands(B->text());
    const int BtnW = TextWidthForFont(Font, Longest + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, Btn1Ok);
    for (QPushButton *B : {Btn1Ok, Btn2Abbrechen, Btn3Bereiche})
        B->resize(BtnW, BtnH);

    int Top = 10;
    if (FListenModus == lmBereichAndLektion) {
        Btn3Bereiche->move(10, 10);
        const int CbH = ControlHeightForFont(Font, CbBereiche);
        const int CbLeft = 2 * Btn3Bereiche->x() + BtnW;
        CbBereiche->setGeometry(CbLeft, 10 + (BtnH - CbH) / 2, qMax(10, ClientW - 10 - CbLeft), CbH);
        Top = 10 + BtnH + 10;
    }
    const int ListH = qMax(10, ClientH - BtnH - Top - 20);
    const int ListW = qRound((ClientW - 30) * 0.6);
    LvListe->setGeometry(10, Top, ListW, ListH);
    View(LvListe)->SetColumnWidths(ListW);

    const int LblLeft = 10 + ListW + 10;
    const int LblW = qMax(10, ClientW - 10 - LblLeft);
    LblBeschreibung->setGeometry(LblLeft, Top, LblW, LblBeschreibung->sizeHint().height());
    Re1->setGeometry(LblLeft, Top + LblBeschreibung->height() + 5, LblW, ListH / 2);

    const int BtnLeft = (ClientW - 2 * BtnW) / 3;
    Btn1Ok->move(BtnLeft, Top + ListH + 10);
    Btn2Abbrechen->move(2 * BtnLeft + BtnW, Top + ListH + 10);
}

bool TListenDlg::Re1KeyPress(QKeyEvent *K)
{
    const int Key = K->key();
    if (IsEnter(Key)) {
        if (Btn1Ok->isEnabled())
            Btn1Ok->click();
        else
            SystemBeep();
        return true;
    }
    if (Key == Qt::Key_Escape) {
        if (Btn2Abbrechen->isEnabled())
            Btn2Abbrechen->click();
        return true;
    }
    if (const int Vk = ArrowKeyCode(Key); Vk && !(K->modifiers() & Qt::ControlModifier))
        CheckLineEndSound(true, true, *FMemo, Vk);
    // No key writes into the description; the caret still moves and text
    // can be selected and copied.
    switch (Key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Menu:
        return false;
    default:
        return !(K->matches(QKeySequence::SelectAll) || K->matches(QKeySequence::Copy));
    }
}

bool TListenDlg::eventFilter(QObject *Watched, QEvent *E)
{
    if (Watched == Re1 && E->type() == QEvent::KeyPress)
        return Re1KeyPress(static_cast<QKeyEvent *>(E));
    if (Watched == CbBereiche) {
        if (E->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent *>(E)->key())) {
            LvListe->setFocus(Qt::TabFocusReason);
            return true;
        }
        // Enter belongs to the area list while it has the focus.
        if (E->type() == QEvent::FocusIn)
            Btn1Ok->setDefault(false);
        else if (E->type() == QEvent::FocusOut && static_cast<QFocusEvent *>(E)->reason() != Qt::PopupFocusReason)
            Btn1Ok->setDefault(true);
    }
    if (Watched == LblBeschreibung && E->type() == QEvent::MouseButtonPress)
        Re1->setFocus(Qt::MouseFocusReason);
    return TProgramDialog::eventFilter(Watched, E);
}

void TListenDlg::reject()
{
    // Esc and the window's own close answer Cancel.
    done(2);
}
