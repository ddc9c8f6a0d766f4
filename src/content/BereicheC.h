#pragma once

#include "content/FilesHelperC.h"
#include "content/LektionenC.h"

#include <QList>
#include <QObject>
#include <QString>

// One area (chapter) of a learning material: a folder with lessons.
struct TBereich {
    QString Bereich; // folder name as written in Lernmaterial.ini
    QString Path;    // full folder path, ending in "/"
    QString Titel;   // "-" when none is given
    QString Beschreibung;
    TLektionendateiDynArray Lektionen; // the collection's lessons in Path, sorted

    static TBereich Create(const QString &ABereich, const QString &APath, const QString &ATitel,
                           const QString &ABeschreibung);
    void Clear() { *this = TBereich(); }
    // S is the value of a directory line: "Titel ^ Beschreibung".
    void SetData(const QString &ABereich, const QString &APath, const QString &S,
                 const TLektionendateiDynArray &ALektionen);
};
using TBereichDynArray = QList<TBereich>;

// The areas of the current learning material, read from its Lernmaterial.ini,
// and the learning material's own title and description.
class TBereiche
{
public:
    // ALektionen gives the lessons of each area; may be null when only
    // headers are read.
    explicit TBereiche(QObject *AHnd = nullptr, TLektionen *ALektionen = nullptr);

    void Clear();
    // An empty AFilename means the current learning material's
    // Lernmaterial.ini. With OnlyReadHeader, only title and description are
    // read and nothing is reported.
    bool LoadFile(const QString &AFilename = QString(), bool OnlyReadHeader = false);
    void Sort();
    int Count() const { return int(FList.size()); }
    TBereich Get(int Index) const;
    void Put(int Index, const TBereich &Value);
    int IndexOf(const QString &ABereich) const;

    QString Titel() const { return FTitel; }
    QString Beschreibung() const { return FBeschreibung; }
    // A learning material's place in the learning order ("Reihenfolge=" in
    // the header, from 1); 0 when none is given.
    int Reihenfolge() const { return FReihenfolge; }
    const TFileInfo &FileInfo() const { return FFileInfo; }
    bool Changed() const { return FChanged; }

    QString LastErrorString;

private:
    void Report(const QString &Message);

    [[maybe_unused]] QObject *FMainWindowHandle;
    TLektionen *FLektionen;
    bool FChanged = false;
    TFileInfo FFileInfo;
    QString FTitel;
    QString FBeschreibung;
    int FReihenfolge = 0;
    TBereichDynArray FList;
};

// Splits "Titel ^ Beschreibung" at the first separator; " \" in the
// description stands for a line break. An empty title becomes "-".
void SplitTitelBeschreibung(const QString &S, QString &Titel, QString &Beschreibung);
