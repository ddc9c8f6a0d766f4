#include "platform/KeyScanCodeC.h"

#include <QKeyEvent>

// X11 and Wayland report XKB key codes: the kernel's evdev code plus 8. The
// evdev codes of the main block are the PC set-1 scan codes.
int HardwareScanCode(const QKeyEvent *Event)
{
    const int Native = int(Event->nativeScanCode());
    return Native > 8 ? Native - 8 : -1;
}
