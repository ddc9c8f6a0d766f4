#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>
#include <memory>

class QAudioSink;
class QBuffer;

// Plays 16-bit PCM held in memory on the default audio output: one piece at
// a time, a new one cutting off the last; Stop cuts off at once. Silent
// without an output device. Lives on the main thread.
class TPcmOutput : public QObject
{
public:
    TPcmOutput();
    ~TPcmOutput() override;

    static bool HasDevice();
    bool Play(const QByteArray &Pcm, int Rate, int Channels);
    void Stop();
    void SetVolume(double Volume); // 0 to 1
    bool IsPlaying() const;
    // Called once the last sample of a piece has been handed to the output.
    std::function<void()> OnFinished;

private:
    std::unique_ptr<QAudioSink> FSink;
    std::unique_ptr<QBuffer> FBuffer;
    QByteArray FData;
    double FVolume = 1.0;
};
