#include "content/PathsC.h"

#include "log/LogC.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "content/TextFileC.h"

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

QString ProgramPath;
QString UserDataPath;
QString ProfilePath;
QString LogPath;
QString LernmaterialienPath;
QString LernmaterialPath;
QString DatenbankenPath;
QString SammellektionenPath;
QString TextePath;
QString ProgramTextePath;
QString BereichPath;
QString DataPath;
QString HilfePath;
QString HilfetextePath;
QString SoundsPath;
QString DesktopLinkFile;
QString CommonDesktopLinkFile;

namespace
{
// The learner's files of the current learning material, relative to the
// program folder or the user's data folder.
QString LernmaterialName;
// True when UserDataPath is the program folder itself.
bool WritesIntoProgramFolder = true;

QString XdgDataFolder()
{
    const QString Base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return IncludeTrailingPathDelimiter(Base) + QStringLiteral("Tastwerk/");
}

bool IsWritableFolder(const QString &Folder)
{
    const QFileInfo Info(Folder);
    return Info.isDir() && Info.isWritable();
}
} // namespace

QString IncludeTrailingPathDelimiter(const QString &Path)
{
    if (Path.isEmpty() || Path.endsWith(u'/'))
        return Path;
    return Path + u'/';
}

QString CurrentUserName()
{
#ifdef Q_OS_UNIX
    if (const passwd *Pw = getpwuid(geteuid()); Pw && Pw->pw_name && *Pw->pw_name)
        return QString::fromLocal8Bit(Pw->pw_name);
    return qEnvironmentVariable("USER", QStringLiteral("user"));
#else
    return qEnvironmentVariable("USERNAME", QStringLiteral("user"));
#endif
}

QString FindProgramFolder(const QString &ExeDir)
{
    const QString Dir = IncludeTrailingPathDelimiter(QDir::cleanPath(ExeDir));
    if (QFileInfo(Dir + QStringLiteral("Data")).isDir())
        return Dir;
    const QString Installed = IncludeTrailingPathDelimiter(QDir::cleanPath(Dir + QStringLiteral("../share/tastwerk")));
    if (QFileInfo(Installed + QStringLiteral("Data")).isDir())
        return Installed;
    return Dir;
}

QString GetSpecialFolder(int Csidl)
{
    if (Csidl != 0)
        return QString();
    return IncludeTrailingPathDelimiter(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

void InitPaths()
{
    const QString ExeDir = QCoreApplication::applicationDirPath();
    const QString Program = FindProgramFolder(ExeDir);
    // An installed copy (the tree under share/tastwerk) never writes into its tree.
    const bool Installed = Program != IncludeTrailingPathDelimiter(QDir::cleanPath(ExeDir));
    const QString Name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    InitPaths(Program, CurrentUserName(), Installed ? XdgDataFolder() : QString(),
              Name.isEmpty() ? QStringLiteral("tastwerk") : Name);
}

void InitPaths(const QString &ProgramFolder, const QString &UserName, const QString &WritableFolder,
               const QString &ProgramName)
{
    ProgramPath = IncludeTrailingPathDelimiter(ProgramFolder);
    if (!WritableFolder.isEmpty())
        UserDataPath = IncludeTrailingPathDelimiter(WritableFolder);
    else if (IsWritableFolder(ProgramPath))
        UserDataPath = ProgramPath;
    else
        UserDataPath = XdgDataFolder();
    WritesIntoProgramFolder = UserDataPath == ProgramPath;

    ProfilePath = UserDataPath + QStringLiteral("Benutzer/") + UserName + u'/';
    LogPath = ProfilePath;
    LernmaterialienPath = ProgramPath + QStringLiteral("Lernmaterialien/");
    SetLernmaterialPath(DefaultLernmaterial);
    DataPath = ProgramPath + QStringLiteral("Data/");
    DesktopLinkFile = GetSpecialFolder(0) + ProgramName + QStringLiteral(".desktop");
    CommonDesktopLinkFile.clear();
    HilfePath = UserDataPath + QStringLiteral("Hilfe/");
    HilfetextePath = ProgramPath + QStringLiteral("Hilfetexte/");
    SoundsPath = ProgramPath + QStringLiteral("Sounds/");
}

namespace
{
// The folder a learning material or area name stands for: its last part,
// trimmed as the settings file reads it back, and never a way out of the
// folder it belongs in.
QString FolderName(const QString &Name)
{
    const QString N = TrimCtl(LastPathComponent(Name));
    return N == u"." || N == u".." ? QString() : N;
}
} // namespace

void SetLernmaterialPath(const QString &Name)
{
    LernmaterialName = FolderName(Name);
    LernmaterialPath = LernmaterialienPath + LernmaterialName + u'/';
    DatenbankenPath = LernmaterialPath + QStringLiteral("Datenbanken/");
    SetBereichPath(QString());
    SammellektionenPath = LernmaterialPath + QStringLiteral("Sammellektionen/");
    ProgramTextePath = LernmaterialPath + QStringLiteral("Texte/");
    TextePath = UserDataPath + QStringLiteral("Lernmaterialien/") + LernmaterialName + QStringLiteral("/Texte/");
}

void SetBereichPath(const QString &Name)
{
    const QString Folder = FolderName(Name);
    BereichPath = Folder.isEmpty() ? LernmaterialPath : LernmaterialPath + Folder + u'/';
}

void CreateFolders()
{
    struct TFolder {
        const QString *Path;
        const char *Message;
        bool Content;    // part of the shipped tree, which an installed copy never writes
        bool OfMaterial; // inside the current material's folder
    };
    const TFolder Folders[] = {
        {&ProfilePath, "Der Profile-Ordner \"%1\" konnte nicht angelegt werden!", false, false},
        {&LernmaterialienPath, "Der Lernmaterialien-Ordner \"%1\" konnte nicht angelegt werden!", true, false},
        {&DatenbankenPath, "Der Datenbanken-Ordner \"%1\" konnte nicht angelegt werden!", true, true},
        {&SammellektionenPath, "Der Sammellektionen-Ordner \"%1\" konnte nicht angelegt werden!", true, true},
        {&TextePath, "Der Texte-Ordner \"%1\" konnte nicht angelegt werden!", false, true},
        {&HilfePath, "Der Hilfe-Ordner \"%1\" konnte nicht angelegt werden!", false, false},
        {&SoundsPath, "Der Sounds-Ordner \"%1\" konnte nicht angelegt werden!", true, false},
    };
    // The material's name comes from the settings: where the program's
    // materials are there but this one is not, no folder is made of its
    // name (a new copy without any material gets the first one's folders).
    const bool MaterialMissing = QFileInfo(LernmaterialienPath).isDir() && !QFileInfo(LernmaterialPath).isDir();
    for (const TFolder &F : Folders) {
        if ((F.Content && !WritesIntoProgramFolder) || (F.OfMaterial && MaterialMissing))
            continue;
        if (QFileInfo(*F.Path).isDir())
            continue;
        if (!QDir().mkpath(*F.Path))
            LogAdd(QString::fromUtf8(F.Message).arg(*F.Path));
    }
}
