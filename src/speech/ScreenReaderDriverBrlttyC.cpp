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
    unsigned int X = 0, Y = 0;
    FCells = brlapi_getDisplaySize(&X, &Y) == 0 ? int(X * Y) : 0;
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
    return Write(S, BRLAPI_CURSOR_OFF);
}

bool TScreenReaderDriverBrltty::BrailleLine(const QString &Line, int Caret)
{
    if (!Connect())
        return false;
    if (Caret < 0 || FCells <= 0)
        return Write(Line.isEmpty() ? QStringLiteral(" ") : Line, BRLAPI_CURSOR_OFF);
    // The display's width of the line that holds the caret, as the learner
    // pans through it; BrlAPI counts the cursor from 1.
    const int Start = Caret / FCells * FCells;
    QString Part = Line.mid(Start, FCells);
    if (Part.isEmpty())
        Part = QStringLiteral(" ");
    return Write(Part, Caret - Start + 1);
}

bool TScreenReaderDriverBrltty::Write(const QString &S, int Cursor)
{
    // BrlAPI counts characters, not UTF-16 units: every character the
    // program shows lies in the basic plane.
    const QByteArray Text = S.toUtf8();
    brlapi_writeArguments_t W = BRLAPI_WRITEARGUMENTS_INITIALIZER;
    W.text = Text.constData();
    W.textSize = int(Text.size());
    W.charset = const_cast<char *>("UTF-8");
    W.cursor = Cursor;
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
