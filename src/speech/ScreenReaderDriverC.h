#pragma once

#include <QString>

// One way to reach the learner's screen reader or braille display.
class TScreenReaderDriver
{
public:
    TScreenReaderDriver(const QString &AName, bool AHasSpeech, bool AHasBraille)
        : FName(AName)
        , FHasSpeech(AHasSpeech)
        , FHasBraille(AHasBraille)
    {
    }
    virtual ~TScreenReaderDriver() = default;

    QString Name() const { return FName; }
    bool HasSpeech() const { return FHasSpeech; }
    bool HasBraille() const { return FHasBraille; }

    // Each returns whether the screen reader took the request.
    virtual bool Speak(const QString &S, bool Interrupt) = 0;
    // A window's text, heard whole over the screen reader's own
    // announcement of the window.
    virtual bool SpeakWhole(const QString &S) { return Speak(S, true); }
    virtual bool Braille(const QString &S) = 0;
    // One line with the caret in it (its position in Line, -1 for none):
    // the part of the line that holds the caret, the caret shown.
    virtual bool BrailleLine(const QString &Line, int) { return Braille(Line); }
    // Another screen reader has come: lets go of what this one holds.
    virtual void Release() {}
    virtual bool IsSpeaking() = 0;
    virtual bool Silence() = 0;
    // The screen reader runs and can be reached.
    virtual bool IsActive() = 0;
    // Speech and braille both.
    virtual bool Output(const QString &S, bool Interrupt) = 0;

private:
    QString FName;
    bool FHasSpeech;
    bool FHasBraille;
};
