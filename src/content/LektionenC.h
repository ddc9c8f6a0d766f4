#pragma once

#include "content/EnumSetC.h"
#include "content/FilesHelperC.h"
#include "content/TypenHelperC.h"
#include "content/WorkQueueC.h"
#include "exercise/AufgabenTypSettingsC.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <vector>

class TDaten;

using TLektionendateiTypSet = TEnumSet<TAufgabenTyp>;

// One lesson: an exercise of one task type, read from a ".lek" file. After a
// lesson has been read, its exercise lists are built from the database in
// the background; the lesson collection's counter tells when all are ready.
class TLektionendatei
{
public:
    // Reads the file when AFileInfo names one. AHnd receives the counting
    // messages of the list work; the lists are built from ADaten on APool,
    // or at once in the calling thread when APool is null.
    TLektionendatei(QObject *AHnd, const TFileInfo &AFileInfo, TDaten *ADaten, TWorkQueue *APool = nullptr);
    // Waits for the lesson's list work.
    ~TLektionendatei();

    TLektionendatei(const TLektionendatei &) = delete;
    TLektionendatei &operator=(const TLektionendatei &) = delete;

    void Clear();
    bool LoadFile(const TFileInfo &AFileInfo);

    static QString ConvertAufgabenTypToStr(TAufgabenTyp ATyp);
    static TAufgabenTyp ConvertStrToAufgabenTyp(const QString &S);
    // The file name relative to the learning material folder, as collective
    // lessons name it: "Bereich 1/Lektion 3.lek".
    QString GetToSammellektionPath() const;

    const TFileInfo &FileInfo() const { return FFileInfo; }
    QString Titel() const { return FTitel; }
    TAufgabenTyp Typ() const { return FTyp; }
    QString Beschreibung() const { return FBeschreibung; }
    bool BrailleKeyboard() const { return FBrailleKeyboard; }
    bool SapiSpeechEnabled() const { return FSapiSpeechEnabled; }
    bool Sounds() const { return FSounds; }
    int Score() const { return FScore; }
    bool Changed() const { return FChanged; }
    bool Checked() const { return FChecked; }
    const TAufgabenTypSettings &Settings() const { return FSettings; }
    TAufgabenTypSettings &Settings() { return FSettings; }
    // Remarks for people who write lessons, each naming its line: values
    // that were cut, clamped or defaulted, unknown entries, lines that are
    // not read because of where they stand.
    const QStringList &Hinweise() const { return FHinweise; }
    // True between the start and the end of the lesson's list work.
    bool IsCreatingLists() const { return FCreatingLists.load(); }
    // Waits for the list work (handling events on the main thread).
    void WaitForLists() const;

    QString LastErrorString;

private:
    void StartCreateListsThread();
    void CreateListsThread();
    static void CountListWork(QObject *Handle, int Delta);

    QObject *FLektionenWindowHandle;
    TDaten *FDaten;
    TWorkQueue *FPool;
    std::atomic<bool> FCreatingLists{false};
    bool FChanged = false;
    bool FChecked = false;
    TFileInfo FFileInfo;
    QString FTitel;
    TAufgabenTyp FTyp = atNone;
    QString FBeschreibung;
    bool FBrailleKeyboard = false;
    bool FSapiSpeechEnabled = false;
    bool FSounds = false;
    int FScore = 0;
    TAufgabenTypSettings FSettings;
    QStringList FHinweise;
};

using TLektionendateiDynArray = QList<TLektionendatei *>;

// Counts the running list work of the lessons and tells the main window
// when the first starts and when the last has ended. It takes the counting
// message (WM_USER_LEKTIONEN, lParam +1 or -1) like any receiver; the
// lessons of the collection call Count directly, from any thread, which
// spares a round trip through the main thread for every lesson.
class TLektionenCounter : public QObject
{
public:
    TLektionenCounter(QObject *AMainWindowHandle, std::atomic<int> &ACounter);
    bool event(QEvent *E) override;
    // Adds Delta; 0 while the program is closing (nothing counted), else 1.
    int Count(int Delta);

private:
    QObject *FMainWindowHandle;
    std::atomic<int> &FCounter;
};

// All lessons of the current learning material.
class TLektionen
{
public:
    // Create on the main thread: the counter lives there.
    TLektionen(QObject *AHnd, TDaten *ADaten);
    ~TLektionen();

    TLektionen(const TLektionen &) = delete;
    TLektionen &operator=(const TLektionen &) = delete;

    // Waits for the lessons' list work, then frees them.
    void Clear();
    int Count() const { return int(FList.size()); }
    TLektionendatei *Get(int Index) const;
    void Put(int Index, TLektionendatei *Value);

    // Loads the lessons of every area folder of a learning material; an empty
    // APath means the current one.
    bool LoadFiles(const QString &APath = QString());
    void Sort();

    TLektionendatei *FindLektionendatei(const QString &Filename) const;
    TLektionendatei *FindLektionendatei(const QString &Bereich, const QString &Filename) const;
    TLektionendateiDynArray FindLektionenWithBereich(const QString &ABereich, bool SortOn) const;
    TLektionendateiDynArray FindLektionenWithPath(const QString &APath, bool SortOn) const;
    TLektionendateiDynArray FindLektionenWithTypSet(TLektionendateiTypSet LektionendateiTypSet, bool SortOn) const;

    // True while lessons are loaded or their lists built.
    bool Status() const;
    bool StatusOK() const { return !Status(); }
    int StatusCounterThread() const { return FLektionendateiCounterThread.load(); }
    // Waits until no list work runs or waits to run (handling events on the
    // main thread).
    void WaitForLists();

    QObject *LektionenWindowHandle() const { return FLektionenWindowHandle.get(); }
    // Builds the lessons' lists while loading, in the loading thread, so that
    // everything happens in file order (for tools that report what they
    // find); normally they are built in the background.
    void SetListsInline(bool Inline) { FListsInline = Inline; }
    QString Path() const { return FPath; }

    QString LastErrorString;

private:
    QString LernmaterialFolder() const;

    QObject *FMainWindowHandle;
    TDaten *FDaten;
    std::atomic<int> FLektionendateiCounterThread{0};
    std::unique_ptr<TLektionenCounter> FLektionenWindowHandle;
    TWorkQueue FPool;
    bool FListsInline = false;
    std::vector<std::unique_ptr<TLektionendatei>> FList;
    QString FPath;
};

// Orders lessons by title, description and file name, without regard to
// case; a stable exchange sort, as the lists the learner sees expect.
void SortLektionen(TLektionendateiDynArray &List);
