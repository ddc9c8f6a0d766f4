#include "speech/ScreenReaderDriverBrlttyC.h"

#include <brlapi.h>

TScreenReaderDriverBrltty::TScreenReaderDriverBrltty()
    : TScreenReaderDriver(QStringLiteral("BRLTTY"), false, true)
{
}

TScreenReaderDriverBrltty::~TScreenReaderDriverBrltty()
{
    Disconnect();
}

bool TScreenReaderDriverBrltty::Connect()
{
    if (FConnected)
        return true;
    // A server that is not there refuses at once; the settings come from the
    // environment as for every BrlAPI client.
    if (brlapi_openConnection(nullptr, nullptr) == (brlapi_fileDescriptor)(-1))
        return false;
    if (brlapi_enterTtyModeWithPath(nullptr, 0, nullptr) < 0) {
        brlapi_closeConnection();
        return false;
    }
    FConnected = true;
    return true;
}

void TScreenReaderDriverBrltty::Disconnect()
{
    if (!FConnected)
        return;
    brlapi_leaveTtyMode();
    brlapi_closeConnection();
    FConnected = false;
}

bool TScreenReaderDriverBrltty::IsActive()
{
    return Connect();
}

bool TScreenReaderDriverBrltty::Braille(const QString &S)
{
    if (S.isEmpty() || !Connect())
        return false;
    const QByteArray Text = S.toUtf8();
    brlapi_writeArguments_t W = BRLAPI_WRITEARGUMENTS_INITIALIZER;
    W.text = Text.constData();
    W.textSize = int(Text.size());
    W.charset = const_cast<char *>("UTF-8");
    W.cursor = BRLAPI_CURSOR_OFF;
    if (brlapi_write(&W) < 0) {
        // BRLTTY has gone; the next request connects anew.
        Disconnect();
        return false;
    }
    return true;
}

bool TScreenReaderDriverBrltty::Output(const QString &S, bool)
{
    return Braille(S);
}
