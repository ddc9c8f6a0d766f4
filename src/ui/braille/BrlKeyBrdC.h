#pragma once

#include <QChar>
#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QWidget;

// The braille keyboard: six keys of the ordinary keyboard stand for the six
// dots (S D F for 3 2 1, J K L for 4 5 6); keys pressed together form a
// chord, written when the last of them is released. The keys are told by
// their position on the keyboard, not by the layout.
//
// The first three classes are a small hook framework over an application-wide
// event filter: a hook sees every key event of the program while it is
// active and may swallow it before any window gets it.

class TCustomHook;

// The three arguments of a hook call and the value to return: Code 0 for a
// key event, WParam the kind (256 down, 257 up), LParam the event's
// TKeyboardHookStruct. Result 1 swallows the event.
struct THookMsg {
    int Code = 0;
    quintptr WParam = 0;
    qintptr LParam = 0;
    qintptr Result = 0;
};
using THookNotify = std::function<void(TCustomHook *Hook, THookMsg &HookMsg)>;

enum : quintptr { WM_KEYDOWN = 256, WM_KEYUP = 257 };

// The key event being processed.
struct TKeyboardHookStruct {
    int ScanCode = -1;
    bool Extended = false;
    bool AutoRepeat = false;
    bool Alt = false, Shift = false, Control = false;
};

class TCustomHook : public QObject
{
public:
    TCustomHook();
    ~TCustomHook() override;

    bool Active() const { return FActive; }
    // True installs the hook; when that fails it stays inactive and
    // std::runtime_error "<class> CREATION FAILED!" is thrown.
    void SetActive(bool Value);
    Qt::HANDLE ThreadID() const { return FThreadID; }
    void SetThreadID(Qt::HANDLE Value);

    THookNotify OnPreExecute;
    THookNotify OnPostExecute;

protected:
    virtual void PreExecute(THookMsg &HookMsg, bool &Handled);
    virtual void PostExecute(THookMsg &HookMsg);
    virtual bool AllocateHook() = 0;
    virtual void FreeHook() = 0;
    virtual const char *ClassName() const = 0;
    // The hook procedure: true swallows the event.
    bool HookProc(THookMsg &HookMsg);

private:
    bool FHook = false;
    bool FActive = false;
    bool FLoadedActive = false;
    Qt::HANDLE FThreadID;
};

class THook : public TCustomHook
{
};

// Sees the program's key events through an application-wide event filter,
// once each, at the widget that has the focus.
class TLowLevelKeyboardHook : public THook
{
public:
    const TKeyboardHookStruct *HookStruct() const { return FHookStruct; }

protected:
    void PreExecute(THookMsg &HookMsg, bool &Handled) override;
    void PostExecute(THookMsg &HookMsg) override;
    bool AllocateHook() override;
    void FreeHook() override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    const TKeyboardHookStruct *FHookStruct = nullptr;
};

class TBrlKeyBrd : public TLowLevelKeyboardHook
{
public:
    // The chord keys act only while AOwner's window is the program's active
    // window, no other window is modal and the setting Querztastatur is on.
    explicit TBrlKeyBrd(QWidget *AOwner);
    ~TBrlKeyBrd() override;

    // Once per completed chord: the chord's braille cell, or 0 when no table
    // entry has these dots; returns whether the cell was written (a text
    // only for reading takes none).
    std::function<bool(QChar Key)> OnBrlKeyBrdNotify;

    // The bit of a chord key (1 dot 1 ... 32 dot 6, 64 for A and Ö), 0 for
    // any other scan code.
    static int KeyBit(int ScanCode);
    // "1245" for the bits of a chord.
    static QString DotsOfKeys(int Keys);
    // The dots gathered so far when braille is typed one key at a time
    // (setting EineTasteNachDerAnderen), as bits.
    int PendingDots() const { return FOneKeyDots; }
    // What a dot key said in that mode: "Punkt 1", "Punkt 1 weg".
    static QString DotChangeText(int Bit, bool Added);

protected:
    const char *ClassName() const override { return "TBrlKeyBrd"; }

private:
    void BrlPreExecute(THookMsg &HookMsg);
    // One key at a time: each dot key adds or removes its dot, Space writes
    // the cell, Backspace clears the dots; with no dots gathered, Space and
    // Backspace are the windows' own.
    void OneKeyPreExecute(THookMsg &HookMsg, const TKeyboardHookStruct &S);
    void Notify(int Keys);
    bool OwnerIsActive() const;

    QPointer<QWidget> FOwner;
    int FKeys = 0;
    int FTempKeys = 0;
    int FOneKeyDots = 0;
    // Scan code whose release is swallowed with its press.
    int FSwallowRelease = -1;
};

// The braille keyboard of the window that is open, or null.
extern TBrlKeyBrd *BrlKeyBrd;
