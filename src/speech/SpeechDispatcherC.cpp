#include "speech/SpeechDispatcherC.h"

#include <QLocale>

#include <libspeechd.h>

#include <algorithm>
#include <mutex>

namespace {
// The library's callbacks carry no user data: the one living client.
std::mutex ClientMutex;
TSpeechDispatcher *Client = nullptr;

SPDConnection *Conn(void *Handle)
{
    return static_cast<SPDConnection *>(Handle);
}

QString Describe(const SPDVoice *V)
{
    return QStringLiteral("speech-dispatcher %1 (%2)").arg(QString::fromUtf8(V->name), QString::fromUtf8(V->language));
}
} // namespace

TSpeechDispatcher::TSpeechDispatcher()
{
    char *Error = nullptr;
    // No autospawn: a missing service must not hold up the program.
    SPDConnection *C = spd_open2("tastwerk", "main", nullptr, SPD_MODE_THREADED, nullptr, 0, &Error);
    free(Error);
    if (!C)
        return;
    FConnection = C;
    {
        std::lock_guard Lock(ClientMutex);
        Client = this;
    }
    C->callback_end = [](size_t M, size_t C, SPDNotificationType T) { EndCallback(M, C, int(T)); };
    spd_set_notification_on(Conn(FConnection), SPD_END);
}

TSpeechDispatcher::~TSpeechDispatcher()
{
    {
        std::lock_guard Lock(ClientMutex);
        if (Client == this)
            Client = nullptr;
    }
    if (FConnection) {
        spd_cancel(Conn(FConnection));
        spd_close(Conn(FConnection));
    }
}

void TSpeechDispatcher::EndCallback(size_t, size_t, int)
{
    std::lock_guard Lock(ClientMutex);
    if (TSpeechDispatcher *C = Client)
        QMetaObject::invokeMethod(
            C,
            [C] {
                if (C->OnEndStream)
                    C->OnEndStream();
            },
            Qt::QueuedConnection);
}

QStringList TSpeechDispatcher::Tokens() const
{
    QStringList Result;
    if (!FConnection)
        return Result;
    SPDVoice **Voices = spd_list_synthesis_voices(Conn(FConnection));
    if (!Voices)
        return Result;
    const QString Own = QLocale::system().name().left(2);
    for (SPDVoice **V = Voices; *V; ++V) {
        const QString Language = QString::fromUtf8((*V)->language);
        if (Language.startsWith(QStringLiteral("de")) || (Own != u"C" && !Own.isEmpty() && Language.startsWith(Own)))
            Result.append(Describe(*V));
    }
    free_spd_voices(Voices);
    std::sort(Result.begin(), Result.end(),
              [](const QString &A, const QString &B) { return A.compare(B, Qt::CaseInsensitive) < 0; });
    return Result;
}

bool TSpeechDispatcher::SetVoice(const QString &Description)
{
    if (!FConnection)
        return false;
    SPDVoice **Voices = spd_list_synthesis_voices(Conn(FConnection));
    bool Done = false;
    for (SPDVoice **V = Voices; V && *V && !Done; ++V)
        if (Describe(*V) == Description) {
            spd_set_language(Conn(FConnection), (*V)->language);
            Done = spd_set_synthesis_voice(Conn(FConnection), (*V)->name) == 0;
        }
    if (Voices)
        free_spd_voices(Voices);
    if (Done)
        FVoice = Description;
    return Done;
}

void TSpeechDispatcher::SetRate(int Rate)
{
    if (FConnection)
        spd_set_voice_rate(Conn(FConnection), qBound(-10, Rate, 10) * 10);
}

void TSpeechDispatcher::SetVolume(int Volume)
{
    // 0..100 onto the service's -100..100, whose 0 is a voice's normal.
    if (FConnection)
        spd_set_volume(Conn(FConnection), qBound(0, Volume, 100) * 2 - 100);
}

bool TSpeechDispatcher::Speak(const QString &Text)
{
    if (!FConnection || Text.trimmed().isEmpty())
        return false;
    spd_cancel(Conn(FConnection));
    return spd_say(Conn(FConnection), SPD_TEXT, Text.toUtf8().constData()) >= 0;
}

void TSpeechDispatcher::Stop()
{
    if (FConnection)
        spd_cancel(Conn(FConnection));
}
