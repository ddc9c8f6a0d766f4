#include "settings/StimmeDlgC.h"

#include "app/SettingsC.h"
#include "common/AccessibilityC.h"
#include "common/DisplayHelperC.h"
#include "common/LabeledEditC.h"
#include "common/ModalC.h"
#include "help/HelpSystemC.h"
#include "log/LogC.h"
#include "speech/EspeakC.h"
#include "speech/SpeechC.h"
#include "speech/SpeechDispatcherC.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyleOption>

#include <mutex>
#include <thread>

std::function<void(TStimmeDlg *)> OnStimmeDlgShown;

// The speech service's voices arrive on a thread of their own; the dialog
// may be gone by then.
struct TVoicesWait {
    std::mutex Mutex;
    TStimmeDlg *Dlg = nullptr;
};

TStimmeDlg::TStimmeDlg(QWidget *AOwner)
    : TProgramDialog(AOwner, 20)
{
    setWindowTitle(QStringLiteral("Stimme, Lautstärke und Geschwindigkeit wählen"));

    Lv1Stimmen = new QListWidget(this);
    Lv1Stimmen->setAccessibleName(QStringLiteral("Stimmen"));
    Lv1Stimmen->setSelectionMode(QAbstractItemView::SingleSelection);
    Lv1Stimmen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lv1Stimmen->setUniformItemSizes(true);
    MendListFocus(Lv1Stimmen);

    Ud1Volume = new TUpDown(this);
    Ud1Volume->setRange(5, 100);
    Ud1Volume->setSingleStep(5);
    Ud1Volume->setValue(100);
    Ud2Rate = new TUpDown(this);
    Ud2Rate->setRange(-10, 10);
    Ud2Rate->setSingleStep(1);
    Ud2Rate->setValue(0);
    Le1Volume = new TLabeledEdit(
        QStringLiteral("&Lautstärke (%1-%2):").arg(Ud1Volume->minimum()).arg(Ud1Volume->maximum()), this);
    Le2Rate = new TLabeledEdit(
        QStringLiteral("&Geschwindigkeit (%1-+%2):").arg(Ud2Rate->minimum()).arg(Ud2Rate->maximum()), this);
    Ud1Volume->setAccessibleName(QStringLiteral("Lautstärke"));
    Ud2Rate->setAccessibleName(QStringLiteral("Geschwindigkeit"));
    for (auto [Le, Ud] : {std::pair{Le1Volume, Ud1Volume}, std::pair{Le2Rate, Ud2Rate}}) {
        Le->Edit->setReadOnly(true);
        Le->Edit->setMaxLength(3);
        Le->Edit->setValidator(new QIntValidator(Ud->minimum(), Ud->maximum(), Le->Edit));
        Le->Edit->setText(QString::number(Ud->value()));
        // The page step is what PageUp and PageDown move in the edit.
        Ud->setPageStep(2 * Ud->singleStep());
        connect(Ud, &QAbstractSlider::valueChanged, Le->Edit,
                [E = Le->Edit](int V) { E->setText(QString::number(V)); });
        connect(Ud, &QAbstractSlider::actionTriggered, this, [this] { UdChanging(); });
    }
    SpeakLabelOnEnter(Le1Volume->Edit,
                      QStringLiteral("Lautstärke %1 bis %2").arg(Ud1Volume->minimum()).arg(Ud1Volume->maximum()));
    SpeakLabelOnEnter(Le2Rate->Edit,
                      QStringLiteral("Geschwindigkeit %1 bis +%2").arg(Ud2Rate->minimum()).arg(Ud2Rate->maximum()));

    Btn1OK = new QPushButton(QStringLiteral("O&K"), this);
    Btn1OK->setDefault(true);
    Btn2Abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    connect(Btn1OK, &QPushButton::clicked, this, [this] { done(1); });
    connect(Btn2Abbrechen, &QPushButton::clicked, this, [this] { done(2); });
    setTabOrder(Lv1Stimmen, Le1Volume->Edit);
    setTabOrder(Le1Volume->Edit, Ud1Volume);
    setTabOrder(Ud1Volume, Le2Rate->Edit);
    setTabOrder(Le2Rate->Edit, Ud2Rate);
    setTabOrder(Ud2Rate, Btn1OK);
    setTabOrder(Btn1OK, Btn2Abbrechen);

    PopupMenu1 = new QMenu(this);
    Pu1Stimmentest = new QAction(QStringLiteral("&Stimmentest wiedergeben"), this);
    Pu1Stimmentest->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Pu1Stimmentest->setShortcutContext(Qt::WidgetShortcut);
    PopupMenu1->addAction(Pu1Stimmentest);
    connect(Pu1Stimmentest, &QAction::triggered, this, [this] { StimmenTest(true); });
    for (QWidget *W : {static_cast<QWidget *>(Lv1Stimmen), static_cast<QWidget *>(Le1Volume->Edit)}) {
        W->addAction(Pu1Stimmentest);
        W->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(W, &QWidget::customContextMenuRequested, this,
                [this, W](const QPoint &P) { PopupMenu1Popup(W == Lv1Stimmen ? Lv1Stimmen->viewport() : W, P); });
    }

    Timer1Sprechen.setSingleShot(true);
    Timer1Sprechen.setInterval(1);
    connect(&Timer1Sprechen, &QTimer::timeout, this, [this] { Timer1SprechenTimer(); });

    connect(Lv1Stimmen, &QListWidget::currentRowChanged, this, [this] {
        // A click selects first and then reports the click: one test for both.
        if (QApplication::mouseButtons() == Qt::NoButton)
            StimmenTest(false);
        else
            EnableValueControls();
    });
    connect(Lv1Stimmen, &QListWidget::itemClicked, this, [this] { StimmenTest(false); });

    for (QObject *O : {static_cast<QObject *>(Lv1Stimmen), static_cast<QObject *>(Le1Volume->Edit),
                       static_cast<QObject *>(Le2Rate->Edit)})
        O->installEventFilter(this);

    InStimmenS = false;
    auto Dispatcher = std::make_unique<TSpeechDispatcher>();
    FDispatcher = Dispatcher.get();
    Speech2 = std::make_unique<TSpeech>(true, std::move(Dispatcher), std::make_unique<TEspeak>());
    Ud1Volume->setValue(SapiSpeechVolume);
    Ud2Rate->setValue(SapiSpeechRate);
    if (!FDispatcher->IsAvailable() || TSpeechDispatcher::VoicesCached()) {
        FillList();
    } else {
        // Fetching the service's voices takes seconds: meanwhile the list
        // holds only "Keine" and OK waits, so that the stored voice is not
        // lost by an early OK.
        StimmenSl = QStringList{QString()};
        Lv1Stimmen->addItem(QStringLiteral("Keine"));
        Lv1Stimmen->setCurrentRow(0);
        Btn1OK->setEnabled(false);
        FVoicesWait = std::make_shared<TVoicesWait>();
        FVoicesWait->Dlg = this;
        std::thread([Wait = FVoicesWait] {
            TSpeechDispatcher::PrefetchVoices();
            std::lock_guard Lock(Wait->Mutex);
            if (TStimmeDlg *D = Wait->Dlg)
                QMetaObject::invokeMethod(
                    D, [D] { D->FillList(); }, Qt::QueuedConnection);
        }).detach();
    }
}

TStimmeDlg::~TStimmeDlg()
{
    if (FVoicesWait) {
        std::lock_guard Lock(FVoicesWait->Mutex);
        FVoicesWait->Dlg = nullptr;
    }
    // The controls lose the focus while they are freed: nothing to do then.
    for (QObject *O : {static_cast<QObject *>(Lv1Stimmen), static_cast<QObject *>(Le1Volume->Edit),
                       static_cast<QObject *>(Le2Rate->Edit)})
        O->removeEventFilter(this);
    Timer1Sprechen.stop();
    Speech2.reset();
}

void TStimmeDlg::FillList()
{
    FFilling = true;
    StimmenSl = Speech2->Tokens();
    StimmenSl.prepend(QString());
    Lv1Stimmen->clear();
    for (const QString &S : std::as_const(StimmenSl)) {
        auto *Item = new QListWidgetItem(S.isEmpty() ? QStringLiteral("Keine") : S, Lv1Stimmen);
        Item->setTextAlignment(Qt::AlignCenter);
    }
    int Row = 0;
    for (int I = 1; I < StimmenSl.size(); ++I)
        if (StimmenSl[I].compare(SapiSpeechStimme, Qt::CaseInsensitive) == 0) {
            Row = I;
            break;
        }
    Lv1Stimmen->setCurrentRow(Row);
    Lv1Stimmen->scrollToItem(Lv1Stimmen->currentItem());
    FVoicesLoaded = true;
    Btn1OK->setEnabled(true);
    FFilling = false;
    EnableValueControls();
}

bool TStimmeDlg::IsVoiceSelected() const
{
    const int Row = Lv1Stimmen->currentRow();
    return Row > 0 && Row < StimmenSl.size() && Lv1Stimmen->item(Row)->isSelected();
}

void TStimmeDlg::EnableValueControls()
{
    const bool On = IsVoiceSelected();
    for (QWidget *W : {static_cast<QWidget *>(Le1Volume), static_cast<QWidget *>(Ud1Volume),
                       static_cast<QWidget *>(Le2Rate), static_cast<QWidget *>(Ud2Rate)})
        W->setEnabled(On);
    Pu1Stimmentest->setEnabled(On);
}

void TStimmeDlg::FormShow()
{
    Timer1Sprechen.setInterval(1);
    ApplyDisplaySettings(this);
    LayoutControls();
    CenterOnWorkArea(this);
    Lv1Stimmen->setFocus();
    EnableValueControls();
}

void TStimmeDlg::resizeEvent(QResizeEvent *E)
{
    QDialog::resizeEvent(E);
    LayoutControls();
}

void TStimmeDlg::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    QString Longest;
    for (QPushButton *B : {Btn1OK, Btn2Abbrechen})
        if (StripAmpersands(B->text()).size() > Longest.size())
            Longest = StripAmpersands(B->text());
    const int BtnW = TextWidthForFont(Font, Longest + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, Btn1OK);
    const int ClientW = 6 * BtnW;

    Lv1Stimmen->setGeometry(10, 10, ClientW - 20, 10 * BtnH);
    const int EditH = ControlHeightForFont(Font, Le1Volume->Edit);
    int Top = Lv1Stimmen->geometry().bottom() + 1 + 10;
    for (auto [Le, Ud] : {std::pair{Le1Volume, Ud1Volume}, std::pair{Le2Rate, Ud2Rate}}) {
        Le->Place(10, Top, 3 * EditH, EditH);
        // Bound to the edit: right beside it, as high as it.
        Ud->setGeometry(Le->x() + Le->width(), Top, qMax(12, EditH * 2 / 3), EditH);
        Top += EditH + 10;
    }
    const int BtnLeft = (ClientW - 2 * BtnW) / 3;
    Btn1OK->setGeometry(BtnLeft, Top, BtnW, BtnH);
    Btn2Abbrechen->setGeometry(BtnW + 2 * BtnLeft, Top, BtnW, BtnH);
    setFixedSize(ClientW, Top + BtnH + 10);
}

void TStimmeDlg::StimmenTest(bool Forced)
{
    EnableValueControls();
    if (FFilling || (!Forced && !InStimmenS))
        return;
    Speech2->Stop();
    if (!IsVoiceSelected())
        return;
    const QString Description = StimmenSl[Lv1Stimmen->currentRow()];
    if (Speech2->TokenDescription() != Description)
        Speech2->SetTokenNrIndex(Speech2->FindDescriptionInTokensNrIndex(Description));
    // A voice the engines would not take stays silent (it must not fall
    // back to the screen reader).
    if (Speech2->TokenNrIndex().Nr <= 0 || Speech2->TokenNrIndex().Index < 0)
        return;
    Speech2->SetVolume(Ud1Volume->value());
    Speech2->SetRate(Ud2Rate->value());
    // Heard whole over the screen reader's reading of the list row.
    Speech2->SpeakWhole(Speech2->TokenDescription());
}

void TStimmeDlg::UdChanging()
{
    if (IsVoiceSelected())
        Timer1Sprechen.start();
}

void TStimmeDlg::Timer1SprechenTimer()
{
    Timer1Sprechen.stop();
    // Arrow clicks leave the focus where it was, possibly in the list.
    InStimmenS = Lv1Stimmen->hasFocus();
    Speech2->Stop();
    StimmenTest(true);
}

bool TStimmeDlg::EditKey(TUpDown *Ud, QKeyEvent *K)
{
    if (K->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    QAbstractSlider::SliderAction A = QAbstractSlider::SliderNoAction;
    switch (K->key()) {
    case Qt::Key_Up:
        A = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_Down:
        A = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_PageUp:
        A = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_PageDown:
        A = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_End:
        A = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_Home:
        A = QAbstractSlider::SliderToMaximum;
        break;
    default:
        return false;
    }
    if (Ud->isEnabled())
        Ud->triggerAction(A);
    return true;
}

void TStimmeDlg::PopupMenu1Popup(QWidget *Control, const QPoint &Pos)
{
    Pu1Stimmentest->setEnabled(IsVoiceSelected());
    PopupMenu1->popup(Control->mapToGlobal(Pos));
}

bool TStimmeDlg::eventFilter(QObject *Watched, QEvent *E)
{
    const QEvent::Type T = E->type();
    if (Watched == Lv1Stimmen) {
        if (T == QEvent::FocusIn) {
            InStimmenS = true;
        } else if (T == QEvent::FocusOut) {
            InStimmenS = false;
            Speech2->Stop();
        }
    } else {
        const bool Volume = Watched == Le1Volume->Edit;
        TUpDown *Ud = Volume ? Ud1Volume : Ud2Rate;
        QLineEdit *Edit = Volume ? Le1Volume->Edit : Le2Rate->Edit;
        if (T == QEvent::KeyPress) {
            if (EditKey(Ud, static_cast<QKeyEvent *>(E)))
                return true;
        } else if (T == QEvent::FocusOut) {
            InStimmenS = false;
            Speech2->Stop();
            Edit->setText(QString::number(Ud->value()));
        }
    }
    return QDialog::eventFilter(Watched, E);
}

void TStimmeDlg::ApplyChoice()
{
    const int Row = Lv1Stimmen->currentRow();
    SapiSpeechStimme = IsVoiceSelected() ? StimmenSl[Row] : QString();
    SapiSpeechVolume = Ud1Volume->value();
    SapiSpeechRate = Ud2Rate->value();
    if (Speech) {
        Speech->SetTokenNrIndex(Speech->FindDescriptionInTokensNrIndex(SapiSpeechStimme));
        Speech->SetVolume(SapiSpeechVolume);
        Speech->SetRate(SapiSpeechRate);
    }
}

void TStimmeDlg::reject()
{
    done(2);
}

void TStimmeDlg::done(int Result)
{
    if (Result == 1 && !FVoicesLoaded)
        return;
    Timer1Sprechen.stop();
    Speech2->Stop();
    if (Result == 1) {
        ApplyChoice();
    } else if (Speech && Speech->TokenNrIndex().Nr == 2) {
        // eSpeak NG keeps one voice and one set of values for the whole
        // process, and the voice test changed them: the program's voice
        // takes its own back.
        Speech->SetTokenNrIndex(Speech->TokenNrIndex());
    }
    QDialog::done(Result);
}

int ShowStimmeDlg(QWidget *AOwner)
{
    return ShowModal([AOwner] { return new TStimmeDlg(AOwner); },
                     OnStimmeDlgShown ? [](QDialog *D) {
                         if (OnStimmeDlgShown)
                             OnStimmeDlgShown(static_cast<TStimmeDlg *>(D));
                     }
                                      : std::function<void(QDialog *)>(),
                     nullptr, [](const QString &) { return QStringLiteral("Fehler bei StimmeDlg!"); });
}
