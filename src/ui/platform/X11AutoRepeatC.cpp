#include "platform/X11AutoRepeatC.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names: this file includes nothing of Qt after it.
#include <X11/XKBlib.h>

bool EnableDetectableAutoRepeat()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto *X11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!X11 || !X11->display())
        return false;
    Bool Supported = False;
    XkbSetDetectableAutoRepeat(X11->display(), True, &Supported);
    return Supported;
}
