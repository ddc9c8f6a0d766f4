#include "keytest/TastaturtestDlgC.h"

#include "app/SettingsC.h"
#include "braille/BrlKeyBrdC.h"
#include "common/AccessibilityC.h"
#include "common/DisplayHelperC.h"
#include "common/ModalC.h"
#include "common/PlainTextMemoC.h"
#include "platform/KeyScanCodeC.h"
#include "sound/SoundsHelperC.h"
#include "speech/SpeechC.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <bit>
#include <utility>

std::function<void(TTastaturtestDlg *)> OnTastaturtestDlgShown;

namespace
{
// The tested keys in their order on the keyboard (scan codes of PC set 1).
struct TTestKey {
    int ScanCode;
    const char16_t *Name;
};
constexpr TTestKey TestKeys[] = {{30, u"A"}, {31, u"S"}, {32, u"D"}, {33, u"F"},
                                 {36, u"J"}, {37, u"K"}, {38, u"L"}, {39, u"Ö"}};

int Count(int Keys)
{
    return std::popcount(unsigned(Keys));
}

// More dots first: they are what braille needs; then more keys.
bool Better(int A, int B)
{
    const int DotsA = Count(A & TTastaturtest::ktDots), DotsB = Count(B & TTastaturtest::ktDots);
    return DotsA != DotsB ? DotsA > DotsB : Count(A) > Count(B);
}

QString NameOfDot(int Dot)
{
    for (const TTestKey &K : TestKeys)
        if (TBrlKeyBrd::KeyBit(K.ScanCode) == 1 << (Dot - 1))
            return QString::fromUtf16(K.Name);
    return QString();
}

QStringList VerdictLines(int Keys)
{
    const int Dots = Keys & TTastaturtest::ktDots;
    if (Count(Keys) < 2)
        return {QStringLiteral("Es kam nur eine Taste auf einmal an."),
                QStringLiteral("Halte alle sechs Tasten gleichzeitig gedrückt.")};
    if (Dots == TTastaturtest::ktDots) {
        QStringList L{QStringLiteral("Deine Tastatur kann jede Braillekombination schreiben.")};
        const bool A = Keys & TTastaturtest::ktA, Oe = Keys & TTastaturtest::ktOe;
        if (A && Oe)
            L << QStringLiteral("Auch A und Ö kamen mit an.");
        else if (A)
            L << QStringLiteral("Auch A kam mit an, Ö nicht.");
        else if (Oe)
            L << QStringLiteral("Auch Ö kam mit an, A nicht.");
        return L;
    }
    QStringList Missing;
    for (int Dot = 1; Dot <= 6; ++Dot)
        if (!(Dots & (1 << (Dot - 1))))
            Missing << QStringLiteral("Punkt %1 (%2)").arg(Dot).arg(NameOfDot(Dot));
    return {QStringLiteral("Deine Tastatur meldet höchstens %1 Tasten gleichzeitig.").arg(Count(Keys)),
            QStringLiteral("Nicht angekommen: %1.").arg(Missing.join(QStringLiteral(", "))),
            Missing.size() == 1 ? QStringLiteral("Kombinationen mit diesem Punkt gehen verloren.")
                                : QStringLiteral("Kombinationen mit diesen Punkten gehen verloren."),
            QStringLiteral("Versuche eine andere Tastatur oder schalte in den Einstellungen "
                           "„Eine Taste nach der anderen“ ein.")};
}
} // namespace

int TTastaturtest::KeyBitOf(int ScanCode)
{
    if (ScanCode == 30)
        return ktA;
    if (ScanCode == 39)
        return ktOe;
    const int Bit = TBrlKeyBrd::KeyBit(ScanCode);
    return Bit & ktDots;
}

bool TTastaturtest::KeyDown(int ScanCode)
{
    const int B = KeyBitOf(ScanCode);
    // A held key repeats its press: nothing new.
    if (B == 0 || (FHeld & B))
        return false;
    FHeld |= B;
    if (Better(FHeld, FMax))
        FMax = FHeld;
    return false;
}

bool TTastaturtest::KeyUp(int ScanCode, bool AutoRepeat)
{
    const int B = KeyBitOf(ScanCode);
    // A key already down when the window opened ends nothing.
    if (B == 0 || AutoRepeat || !(FHeld & B))
        return false;
    FHeld &= ~B;
    if (FHeld != 0)
        return false;
    FLast = FMax;
    FMax = 0;
    if (Better(FLast, FBest))
        FBest = FLast;
    return true;
}

QString TTastaturtest::KeysText(int Keys)
{
    QStringList Names;
    for (const TTestKey &K : TestKeys)
        if (Keys & KeyBitOf(K.ScanCode))
            Names << QString::fromUtf16(K.Name);
    return Names.join(u' ');
}

QString TTastaturtest::DotsText(int Keys)
{
    const QString Dots = TBrlKeyBrd::DotsOfKeys(Keys & ktDots);
    if (Dots.isEmpty())
        return QString();
    QStringList Each;
    for (QChar C : Dots)
        Each << QString(C);
    return (Each.size() == 1 ? QStringLiteral("Punkt ") : QStringLiteral("Punkte ")) + Each.join(u' ');
}

QString TTastaturtest::KeysAndDots(int Keys)
{
    QString S = KeysText(Keys);
    if (const QString Dots = DotsText(Keys); !Dots.isEmpty())
        S += QStringLiteral(" (") + Dots + u')';
    return S;
}

QString TTastaturtest::ArrivedLine(int Keys)
{
    return QStringLiteral("Gleichzeitig angekommen: ") + KeysAndDots(Keys);
}

QString TTastaturtestDlg::Anleitung()
{
    return QStringLiteral("Halte die Tasten S, D, F, J, K und L gleichzeitig gedrückt und lass sie dann los.\n"
                          "Du kannst auch A und Ö dazunehmen, auch diese beiden Tasten werden geprüft.\n"
                          "Danach steht hier, welche Tasten gleichzeitig angekommen sind.\n"
                          "Du kannst den Test beliebig oft wiederholen. Esc schließt das Fenster.");
}

TTastaturtestDlg::TTastaturtestDlg(QWidget *AOwner, int AHelpId)
    : TProgramDialog(AOwner, AHelpId)
{
    setWindowTitle(QStringLiteral("Tastaturtest"));
    LbErgebnis = new QLabel(QStringLiteral("&Ergebnis:"), this);
    Re1 = new QPlainTextEdit(this);
    LbErgebnis->setBuddy(Re1);
    Re1->setReadOnly(true);
    // Read-only, yet the caret must move for the learner to read line by line.
    Re1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Re1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Re1->setTabChangesFocus(true);
    LbGedrueckt = new QLabel(this);
    BtnSchliessen = new QPushButton(QStringLiteral("S&chließen"), this);
    BtnSchliessen->setAutoDefault(false);
    setTabOrder(Re1, BtnSchliessen);
    connect(BtnSchliessen, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });

    FMemo = std::make_unique<TPlainTextMemo>(Re1);
    ShowHeld();
    TimerSay.setSingleShot(true);
    connect(&TimerSay, &QTimer::timeout, this, [this] {
        if (FPending.isEmpty()) {
            // The program's voice speaks: the screen reader stops reading.
            if (Speech)
                Speech->Tolk().Stop();
            return;
        }
        const QString Text = std::exchange(FPending, QString());
        if (!Speech || !Speech->Tolk().Output(Text, true))
            AnnounceToScreenReader(Text);
    });
    // Application-wide: the keys must be caught before any widget (or a
    // shortcut) acts on them.
    qApp->installEventFilter(this);
}

TTastaturtestDlg::~TTastaturtestDlg()
{
    qApp->removeEventFilter(this);
}

void TTastaturtestDlg::FormShow()
{
    ApplyDisplaySettings(this);
    FillWorkArea(this);
    LayoutControls();
    FMemo->SetText(Anleitung().replace(u'\n', QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    FMemo->SetSelStart(0);
    Re1->setFocus();
    PlaySoundNr(snDialogOn, SoundsEnabled);
    // The screen reader reads the window as it opens; the program's voice
    // reads the whole instruction.
    if (IsSapiSpeechEnabled()) {
        SpeakText(QString(Anleitung()).replace(u'\n', u' '), true);
        TimerSay.start(20);
    }
    CenterOnWorkArea(this);
}

void TTastaturtestDlg::resizeEvent(QResizeEvent *E)
{
    QDialog::resizeEvent(E);
    LayoutControls();
}

void TTastaturtestDlg::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    const int ClientW = width();
    const int ClientH = height();
    const int BtnW = TextWidthForFont(Font, StripAmpersands(BtnSchliessen->text()) + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, BtnSchliessen);
    BtnSchliessen->resize(BtnW, BtnH);
    const int Top = ClientH - 10 - BtnH;
    BtnSchliessen->move((ClientW - BtnW) / 2, Top);
    const int LabelH = ControlHeightForFont(Font, LbGedrueckt) + 4;
    LbGedrueckt->setGeometry(10, Top - 10 - LabelH, ClientW - 20, LabelH);
    LbErgebnis->setGeometry(10, 10, ClientW - 20, LabelH);
    const int PaneTop = LbErgebnis->y() + LabelH + 5;
    Re1->setGeometry(10, PaneTop, ClientW - 20, qMax(10, LbGedrueckt->y() - 10 - PaneTop));
}

void TTastaturtestDlg::ShowHeld()
{
    const QString Keys = TTastaturtest::KeysText(FTest.Held());
    LbGedrueckt->setText(QStringLiteral("Gedrückt: ") + (Keys.isEmpty() ? QStringLiteral("keine Taste") : Keys));
}

void TTastaturtestDlg::ShowResult()
{
    QStringList Lines{TTastaturtest::ArrivedLine(FTest.Last())};
    // A failed attempt does not hide what the keyboard has already shown.
    if (FTest.Best() != FTest.Last())
        Lines << QStringLiteral("Bester Versuch: ") + TTastaturtest::KeysAndDots(FTest.Best());
    Lines << VerdictLines(FTest.Best());
    FResultText = Lines.join(u' ');
    Lines << QString() << QStringLiteral("Zum Wiederholen halte die Tasten noch einmal gedrückt.");
    FMemo->SetText(Lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    // The result is read where it is written, also when the learner had
    // gone on to the button.
    Re1->setFocus();
    NudgeScreenReader(Re1, 0);
    Say(FResultText);
}

void TTastaturtestDlg::Say(const QString &Text)
{
    if (IsSapiSpeechEnabled() && Speech) {
        SpeakText(Text, true);
        FPending.clear();
        TimerSay.start(20);
    } else {
        // After the screen reader has read the first line at the caret.
        FPending = Text;
        TimerSay.start(150);
    }
}

bool TTastaturtestDlg::eventFilter(QObject *Watched, QEvent *E)
{
    const QEvent::Type Type = E->type();
    if (Type != QEvent::KeyPress && Type != QEvent::KeyRelease && Type != QEvent::ShortcutOverride)
        return QDialog::eventFilter(Watched, E);
    // A key passes the filter several times on its way: act once, at the
    // focus widget, and only for keys that belong to this window.
    QWidget *Focus = QApplication::focusWidget();
    if (Watched != (Focus ? static_cast<QObject *>(Focus) : this) || (Focus && Focus->window() != this))
        return QDialog::eventFilter(Watched, E);
    auto *K = static_cast<QKeyEvent *>(E);
    const int Code = HardwareScanCode(K);
    if (TTastaturtest::KeyBitOf(Code) == 0) {
        if (Type == QEvent::KeyPress) {
            if (const int Vk = ArrowKeyCode(K->key()); Vk && Watched == Re1)
                CheckLineEndSound(true, true, *FMemo, Vk);
        }
        return QDialog::eventFilter(Watched, E);
    }
    if (Type == QEvent::ShortcutOverride) {
        // Claimed, so that no shortcut fires; the press then ends here.
        E->accept();
        return true;
    }
    if (Type == QEvent::KeyPress) {
        FTest.KeyDown(Code);
        ShowHeld();
    } else if (FTest.KeyUp(Code, K->isAutoRepeat())) {
        ShowHeld();
        ShowResult();
    } else {
        ShowHeld();
    }
    return true;
}

void TTastaturtestDlg::done(int Result)
{
    TimerSay.stop();
    PlaySoundNr(snDialogOff, SoundsEnabled);
    if (IsSapiSpeechEnabled() && Speech)
        Speech->Stop();
    QDialog::done(Result);
}

int ShowTastaturtest(QWidget *Parent, int AHelpId)
{
    return ShowModal([Parent, AHelpId] { return new TTastaturtestDlg(Parent, AHelpId); },
                     OnTastaturtestDlgShown ? [](QDialog *D) {
                         if (OnTastaturtestDlgShown)
                             OnTastaturtestDlgShown(static_cast<TTastaturtestDlg *>(D));
                     }
                                            : std::function<void(QDialog *)>(),
                     nullptr, [](const QString &) { return QStringLiteral("Fehler bei TastaturtestDlg!"); });
}
