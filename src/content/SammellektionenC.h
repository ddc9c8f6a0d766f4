#pragma once

#include "content/FilesHelperC.h"
#include "content/LektionenC.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

// A collective lesson: an ordered course of lessons, read from a ".sam" file
// that names them relative to the learning material folder.
class TSammeldatei
{
public:
    TSammeldatei(QObject *AHnd, const TFileInfo &AFileInfo, const TLektionen *ALektionen);

    void Clear();
    bool LoadFile(const TFileInfo &AFileInfo);
    int Count() const { return int(FList.size()); }
    // None when Index is out of range.
    TLektionendatei *Get(int Index) const;
    void Put(int Index, TLektionendatei *Value);

    QString Titel() const { return FTitel; }
    QString Beschreibung() const { return FBeschreibung; }
    const TFileInfo &FileInfo() const { return FFileInfo; }
    bool Changed() const { return FChanged; }

    QString LastErrorString;

private:
    void Report(const QString &Message);

    [[maybe_unused]] QObject *FMainWindowHandle;
    const TLektionen *FLektionen;
    QString FBeschreibung;
    bool FChanged = false;
    TFileInfo FFileInfo;
    TLektionendateiDynArray FList;
    QString FTitel;
};

// The collective lessons of the current learning material. The collection
// owns them: a reload frees the old ones together with the lessons they refer
// to, so holders keep a collective lesson's name, not the object.
class TSammellektionen
{
public:
    TSammellektionen(QObject *AHnd, const TLektionen *ALektionen);
    ~TSammellektionen();

    // Removes and frees all entries.
    void Clear();
    int Count() const { return int(FList.size()); }
    TSammeldatei *Get(int Index) const;
    void Put(int Index, TSammeldatei *Value);

    bool LoadFiles(const QString &APath = QString());
    void Sort();
    TSammeldatei *FindSammeldatei(const QString &AName) const;
    int IndexOf(const QString &AName) const;

    QString Path() const { return FPath; }

    QString LastErrorString;

private:
    QObject *FMainWindowHandle;
    const TLektionen *FLektionen;
    std::vector<std::unique_ptr<TSammeldatei>> FList;
    QString FPath;
};
