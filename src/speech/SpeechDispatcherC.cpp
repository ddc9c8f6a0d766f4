#include "speech/SpeechDispatcherC.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLocale>
#include <QTimer>

#include <libspeechd.h>

#include <algorithm>
#include <mutex>

namespace
{
// The library's callbacks carry no user data, only the service's number
// for the connection: the living clients by that number.
std::mutex ClientMutex;
QHash<size_t, TSpeechDispatcher *> Clients;

SPDConnection *Conn(void *Handle)
{
    return static_cast<SPDConnection *>(Handle);
}

QString Describe(const SPDVoice *V)
{
    return QStringLiteral("speech-dispatcher %1 (%2)").arg(QString::fromUtf8(V->name), QString::fromUtf8(V->language));
}

struct TCachedVoice {
    QString Description;
    QByteArray Name;
    QByteArray Language;
};

// The service's voice list takes seconds to arrive with a full voice set
// (the library parses the reply in quadratic time), so it is fetched once
// per process and service address and shared by every client.
std::mutex VoiceCacheMutex;
bool VoiceCacheFilled = false;
QByteArray VoiceCacheAddress;
QList<TCachedVoice> VoiceCache;

QList<TCachedVoice> CachedVoices(void *Connection)
{
    std::lock_guard Lock(VoiceCacheMutex);
    const QByteArray Address = qgetenv("SPEECHD_ADDRESS");
    if (VoiceCacheFilled && VoiceCacheAddress == Address)
        return VoiceCache;
    SPDVoice **Voices = spd_list_synthesis_voices(Conn(Connection));
    if (!Voices)
        return {};
    QList<TCachedVoice> List;
    const QString Own = QLocale::system().name().left(2);
    for (SPDVoice **V = Voices; *V; ++V) {
        const QString Language = QString::fromUtf8((*V)->language);
        if (Language.startsWith(QStringLiteral("de")) || (Own != u"C" && !Own.isEmpty() && Language.startsWith(Own)))
            List.append({Describe(*V), QByteArray((*V)->name), QByteArray((*V)->language)});
    }
    free_spd_voices(Voices);
    std::sort(List.begin(), List.end(), [](const TCachedVoice &A, const TCachedVoice &B) {
        return A.Description.compare(B.Description, Qt::CaseInsensitive) < 0;
    });
    VoiceCache = List;
    VoiceCacheAddress = Address;
    VoiceCacheFilled = true;
    return List;
}
} // namespace

// A screen reader answers a caret move with its own reading a few tens of
// milliseconds after the program has spoken. Shared by every connection of
// the process, used on the main thread only.
struct TCutOff {
    TSpeechDispatcher *Armer = nullptr; // the connection that cancels
    QElapsedTimer Since;
    QTimer *Poll = nullptr;
    // Our message that others wait behind, by connection and number.
    TSpeechDispatcher *GuardClient = nullptr;
    int GuardMsg = -1;

    bool Open() const { return Armer && Since.isValid() && Since.elapsed() < TSpeechDispatcher::CutOffWindowMs; }
    void Disarm()
    {
        Armer = nullptr;
        GuardClient = nullptr;
        GuardMsg = -1;
        if (Poll)
            Poll->stop();
    }
    // Cancels what others send while nothing of ours is waiting.
    void Tick()
    {
        if (!Open()) {
            if (GuardMsg < 0)
                Disarm();
            else if (Poll)
                Poll->stop();
            return;
        }
        if (GuardMsg < 0)
            Armer->CancelAll();
    }
    void StartPolling()
    {
        if (!Poll) {
            Poll = new QTimer;
            Poll->setInterval(25);
            QObject::connect(Poll, &QTimer::timeout, [this] { Tick(); });
        }
        Poll->start();
    }
};

static TCutOff CutOff;

TSpeechDispatcher::TSpeechDispatcher()
{
    char *Error = nullptr;
    // No autospawn: a missing service must not hold up the program.
    SPDConnection *C = spd_open2("tastwerk", "main", nullptr, SPD_MODE_THREADED, nullptr, 0, &Error);
    free(Error);
    if (!C)
        return;
    FConnection = C;
    FClientId = spd_get_client_id(C);
    {
        std::lock_guard Lock(ClientMutex);
        Clients.insert(size_t(FClientId), this);
    }
    C->callback_end = [](size_t M, size_t C, SPDNotificationType T) { EndCallback(M, C, int(T)); };
    C->callback_cancel = C->callback_end;
    spd_set_notification_on(Conn(FConnection), SPD_END);
    spd_set_notification_on(Conn(FConnection), SPD_CANCEL);
}

TSpeechDispatcher::~TSpeechDispatcher()
{
    {
        std::lock_guard Lock(ClientMutex);
        if (Clients.value(size_t(FClientId)) == this)
            Clients.remove(size_t(FClientId));
    }
    if (CutOff.Armer == this || CutOff.GuardClient == this)
        CutOff.Disarm();
    if (FConnection) {
        spd_cancel(Conn(FConnection));
        spd_close(Conn(FConnection));
    }
}

// Called on the library's reader thread: the work is done on the main one.
void TSpeechDispatcher::EndCallback(size_t MsgId, size_t ClientId, int Type)
{
    std::lock_guard Lock(ClientMutex);
    if (TSpeechDispatcher *C = Clients.value(ClientId))
        QMetaObject::invokeMethod(
            C,
            [C, MsgId, Ended = Type == SPD_EVENT_END] {
                if (CutOff.GuardClient == C && CutOff.GuardMsg == int(MsgId)) {
                    // What a screen reader sent meanwhile waited behind our
                    // message and goes with it.
                    if (Ended && CutOff.Armer)
                        CutOff.Armer->CancelAll();
                    CutOff.GuardClient = nullptr;
                    CutOff.GuardMsg = -1;
                    CutOff.Tick();
                }
                if (Ended && C->OnEndStream)
                    C->OnEndStream();
            },
            Qt::QueuedConnection);
}

QStringList TSpeechDispatcher::Tokens() const
{
    QStringList Result;
    if (!FConnection)
        return Result;
    for (const TCachedVoice &V : CachedVoices(FConnection))
        Result.append(V.Description);
    return Result;
}

bool TSpeechDispatcher::SetVoice(const QString &Description)
{
    if (!FConnection)
        return false;
    bool Done = false;
    for (const TCachedVoice &V : CachedVoices(FConnection))
        if (V.Description == Description) {
            spd_set_language(Conn(FConnection), V.Language.constData());
            Done = spd_set_synthesis_voice(Conn(FConnection), V.Name.constData()) == 0;
            break;
        }
    if (Done) {
        FVoice = Description;
        // A new voice speaks with the values set before.
        SetRate(FRate);
        SetVolume(FVolume);
    }
    return Done;
}

void TSpeechDispatcher::PrefetchVoices()
{
    char *Error = nullptr;
    SPDConnection *C = spd_open2("tastwerk", "voices", nullptr, SPD_MODE_SINGLE, nullptr, 0, &Error);
    free(Error);
    if (!C)
        return;
    CachedVoices(C);
    spd_close(C);
}

bool TSpeechDispatcher::VoicesCached()
{
    std::lock_guard Lock(VoiceCacheMutex);
    return VoiceCacheFilled && VoiceCacheAddress == qgetenv("SPEECHD_ADDRESS");
}

void TSpeechDispatcher::SetRate(int Rate)
{
    FRate = qBound(-10, Rate, 10);
    if (FConnection)
        spd_set_voice_rate(Conn(FConnection), FRate * 10);
}

void TSpeechDispatcher::SetVolume(int Volume)
{
    // 0..100 onto the service's -100..100, whose 0 is a voice's normal.
    FVolume = qBound(0, Volume, 100);
    if (FConnection)
        spd_set_volume(Conn(FConnection), FVolume * 2 - 100);
}

bool TSpeechDispatcher::Speak(const QString &Text)
{
    return Say(Text, true);
}

bool TSpeechDispatcher::Say(const QString &Text, bool Interrupt)
{
    if (!FConnection || Text.trimmed().isEmpty())
        return false;
    if (Interrupt)
        spd_cancel(Conn(FConnection));
    if (!CutOff.Open() || CutOff.GuardMsg >= 0)
        return spd_say(Conn(FConnection), SPD_TEXT, Text.toUtf8().constData()) >= 0;
    // The first thing said after a cut-off: a screen reader's reading of
    // the same key ("message" too) waits behind it instead of cutting it off.
    const int Msg = spd_say(Conn(FConnection), SPD_MESSAGE, Text.toUtf8().constData());
    if (Msg < 0)
        return false;
    CutOff.GuardClient = this;
    CutOff.GuardMsg = Msg;
    return true;
}

void TSpeechDispatcher::CancelAll()
{
    if (FConnection)
        spd_cancel_all(Conn(FConnection));
}

void TSpeechDispatcher::CutOffOthers()
{
    if (!FConnection)
        return;
    CancelAll();
    CutOff.Disarm();
    CutOff.Armer = this;
    CutOff.Since.start();
    CutOff.StartPolling();
}

bool TSpeechDispatcher::SpeakWhole(const QString &Text)
{
    if (!FConnection || Text.trimmed().isEmpty())
        return false;
    CutOffOthers();
    return Say(Text, true);
}

bool TSpeechDispatcher::UseLanguage(const QString &Language)
{
    if (!FConnection || spd_set_language(Conn(FConnection), Language.toUtf8().constData()) != 0)
        return false;
    FVoice = QStringLiteral("speech-dispatcher (%1)").arg(Language);
    SetRate(FRate);
    SetVolume(FVolume);
    return true;
}

void TSpeechDispatcher::Stop()
{
    if (!FConnection)
        return;
    if (CutOff.GuardClient == this && CutOff.GuardMsg >= 0) {
        CancelAll();
        CutOff.Disarm();
        return;
    }
    spd_cancel(Conn(FConnection));
}
