#pragma once

#include <QList>
#include <QObject>
#include <QString>

// One installed learning material.
struct TLernmaterial {
    QString Lernmaterial; // folder name
    QString Titel;        // "-" when none
    QString Beschreibung;
    int Reihenfolge = 0; // the place in the learning order, 0 for none

    static TLernmaterial Create(const QString &ALernmaterial, const QString &ATitel, const QString &ABeschreibung);
    void Clear() { *this = TLernmaterial(); }
    void SetData(const QString &ALernmaterial, const QString &ATitel, const QString &ABeschreibung);
};
using TLernmaterialDynArray = QList<TLernmaterial>;

// The learning materials of the program folder, sorted by title.
class TLernmaterialien
{
public:
    explicit TLernmaterialien(QObject *AHnd = nullptr);

    void Clear() { FList.clear(); }
    // Lists the folders of APath (default: the learning materials folder)
    // whose Lernmaterial.ini has a valid header.
    bool LoadOrdner(const QString &APath = QString());
    void Sort();
    int Count() const { return int(FList.size()); }
    TLernmaterial Get(int Index) const;
    void Put(int Index, const TLernmaterial &Value);
    int IndexOf(const QString &ALernmaterial) const;
    QString Path() const { return FPath; }

    QString LastErrorString;

private:
    QObject *FMainWindowHandle;
    QString FPath;
    TLernmaterialDynArray FList;
};
