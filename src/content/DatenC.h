#pragma once

#include "content/DatenHelperC.h"
#include "content/EnumSetC.h"
#include "content/FilesHelperC.h"
#include "content/TypenHelperC.h"

#include <QHash>
#include <mutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

using TDatendateiTypSet = TEnumSet<TDatendateiTyp>;

// One data file: a header with title, type and description, and one content
// record per line.
class TDatendatei
{
public:
    TDatendatei();
    // Loads the file when AFileInfo names one.
    TDatendatei(QObject *AHnd, const TFileInfo &AFileInfo);

    void Clear();
    bool LoadFile(const TFileInfo &AFileInfo);

    int Count() const { return FCount; }
    // An empty record when Index is out of range.
    TDatensatz Get(int Index) const;
    void Put(int Index, const TDatensatz &Value);
    void Add(const TDatensatz &ADatensatz, bool IsNew = true);
    void Add(const QString &ABrl, const QString &AText, const QString &AZusatztext);
    // One record per line of S.
    void Add(const QString &S);
    const TDatensatzDynArray &List() const { return FList; }

    static QString ConvertDatendateiTypToStr(TDatendateiTyp ATyp);
    static TDatendateiTyp ConvertStrToDatendateiTyp(const QString &S);
    QString GetTypString() const { return ConvertDatendateiTypToStr(FTyp); }

    QString Titel() const { return FTitel; }
    QString Beschreibung() const { return FBeschreibung; }
    TDatendateiTyp Typ() const { return FTyp; }
    const TFileInfo &FileInfo() const { return FFileInfo; }
    bool Changed() const { return FChanged; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool AChecked) { FChecked = AChecked; }

    QString LastErrorString;

private:
    [[maybe_unused]] QObject *FMainWindowHandle = nullptr;
    QString FBeschreibung;
    bool FChanged = false;
    bool FChecked = false;
    int FCount = 0;
    TFileInfo FFileInfo;
    TDatensatzDynArray FList;
    QString FTitel;
    TDatendateiTyp FTyp = dtNone;
};

using TDatendateiDynArray = QList<TDatendatei *>;

// The data files of the current learning material.
class TDaten
{
public:
    explicit TDaten(QObject *AHnd = nullptr);
    ~TDaten();

    void Clear();
    int Count() const { return int(FList.size()); }
    TDatendatei *Get(int Index) const;
    // Replaces (and frees) the data file at Index.
    void Put(int Index, TDatendatei *Value);

    // Loads every data file of a folder; an empty APath means the databases
    // folder of the current learning material.
    bool LoadFiles(const QString &APath = QString());
    void Sort();
    // The data file with this file name (any folder part is dropped),
    // without regard to case.
    TDatendatei *FindDatendatei(const QString &AName) const;
    TDatendateiDynArray FindDatenWithTypSet(TDatendateiTypSet DatendateiTypSet, bool SortOn) const;
    // The records of the named files of these types, in the order named.
    TDatensatzDynArray FusioniereDatendateien(const QStringList &FilesList, TDatendateiTypSet DatendateiTypSet);
    // Calls Fn with every record of the named files of these types, in the
    // order FusioniereDatendateien gives them, without copying them; reports
    // names without a file as it does.
    void ForEachDatensatz(const QStringList &FilesList, TDatendateiTypSet DatendateiTypSet,
                          const std::function<void(const TDatensatz &)> &Fn);
    // The same with the names in one string separated by " ^ ".
    TDatensatzDynArray FusioniereDatendateien(const QString &FilenamesString, TDatendateiTypSet DatendateiTypSet);

    QString Path() const { return FPath; }

    QString LastErrorString;

private:
    // Merges run on several lesson-list threads at once; each sets the
    // message under this lock.
    void SetLastError(const QString &Message);
    // The data files with a name (case-folded), in list order.
    void RebuildIndex();
    const QList<TDatendatei *> *FilesNamed(const QString &AName) const;

    QObject *FMainWindowHandle;
    std::mutex FErrorMutex;
    std::vector<std::unique_ptr<TDatendatei>> FList;
    QHash<QString, QList<TDatendatei *>> FByName;
    QString FPath;
};
