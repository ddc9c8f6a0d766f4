#include "run/SpeakTextDlgC.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "common/DisplayHelperC.h"
#include "common/ModalC.h"
#include "common/PlainTextMemoC.h"
#include "common/TextPaneMenuC.h"
#include "help/HelpSystemC.h"
#include "log/LogC.h"
#include "sound/SoundsHelperC.h"
#include "speech/SpeechC.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include "content/TextFileC.h"
#include <QScreen>

std::function<void(TSpeakTextDlg *)> OnSpeakTextDlgShown;

namespace
{
QString TrimRight(const QString &S)
{
    int N = int(S.size());
    while (N > 0 && S.at(N - 1).unicode() <= 32)
        --N;
    return S.left(N);
}

} // namespace

QString TSpeakTextDlg::SpokenForm(const QString &Text)
{
    if (!BrlUniChar)
        return Text;
    return BrlUniChar->Translate(Text, ttToAscChar, false);
}

TSpeakTextDlg::TSpeakTextDlg(QWidget *AOwner, const QString &ACaption, const QString &AText, bool ASapiSpeechEnabled,
                             bool ASoundsEnabled, const QString &ASpeakTextString, TSpeakTextButtons ASpeakTextButtons,
                             bool AAutoCloseFormByEndStream)
    : TProgramDialog(AOwner, -1)
    , FAutoCloseFormByEndStream(AAutoCloseFormByEndStream)
    , FSpeakTextButtons(ASpeakTextButtons)
{
    setWindowTitle(ACaption);
    Re1 = new QPlainTextEdit(this);
    // Short: the window's title says what the message is about.
    Re1->setAccessibleName(QStringLiteral("Meldung"));
    Re1->setReadOnly(true);
    // Read-only, yet the caret must move for the learner to read line by line.
    Re1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Re1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Re1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Btn1 = new QPushButton(this);
    Btn2 = new QPushButton(this);
    CbShowEinleitung = new QCheckBox(QStringLiteral("&Einleitung beim Start anzeigen"), this);
    setTabOrder(Re1, CbShowEinleitung);
    setTabOrder(CbShowEinleitung, Btn1);
    setTabOrder(Btn1, Btn2);

    FText = TrimRight(AText);
    FMemo = std::make_unique<TPlainTextMemo>(Re1);
    const TTextPaneMenu Menu = TTextPaneMenu::Install(this, Re1, FMemo.get());
    PopupMenu_Re = Menu.Menu;
    PM_Re_AllSelect = Menu.AllSelect;
    PM_Re_Copy = Menu.Copy;
    PM_Re_LinesDown = Menu.LinesDown;
    PM_Re_LinesUp = Menu.LinesUp;
    FSpeakTextLines = std::make_unique<TSpeakTextLines>(FMemo.get());
    FSpeakTextString = TrimRight(ASpeakTextString);
    FDisplay = BrlUniChar ? BrlUniChar->Translate(FText, ttToUniBrl, false) : FText;
    // Spoken as shown: markup and cells alike come out as cells first.
    if (FSpeakTextString.isEmpty())
        FSpeakTextString = SpokenForm(FDisplay);
    SetSapiSpeechEnabled(ASapiSpeechEnabled);
    SetSoundsEnabled(ASoundsEnabled);

    TimerSpeech.setSingleShot(true);
    TimerTolkStop.setSingleShot(true);
    connect(&TimerSpeech, &QTimer::timeout, this, [this] { TimerSpeechTimer(); });
    connect(&TimerTolkStop, &QTimer::timeout, this, [this] { TimerTolkStopTimer(); });
    connect(Re1, &QPlainTextEdit::cursorPositionChanged, this, [this] { CaretMoved(); });
    connect(Btn1, &QPushButton::clicked, this, [this] {
        if (Btn1->property("ModalResult").toInt() == 10 && HelpSystem)
            HelpSystem->OpenHtmlFile(1);
        done(Btn1->property("ModalResult").toInt());
    });
    connect(Btn2, &QPushButton::clicked, this, [this] { done(Btn2->property("ModalResult").toInt()); });

    // Creation handler.
    CbShowEinleitung->setChecked(ShowEinleitung);
    SetButtons();
    if (Speech) {
        OldSpeechEndStream = Speech->OnEndStream();
        Speech->SetOnEndStream([this] { SpeechEndStream(); });
    }
    FSpeakTextLinesEnabled = false;
    for (QWidget *W : {static_cast<QWidget *>(Re1), static_cast<QWidget *>(Btn1), static_cast<QWidget *>(Btn2),
                       static_cast<QWidget *>(CbShowEinleitung)})
        W->installEventFilter(this);
}

TSpeakTextDlg::~TSpeakTextDlg()
{
    if (Speech)
        Speech->SetOnEndStream(OldSpeechEndStream);
}

void TSpeakTextDlg::SetSapiSpeechEnabled(bool V)
{
    FSapiSpeechEnabled = V && IsSapiSpeechEnabled();
}

void TSpeakTextDlg::SetSoundsEnabled(bool V)
{
    FSoundsEnabled = V && ::SoundsEnabled;
}

void TSpeakTextDlg::SetButtons()
{
    auto Set = [](QPushButton *B, const QString &Caption, int Result) {
        B->setText(Caption);
        B->setProperty("ModalResult", Result);
        B->setAutoDefault(false);
        B->setDefault(false);
    };
    Btn2->setEnabled(true);
    Btn2->setVisible(true);
    switch (FSpeakTextButtons) {
    case stbOK:
        Set(Btn1, QStringLiteral("O&K"), 1);
        Btn1->setDefault(true);
        Btn2->setEnabled(false);
        Btn2->setVisible(false);
        break;
    case stbYesNo:
        Set(Btn1, QStringLiteral("&Ja"), 6);
        Set(Btn2, QStringLiteral("&Nein"), 7);
        Btn1->setDefault(true);
        break;
    case stbRepeatNext:
        Set(Btn1, QStringLiteral("&Nocheinmal"), 9);
        Set(Btn2, QStringLiteral("&Weiter"), 4);
        Btn1->setDefault(true);
        break;
    case stbHelp:
        Set(Btn1, QStringLiteral("&Hilfe"), 10);
        Set(Btn2, QStringLiteral("S&chließen"), 11);
        Btn2->setDefault(true);
        break;
    }
    CbShowEinleitung->setEnabled(FSpeakTextButtons == stbHelp);
    CbShowEinleitung->setVisible(FSpeakTextButtons == stbHelp);
}

void TSpeakTextDlg::FormShow()
{
    ApplyDisplaySettings(this);
    FillWorkArea(this);
    LayoutControls();
    Re1->setFocus();
    FMemo->SetText(FDisplay + QStringLiteral("\r\n"));
    FMemo->SetSelStart(0);
    FSpeakTextLines->Clear();
    FSpeakTextLines->SetSpeakTextString(FSpeakTextString);
    for (const QString &L : SplitLines(FSpeakTextString))
        FSpeakTextLines->Add(L);
    FSpeakTextLines->Remember();
    PlaySoundNr(snDialogOn, FSoundsEnabled);
    if (IsSapiSpeechEnabled() && Speech)
        Speech->Stop();
    TimerSpeech.start(20);
    FSpeakTextLinesEnabled = true;
    CenterOnWorkArea(this);
}

void TSpeakTextDlg::resizeEvent(QResizeEvent *E)
{
    QDialog::resizeEvent(E);
    LayoutControls();
}

void TSpeakTextDlg::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    const int ClientW = width();
    const int ClientH = height();
    CbShowEinleitung->resize(TextWidthForFont(Font, StripAmpersands(CbShowEinleitung->text()) + QStringLiteral("MM")) +
                                 24,
                             ControlHeightForFont(Font, CbShowEinleitung));
    QString Longest;
    for (QPushButton *B : {Btn1, Btn2})
        if (StripAmpersands(B->text()).size() > Longest.size())
            Longest = StripAmpersands(B->text());
    const int BtnW = TextWidthForFont(Font, Longest + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, Btn1);
    for (QPushButton *B : {Btn1, Btn2})
        B->resize(BtnW, BtnH);
    const int Top = ClientH - 10 - BtnH;
    CbShowEinleitung->move(10, Top + (BtnH - CbShowEinleitung->height()) / 2);
    switch (FSpeakTextButtons) {
    case stbOK:
        Btn1->move((ClientW - BtnW) / 2, Top);
        break;
    case stbYesNo:
    case stbRepeatNext: {
        const int Left = (ClientW - 2 * BtnW) / 3;
        Btn1->move(Left, Top);
        Btn2->move(2 * Left + BtnW, Top);
        break;
    }
    case stbHelp: {
        const int Right = CbShowEinleitung->x() + CbShowEinleitung->width();
        const int Gap = (ClientW - 10 - CbShowEinleitung->width() - 2 * BtnW - 10) / 3;
        Btn1->move(Right + Gap, Top);
        Btn2->move(Btn1->x() + BtnW + Gap, Top);
        break;
    }
    }
    Re1->setGeometry(10, 10, ClientW - 20, qMax(10, Top - 10 - 10));
}

void TSpeakTextDlg::changeEvent(QEvent *E)
{
    QDialog::changeEvent(E);
    // The screen reader starts reading the window when it becomes active;
    // the program speaks it itself.
    if (E->type() == QEvent::ActivationChange && isActiveWindow() && FSapiSpeechEnabled)
        TimerTolkStop.start(15);
}

void TSpeakTextDlg::TimerSpeechTimer()
{
    if (FSpeakTextString.trimmed().isEmpty() || !FSapiSpeechEnabled || !Speech)
        return;
    // Heard whole: the screen reader's announcement of the window neither
    // cuts it off nor follows it.
    Speech->SpeakWhole(FSpeakTextString);
}

void TSpeakTextDlg::TimerTolkStopTimer()
{
    if (Speech)
        Speech->Tolk().Stop();
}

void TSpeakTextDlg::CaretMoved()
{
    if (!FSpeakTextLinesEnabled || QApplication::focusWidget() != Re1 || !FSpeakTextLines->IsNewLine())
        return;
    const QString Line = FSpeakTextLines->Get(FSpeakTextLines->NewLine());
    if (Speech) {
        // Cuts off the screen reader's own reading of the line.
        Speech->Tolk().Speak(QStringLiteral(" "), true);
        Speech->Tolk().Silence();
    }
    if (FSapiSpeechEnabled)
        SpeakText(Line, true);
    else if (!Line.isEmpty() && Speech)
        Speech->Tolk().Speak(Line, true);
}

void TSpeakTextDlg::SpeechEndStream()
{
    if (FAutoCloseFormByEndStream && FSpeakTextButtons == stbOK && !FBreakKeyPressed && Btn1->isEnabled())
        Btn1->click();
}

void TSpeakTextDlg::ClickButton(QPushButton *B)
{
    if (B->isEnabled() && B->isVisible())
        B->click();
}

bool TSpeakTextDlg::HandleKey(QKeyEvent *K)
{
    if (K->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int Key = K->key();
    const bool Enter = Key == Qt::Key_Return || Key == Qt::Key_Enter;
    const bool Space = Key == Qt::Key_Space;
    const QChar C = K->text().isEmpty() ? QChar() : K->text().at(0).toLower();
    QPushButton *Target = nullptr;
    switch (FSpeakTextButtons) {
    case stbOK:
        if (Enter || Space || Key == Qt::Key_Escape)
            Target = Btn1;
        break;
    case stbYesNo:
        if (Enter || Space || C == u'j')
            Target = Btn1;
        else if (C == u'n')
            Target = Btn2;
        break;
    case stbRepeatNext:
        if (Enter || Space || C == u'n')
            Target = Btn1;
        else if (C == u'w')
            Target = Btn2;
        break;
    case stbHelp:
        if (C == u'h')
            Target = Btn1;
        else if (Enter || Space || Key == Qt::Key_Escape || C == u'c')
            Target = Btn2;
        break;
    }
    if (Target)
        ClickButton(Target);
    // Typed keys and Esc never reach the pane or the dialog's own handling.
    return Target || Enter || Key == Qt::Key_Escape || !K->text().isEmpty();
}

bool TSpeakTextDlg::eventFilter(QObject *Watched, QEvent *E)
{
    if (E->type() == QEvent::KeyPress) {
        auto *K = static_cast<QKeyEvent *>(E);
        FBreakKeyPressed = K->key() == Qt::Key_Shift && (K->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
        if (const int Vk = ArrowKeyCode(K->key()); Vk && Watched == Re1)
            CheckLineEndSound(FSoundsEnabled, true, *FMemo, Vk);
        if (Watched == Re1 || K->key() == Qt::Key_Escape)
            if (K->key() != Qt::Key_Tab && K->key() != Qt::Key_Backtab && HandleKey(K))
                return true;
    } else if (E->type() == QEvent::KeyRelease) {
        auto *K = static_cast<QKeyEvent *>(E);
        if (K->key() == Qt::Key_Shift && (K->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier &&
            !K->isAutoRepeat() && FSapiSpeechEnabled && FBreakKeyPressed && Speech)
            Speech->Stop();
    }
    return QDialog::eventFilter(Watched, E);
}

void TSpeakTextDlg::reject()
{
    // Only the window's own close comes here: Esc is handled with the keys.
    done(2);
}

void TSpeakTextDlg::done(int Result)
{
    TimerSpeech.stop();
    TimerTolkStop.stop();
    FSpeakTextLinesEnabled = false;
    PlaySoundNr(snDialogOff, FSoundsEnabled);
    if (FSpeakTextButtons == stbHelp && Result != 2)
        ShowEinleitung = CbShowEinleitung->isChecked();
    if (FSapiSpeechEnabled && Speech)
        Speech->Stop();
    QDialog::done(Result);
}

int ShowSpeakText(const QString &ACaption, const QString &AText, bool ASapiSpeechEnabled, bool ASoundsEnabled,
                  int AHelpId, const QString &ASpeakTextString, TSpeakTextButtons ASpeakTextButtons,
                  bool AAutoCloseFormByEndStream)
{
    if (AText.isEmpty())
        return 0;
    return ShowModal(
        [&] {
            auto *Dlg = new TSpeakTextDlg(nullptr, ACaption, AText, ASapiSpeechEnabled, ASoundsEnabled,
                                          ASpeakTextString, ASpeakTextButtons, AAutoCloseFormByEndStream);
            if (HelpSystem)
                HelpSystem->SetHelpId(AHelpId);
            return Dlg;
        },
        OnSpeakTextDlgShown ? [](QDialog *D) {
                         if (OnSpeakTextDlgShown)
                             OnSpeakTextDlgShown(static_cast<TSpeakTextDlg *>(D));
                     }
                            : std::function<void(QDialog *)>(),
        nullptr, [](const QString &) { return QStringLiteral("Fehler bei SpeakTextDlg!"); });
}
