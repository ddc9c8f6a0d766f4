#include "braille/BrlKeyBrdC.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "platform/KeyScanCodeC.h"
#include "speech/SpeechC.h"

#include <QApplication>
#include <QKeyEvent>
#include <QThread>
#include <QWidget>
#include <stdexcept>
#include <utility>

namespace
{
// A short word on a key: through the program's voice when it is on, else
// through the screen reader.
void SpeakShort(const QString &Text)
{
    if (IsSapiSpeechEnabled())
        SpeakText(Text, true);
    else if (Speech)
        Speech->Tolk().Speak(Text, true);
}
} // namespace

TBrlKeyBrd *BrlKeyBrd = nullptr;

TCustomHook::TCustomHook()
    : FThreadID(QThread::currentThreadId())
{
}

TCustomHook::~TCustomHook() = default;

void TCustomHook::SetActive(bool Value)
{
    if (FActive == Value)
        return;
    if (Value) {
        FHook = AllocateHook();
        if (!FHook)
            throw std::runtime_error(std::string(ClassName()) + " CREATION FAILED!");
        FActive = true;
    } else {
        if (FHook)
            FreeHook();
        FHook = false;
        FActive = false;
    }
}

void TCustomHook::SetThreadID(Qt::HANDLE Value)
{
    const bool Was = FActive;
    SetActive(false);
    FThreadID = Value;
    SetActive(Was);
}

void TCustomHook::PreExecute(THookMsg &HookMsg, bool &Handled)
{
    if (OnPreExecute)
        OnPreExecute(this, HookMsg);
    Handled = HookMsg.Result != 0;
}

void TCustomHook::PostExecute(THookMsg &HookMsg)
{
    if (OnPostExecute)
        OnPostExecute(this, HookMsg);
}

bool TCustomHook::HookProc(THookMsg &HookMsg)
{
    HookMsg.Result = 0;
    bool Handled = false;
    PreExecute(HookMsg, Handled);
    if (Handled)
        return true;
    // Nothing comes after us that could change the event: it goes on.
    PostExecute(HookMsg);
    return false;
}

void TLowLevelKeyboardHook::PreExecute(THookMsg &HookMsg, bool &Handled)
{
    FHookStruct = reinterpret_cast<const TKeyboardHookStruct *>(HookMsg.LParam);
    THook::PreExecute(HookMsg, Handled);
}

void TLowLevelKeyboardHook::PostExecute(THookMsg &HookMsg)
{
    THook::PostExecute(HookMsg);
    FHookStruct = nullptr;
}

bool TLowLevelKeyboardHook::AllocateHook()
{
    // Events are filtered on the application's thread only.
    if (!qApp || QThread::currentThreadId() != ThreadID() || QThread::currentThread() != qApp->thread())
        return false;
    qApp->installEventFilter(this);
    return true;
}

void TLowLevelKeyboardHook::FreeHook()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool TLowLevelKeyboardHook::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() != QEvent::KeyPress && Event->type() != QEvent::KeyRelease)
        return false;
    // A key passes the filter several times on its way (window, focus
    // widget, parents); while a screen reader runs, the accessibility bridge
    // also swallows the original and delivers a copy. Acting at the focus
    // widget sees each key once.
    QWidget *Focus = QApplication::focusWidget();
    if (Focus ? Watched != Focus : Watched != QApplication::activeWindow())
        return false;
    const auto *Key = static_cast<QKeyEvent *>(Event);
    TKeyboardHookStruct S;
    S.ScanCode = HardwareScanCode(Key);
    S.AutoRepeat = Key->isAutoRepeat();
    S.Alt = Key->modifiers() & Qt::AltModifier;
    S.Shift = Key->modifiers() & Qt::ShiftModifier;
    S.Control = Key->modifiers() & Qt::ControlModifier;
    THookMsg Msg;
    Msg.WParam = Event->type() == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP;
    Msg.LParam = reinterpret_cast<qintptr>(&S);
    return HookProc(Msg);
}

TBrlKeyBrd::TBrlKeyBrd(QWidget *AOwner)
    : FOwner(AOwner)
{
    OnPreExecute = [this](TCustomHook *, THookMsg &Msg) { BrlPreExecute(Msg); };
}

TBrlKeyBrd::~TBrlKeyBrd()
{
    SetActive(false);
    if (BrlKeyBrd == this)
        BrlKeyBrd = nullptr;
}

int TBrlKeyBrd::KeyBit(int ScanCode)
{
    switch (ScanCode) {
    case 33:
        return 1; // F: dot 1
    case 32:
        return 2; // D: dot 2
    case 31:
        return 4; // S: dot 3
    case 36:
        return 8; // J: dot 4
    case 37:
        return 16; // K: dot 5
    case 38:
        return 32; // L: dot 6
    case 30:       // A
    case 39:
        return 64; // Ö: chord keys without a dot
    default:
        return 0;
    }
}

QString TBrlKeyBrd::DotsOfKeys(int Keys)
{
    QString Dots;
    for (int Dot = 1; Dot <= 6; ++Dot)
        if (Keys & (1 << (Dot - 1)))
            Dots += QChar(u'0' + Dot);
    return Dots;
}

bool TBrlKeyBrd::OwnerIsActive() const
{
    if (!FOwner)
        return false;
    QWidget *Window = FOwner->window();
    if (QApplication::activeWindow() != Window)
        return false;
    QWidget *Modal = QApplication::activeModalWidget();
    if (Modal && Modal != Window)
        return false;
    QWidget *Focus = QApplication::focusWidget();
    return !Focus || Focus->window() == Window;
}

void TBrlKeyBrd::BrlPreExecute(THookMsg &Msg)
{
    Msg.Result = 0;
    const TKeyboardHookStruct *S = HookStruct();
    if (Msg.Code != 0 || !S)
        return;
    if (!OwnerIsActive() || !Querztastatur)
        return;
    if (EineTasteNachDerAnderen) {
        OneKeyPreExecute(Msg, *S);
        return;
    }
    FOneKeyDots = 0;
    int B = KeyBit(S->ScanCode);
    if (S->Extended || S->Alt || S->Shift || S->Control)
        B = 0;
    if (B == 0) {
        FKeys = 0;
        FTempKeys = 0;
        return;
    }
    if (Msg.WParam == WM_KEYDOWN) {
        // A held key repeats its press (or, without detectable auto-repeat,
        // a release/press pair flagged as repeat): no effect.
        FKeys |= B;
        FTempKeys |= B;
    } else if (Msg.WParam == WM_KEYUP && !S->AutoRepeat) {
        FTempKeys &= ~B;
        if (FTempKeys == 0) {
            const int Keys = std::exchange(FKeys, 0);
            Notify(Keys);
        }
    }
    Msg.Result = 1;
}

void TBrlKeyBrd::Notify(int Keys)
{
    if (!OnBrlKeyBrdNotify)
        return;
    const QString Dots = DotsOfKeys(Keys);
    TBuc Buc;
    QChar Cell;
    if (!Dots.isEmpty() && BrlUniChar && BrlUniChar->FindDots(Dots, Buc))
        Cell = Buc.UniBrl;
    const bool Written = OnBrlKeyBrdNotify(Cell);
    // What was written is said by its name; the screen reader's own echo
    // of the new cell ("Punkte 1 2") is cut off for it.
    if (Written && ZeichenAnsagen && !Cell.isNull() && Cell.unicode() != 0x2800) {
        if (Speech)
            Speech->Tolk().Speak(QStringLiteral(" "), true);
        SpeakShort(QString(Cell)); // the voice says a cell by its name
    }
}

QString TBrlKeyBrd::DotChangeText(int Bit, bool Added)
{
    const QString Dot = QStringLiteral("Punkt ") + DotsOfKeys(Bit);
    return Added ? Dot : Dot + QStringLiteral(" weg");
}

void TBrlKeyBrd::OneKeyPreExecute(THookMsg &Msg, const TKeyboardHookStruct &S)
{
    constexpr int ScanSpace = 57, ScanBackspace = 14;
    if (Msg.WParam == WM_KEYUP && S.ScanCode == FSwallowRelease) {
        if (!S.AutoRepeat)
            FSwallowRelease = -1;
        Msg.Result = 1;
        return;
    }
    // Keys with a modifier are the windows' own.
    if (S.Extended || S.Alt || S.Shift || S.Control)
        return;
    const int B = KeyBit(S.ScanCode);
    if (B != 0) {
        // A and Ö carry no dot: they only do nothing.
        if (Msg.WParam == WM_KEYDOWN && !S.AutoRepeat && (B & 63)) {
            FOneKeyDots ^= B;
            SpeakShort(DotChangeText(B, FOneKeyDots & B));
        }
        Msg.Result = 1;
        return;
    }
    if (Msg.WParam != WM_KEYDOWN || FOneKeyDots == 0)
        return;
    if (S.ScanCode == ScanSpace) {
        FSwallowRelease = ScanSpace;
        Msg.Result = 1;
        Notify(std::exchange(FOneKeyDots, 0));
    } else if (S.ScanCode == ScanBackspace) {
        FSwallowRelease = ScanBackspace;
        Msg.Result = 1;
        FOneKeyDots = 0;
        SpeakShort(QStringLiteral("Punkte gelöscht"));
    }
}
