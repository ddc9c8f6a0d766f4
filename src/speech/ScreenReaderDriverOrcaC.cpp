#include "speech/ScreenReaderDriverOrcaC.h"

#include "speech/ScreenReaderDriverBrlttyC.h"
#include "speech/SpeechDispatcherC.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {
bool IsOrcaName(const QByteArray &Path)
{
    const QByteArray Base = Path.mid(Path.lastIndexOf('/') + 1);
    return Base == "orca";
}
} // namespace

TScreenReaderDriverOrca::TScreenReaderDriverOrca()
    : TScreenReaderDriver(QStringLiteral("Orca"), true, true), FBraille(std::make_unique<TScreenReaderDriverBrltty>())
{
}

TScreenReaderDriverOrca::~TScreenReaderDriverOrca() = default;

bool TScreenReaderDriverOrca::IsOrcaRunning()
{
    const uint Uid = getuid();
    const QStringList Pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &Pid : Pids) {
        if (Pid.isEmpty() || !Pid.front().isDigit())
            continue;
        const QString Dir = QStringLiteral("/proc/") + Pid;
        if (QFileInfo(Dir).ownerId() != Uid)
            continue;
        QFile Comm(Dir + QStringLiteral("/comm"));
        if (Comm.open(QIODevice::ReadOnly) && Comm.readAll().trimmed() == "orca")
            return true;
        // Started as "python3 /usr/bin/orca": the script is the first argument.
        QFile Cmd(Dir + QStringLiteral("/cmdline"));
        if (!Cmd.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> Args = Cmd.read(4096).split('\0');
        if (Args.size() > 1 && QFileInfo(QString::fromLocal8Bit(Args[0])).fileName().startsWith(QStringLiteral("python"))
            && IsOrcaName(Args[1]))
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
    return Sd && Sd->Say(S, Interrupt);
}

bool TScreenReaderDriverOrca::Braille(const QString &S)
{
    return FBraille->Braille(S);
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
    const bool Spoken = Speak(S, Interrupt);
    const bool Shown = Braille(S);
    return Spoken || Shown;
}
