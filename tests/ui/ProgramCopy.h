#pragma once

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QString>

#include "content/PathsC.h"
#include "platform/SingleInstanceC.h"

// A portable copy of the real program in a temporary folder: the program
// file beside the shipped folder tree, so that everything it writes (the
// profile, the log, the help pages) stays inside Folder. Its socket lives in
// a temporary folder of its own, apart from any Tastwerk running on the
// machine.
struct TProgramCopy {
    explicit TProgramCopy(const QString &AFolder)
        : Folder(AFolder)
    {
        Program = Folder + QStringLiteral("/prog");
        Copy(QStringLiteral(TASTWERK_SHARE), Program);
        QFile::copy(QStringLiteral(TASTWERK_EXE), Program + QStringLiteral("/tastwerk"));
        QFile::setPermissions(Program + QStringLiteral("/tastwerk"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const char *Sub : {"home", "tmp", "run"})
            QDir().mkpath(Folder + u'/' + QLatin1String(Sub));
        QFile::setPermissions(Folder + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    static void Copy(const QString &From, const QString &To)
    {
        QDir().mkpath(To);
        for (const QFileInfo &F : QDir(From).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (F.isDir())
                Copy(F.filePath(), To + u'/' + F.fileName());
            else
                QFile::copy(F.filePath(), To + u'/' + F.fileName());
        }
    }
    QProcessEnvironment Environment(const QString &Platform = QStringLiteral("offscreen")) const
    {
        QProcessEnvironment E = QProcessEnvironment::systemEnvironment();
        E.insert(QStringLiteral("HOME"), Folder + QStringLiteral("/home"));
        E.insert(QStringLiteral("TMPDIR"), Folder + QStringLiteral("/tmp"));
        E.insert(QStringLiteral("XDG_RUNTIME_DIR"), Folder + QStringLiteral("/run"));
        E.insert(QStringLiteral("QT_QPA_PLATFORM"), Platform);
        // No sound server and no speech service of the machine: a quiet run.
        E.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + Folder + QStringLiteral("/run/none"));
        E.insert(QStringLiteral("SPEECHD_ADDRESS"),
                 QStringLiteral("unix_socket:") + Folder + QStringLiteral("/run/none"));
        return E;
    }
    QString Executable() const { return Program + QStringLiteral("/tastwerk"); }
    QString Profile() const { return Program + QStringLiteral("/Benutzer/") + CurrentUserName() + u'/'; }
    // The full path of the running copy's socket.
    QString Socket() const
    {
        return Folder + QStringLiteral("/tmp/") + TSingleInstance::ServerNameFor(QStringLiteral("Tastwerk V1.02"));
    }

    QString Folder;
    QString Program;
};
