#pragma once

#include <QString>
#include <QStringList>

// What tastwerk-check does, apart from reading its command line.
struct TCheckOptions {
    QString ProgramFolder; // the folder holding Data/ and Lernmaterialien/
    QString Material;      // one learning material, or empty for all
};

struct TCheckResult {
    QStringList Reports; // every problem, one line each, in German
    QStringList Summary; // what was loaded
    bool FolderReadable = true;
};

// Loads the braille table, the type lists and the learning materials through
// the program's own loaders and collects every message they log, plus what
// would make an exercise useless although it loads. Reads only.
TCheckResult CheckProgramFolder(const TCheckOptions &Options);
