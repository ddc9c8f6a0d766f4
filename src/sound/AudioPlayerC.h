#pragma once

#include "sound/PcmOutputC.h"

#include <QString>

// Plays sound files on the system's default audio output: one sound at a
// time, a new one cutting off the last. Files are decoded with libsndfile
// (WAV, FLAC, Ogg, MP3 and the other formats it reads) and played through a
// Qt audio sink. Without an output device everything is silent.
// Lives on the main thread.
class TAudioPlayer
{
public:

    // Whether there is an output to play on.
    bool HasDevice() const;
    // Starts the file from its beginning; false (and silence) when the file
    // cannot be read or there is no output.
    bool Play(const QString &FileName);
    void Stop();
    // Volume of the output in percent, 0 to 100.
    void SetMainVolume(int Percent);
    // Length of the current sound in seconds; 0 without one.
    double MainDauer() const { return FMainDauer; }

private:
    TPcmOutput FOutput;
    double FMainDauer = 0;
};

// The length of an audio file in seconds from its tags and stream data; 0
// when it cannot be read.
double AudioFileLength(const QString &FileName);
