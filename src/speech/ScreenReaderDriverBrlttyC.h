#pragma once

#include "speech/ScreenReaderDriverC.h"

// The braille display through BRLTTY's BrlAPI: active while a connection to
// BRLTTY can be opened (BRLAPI_HOST and BRLAPI_AUTH name the server as for
// every BrlAPI client). Text goes to the display, Unicode braille cells as
// their dots; it does not speak.
class TScreenReaderDriverBrltty : public TScreenReaderDriver
{
public:
    TScreenReaderDriverBrltty();
    ~TScreenReaderDriverBrltty() override;

    bool Speak(const QString &, bool) override { return false; }
    bool Braille(const QString &S) override;
    bool BrailleLine(const QString &Line, int Caret) override;
    void Release() override { Disconnect(); }
    bool IsSpeaking() override { return false; }
    bool Silence() override { return false; }
    bool IsActive() override;
    bool Output(const QString &S, bool Interrupt) override;

private:
    bool Connect();
    void Disconnect();
    bool Write(const QString &S, int Cursor);

    bool FConnected = false;
    int FCells = 0; // the display's width
};
