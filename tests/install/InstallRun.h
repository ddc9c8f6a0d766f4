#pragma once

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Helpers shared by the install and package tests: running a tool and
// looking at a folder tree.

struct TRun {
    int ExitCode = -1;
    bool Finished = false;
    QString Output; // standard output and errors together
    bool Ok() const { return Finished && ExitCode == 0; }
};

inline TRun RunTool(const QString &Program, const QStringList &Arguments, int TimeoutMs = 60000,
                    const QProcessEnvironment &Environment = QProcessEnvironment::systemEnvironment())
{
    TRun R;
    QProcess P;
    P.setProcessEnvironment(Environment);
    P.setProcessChannelMode(QProcess::MergedChannels);
    P.start(Program, Arguments);
    if (!P.waitForStarted()) {
        R.Output = Program + QStringLiteral(": ") + P.errorString();
        return R;
    }
    R.Finished = P.waitForFinished(TimeoutMs) && P.exitStatus() == QProcess::NormalExit;
    if (!R.Finished) {
        P.kill();
        P.waitForFinished();
    }
    R.ExitCode = P.exitCode();
    R.Output = QString::fromUtf8(P.readAll());
    if (!R.Finished)
        R.Output += QStringLiteral("\n(%1 did not finish in time)").arg(Program);
    return R;
}

// The full path of a tool, empty when it is not installed.
inline QString FindTool(const QString &Name)
{
    return QStandardPaths::findExecutable(Name);
}

// Every file and folder below Folder with its size and time of last change.
inline QStringList Snapshot(const QString &Folder)
{
    QStringList L;
    QDirIterator It(Folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (It.hasNext()) {
        It.next();
        L << It.filePath() + u' ' + QString::number(It.fileInfo().size()) + u' ' +
                 QString::number(It.fileInfo().lastModified().toMSecsSinceEpoch());
    }
    L.sort();
    return L;
}

// The files below Folder, relative to it, sorted.
inline QStringList FilesBelow(const QString &Folder)
{
    QStringList L;
    const QDir Base(Folder);
    QDirIterator It(Folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (It.hasNext())
        L << Base.relativeFilePath(It.next());
    L.sort();
    return L;
}

// The [Desktop Entry] group of a desktop entry file, key by key.
inline QMap<QString, QString> ReadDesktopEntry(const QString &File)
{
    QMap<QString, QString> Keys;
    QFile F(File);
    if (!F.open(QIODevice::ReadOnly | QIODevice::Text))
        return Keys;
    bool InGroup = false;
    for (const QString &Line : QString::fromUtf8(F.readAll()).split(u'\n')) {
        if (Line.startsWith(u'['))
            InGroup = Line == QLatin1String("[Desktop Entry]");
        else if (const qsizetype Eq = Line.indexOf(u'='); InGroup && Eq > 0)
            Keys.insert(Line.left(Eq).trimmed(), Line.mid(Eq + 1).trimmed());
    }
    return Keys;
}
