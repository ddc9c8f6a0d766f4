#include "speech/ScreenReaderDriverOrcaC.h"

#include "speech/SpeechDispatcherC.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace
{
bool IsOrcaName(const QByteArray &Path)
{
    const QByteArray Base = Path.mid(Path.lastIndexOf('/') + 1);
    return Base == "orca";
}

// The session bus named in a process's environment (/proc/PID/environ).
QByteArray SessionBusOfProcess(const QString &Dir)
{
    QFile Env(Dir + QStringLiteral("/environ"));
    if (!Env.open(QIODevice::ReadOnly))
        return {};
    QByteArray Address, RuntimeDir;
    for (const QByteArray &Var : Env.readAll().split('\0')) {
        if (Var.startsWith("DBUS_SESSION_BUS_ADDRESS="))
            Address = Var.mid(25);
        else if (Var.startsWith("XDG_RUNTIME_DIR="))
            RuntimeDir = Var.mid(16);
    }
    return TScreenReaderDriverOrca::SessionBus(Address, RuntimeDir);
}
} // namespace

QByteArray TScreenReaderDriverOrca::SessionBus(const QByteArray &Address, const QByteArray &RuntimeDir)
{
    if (!Address.isEmpty())
        return Address;
    if (!RuntimeDir.isEmpty())
        return "unix:path=" + RuntimeDir + "/bus";
    return {};
}

TScreenReaderDriverOrca::TScreenReaderDriverOrca()
    : TScreenReaderDriver(QStringLiteral("Orca"), true, true)
{
}

TScreenReaderDriverOrca::~TScreenReaderDriverOrca() = default;

bool TScreenReaderDriverOrca::IsOrcaRunning()
{
    const uint Uid = getuid();
    // Unknown on our side: any Orca of this user counts.
    const QByteArray OurBus = SessionBus(qgetenv("DBUS_SESSION_BUS_ADDRESS"), qgetenv("XDG_RUNTIME_DIR"));
    const auto OnOurBus = [&OurBus](const QString &Dir) {
        return OurBus.isEmpty() || SessionBusOfProcess(Dir) == OurBus;
    };
    const QStringList Pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &Pid : Pids) {
        if (Pid.isEmpty() || !Pid.front().isDigit())
            continue;
        const QString Dir = QStringLiteral("/proc/") + Pid;
        if (QFileInfo(Dir).ownerId() != Uid)
            continue;
        QFile Comm(Dir + QStringLiteral("/comm"));
        if (Comm.open(QIODevice::ReadOnly) && Comm.readAll().trimmed() == "orca") {
            if (OnOurBus(Dir))
                return true;
            continue;
        }
        // Started as "python3 /usr/bin/orca": the script is the first argument.
        QFile Cmd(Dir + QStringLiteral("/cmdline"));
        if (!Cmd.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> Args = Cmd.read(4096).split('\0');
        if (Args.size() > 1 &&
            QFileInfo(QString::fromLocal8Bit(Args[0])).fileName().startsWith(QStringLiteral("python")) &&
            IsOrcaName(Args[1]) && OnOurBus(Dir))
            return true;
    }
    return false;
}

bool TScreenReaderDriverOrca::IsActive()
{
    return IsOrcaRunning();
}

TSpeechDispatcher *TScreenReaderDriverOrca::Service()
{
    // Connected on first use and again after the service went away.
    if (!FService || !FService->IsAvailable())
        FService = std::make_unique<TSpeechDispatcher>();
    return FService->IsAvailable() ? FService.get() : nullptr;
}

bool TScreenReaderDriverOrca::Speak(const QString &S, bool Interrupt)
{
    TSpeechDispatcher *Sd = Service();
    if (!Sd)
        return false;
    // Nothing to say but interrupting: the screen reader falls silent,
    // including its reading of the key that led here.
    if (Interrupt && S.trimmed().isEmpty()) {
        Sd->CutOffOthers();
        return true;
    }
    return Sd->Say(S, Interrupt);
}

bool TScreenReaderDriverOrca::SpeakWhole(const QString &S)
{
    TSpeechDispatcher *Sd = Service();
    return Sd && Sd->SpeakWhole(S);
}

bool TScreenReaderDriverOrca::Braille(const QString &)
{
    // Orca drives the braille display and shows the focus and its label
    // itself; a line of ours would hide its lines until we let go.
    return false;
}

bool TScreenReaderDriverOrca::Silence()
{
    TSpeechDispatcher *Sd = Service();
    if (!Sd)
        return false;
    Sd->Stop();
    return true;
}

bool TScreenReaderDriverOrca::Output(const QString &S, bool Interrupt)
{
    return Speak(S, Interrupt);
}
