#pragma once

#include <QString>

// The program's folder tree. Every variable is a folder path ending in "/"
// unless it names a file.
//
// Content is read from the program folder (the folder holding Data/,
// Lernmaterialien/, Sounds/, ...). What the program writes - the profile with
// settings and log, the generated help pages and BraillePad texts - goes to the
// same relative places inside UserDataPath: the program folder itself for a
// portable copy whose folder is writable, otherwise the user's data folder
// (~/.local/share/Tastwerk/).

extern QString ProgramPath;   // the program folder
extern QString UserDataPath;  // where the program writes
extern QString ProfilePath;   // UserDataPath + Benutzer/<user name>/
extern QString LogPath;       // same as ProfilePath
extern QString LernmaterialienPath;
extern QString LernmaterialPath;
extern QString DatenbankenPath;
extern QString SammellektionenPath;
extern QString TextePath;        // BraillePad texts the learner writes
extern QString ProgramTextePath; // BraillePad texts shipped with the learning material
extern QString BereichPath;
extern QString DataPath;
extern QString HilfePath;
extern QString HilfetextePath;
extern QString SoundsPath;
extern QString DesktopLinkFile;
extern QString CommonDesktopLinkFile; // always empty: Linux desktops have no common desktop

inline const QString DefaultLernmaterial = QStringLiteral("Lernmaterial-1");

// Computes every variable for the running program: the program folder is the
// executable's folder when it holds the tree, else ../share/tastwerk beside a
// bin/ folder.
void InitPaths();
// Computes every variable for a given program folder and user. An empty
// WritableFolder means: the program folder when it is writable, else the
// user's data folder.
void InitPaths(const QString &ProgramFolder, const QString &UserName,
               const QString &WritableFolder = QString(), const QString &ProgramName = QStringLiteral("tastwerk"));

void SetLernmaterialPath(const QString &Name);
void SetBereichPath(const QString &Name);

// Creates missing folders; every failure is logged and the next one tried.
void CreateFolders();

// Special folders, named by their Windows numbers: 0 is the user's desktop,
// 25 the common desktop (none on Linux). Empty when there is no such folder.
QString GetSpecialFolder(int Csidl);

// The login name of the process owner.
QString CurrentUserName();

// The folder holding the program's tree for an executable in ExeDir.
QString FindProgramFolder(const QString &ExeDir);

// Appends "/" when missing.
QString IncludeTrailingPathDelimiter(const QString &Path);
