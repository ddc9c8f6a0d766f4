#pragma once

#include <QString>
#include <QStringList>

// The program's launcher on the learner's desktop: a desktop entry file
// ("tastwerk.desktop") that desktops show as an icon and start on a
// double click.

// Where the launcher LinkFile (a file in the desktop folder) really goes:
// LinkFile itself, or the same name in the home folder when the desktop
// folder does not exist (the desktop's place then, as the XDG user folders
// have it).
QString DesktopLinkPlace(const QString &LinkFile);

// Writes a launcher for Target with Arguments, started in WorkingFolder (the
// target's folder when empty), Description as its comment and IconFile as
// its icon when given; the file is written whole and made executable, which
// desktops want before they trust a launcher. True when it was written.
bool CreateDesktopLink(const QString &LinkFile, const QString &Target, const QStringList &Arguments,
                       const QString &WorkingFolder, const QString &Description, const QString &IconFile = QString());

// One argument of an Exec line: quoted where it holds a reserved character,
// with the escapes of a desktop entry's string values applied.
QString DesktopExecArgument(const QString &Argument);
