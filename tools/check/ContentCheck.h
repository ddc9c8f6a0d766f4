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

// What tastwerk-check --preview shows of a lesson.
struct TPreviewOptions {
    QString ProgramFolder;
    QString LessonFile;
    quint64 Seed = 1;
    int Count = 1;
    int Width = 40; // cells of the braille line
};

// Makes Count exercises of the lesson with the generator seeded by Seed, and
// gives each as a teacher needs to see it: the spoken task, the text as shown
// (braille as cells) and the answer key. Ok is false when the lesson could
// not be loaded; the lines then say why.
QStringList PreviewLesson(const TPreviewOptions &Options, bool &Ok);
