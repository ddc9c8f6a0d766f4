#include "content/LernmaterialienC.h"

#include "content/BereicheC.h"
#include "content/GlobalsC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

TLernmaterial TLernmaterial::Create(const QString &ALernmaterial, const QString &ATitel, const QString &ABeschreibung)
{
    TLernmaterial L;
    L.Lernmaterial = ALernmaterial;
    L.Titel = ATitel;
    L.Beschreibung = ABeschreibung;
    return L;
}

void TLernmaterial::SetData(const QString &ALernmaterial, const QString &ATitel, const QString &ABeschreibung)
{
    Lernmaterial = ALernmaterial;
    Titel = ATitel.isEmpty() ? QStringLiteral("-") : ATitel;
    Beschreibung = ABeschreibung;
}

TLernmaterialien::TLernmaterialien(QObject *AHnd)
    : FMainWindowHandle(AHnd)
{
}

bool TLernmaterialien::LoadOrdner(const QString &APath)
{
    FPath = IncludeTrailingPathDelimiter(APath.isEmpty() ? LernmaterialienPath : APath);
    if (!QFileInfo(FPath).isDir()) {
        LastErrorString = QStringLiteral("Lernmaterialien konnten nicht vom Ordner \"%1\" geladen werden!").arg(FPath);
        LogAdd(LastErrorString);
        return false;
    }
    FList.clear();
    TBereiche Header(FMainWindowHandle);
    const QStringList Folders =
        QDir(FPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString &Folder : Folders) {
        if (IsProgramClosing)
            break;
        // The settings file keeps the chosen material by its trimmed last
        // name part: a folder named otherwise would lead elsewhere after a
        // restart.
        if (TrimCtl(LastPathComponent(Folder)) != Folder) {
            LogAdd(QStringLiteral("Der Lernmaterialordner \"%1\" wird nicht angeboten: sein Name beginnt oder endet "
                                  "mit einem Leer- oder Steuerzeichen oder enthält \"\\\".")
                       .arg(FPath + Folder));
            continue;
        }
        const QString Ini = ResolvePathNoCase(FPath + Folder, QStringLiteral("Lernmaterial.ini"));
        if (!Header.LoadFile(Ini, true))
            continue;
        TLernmaterial L;
        L.SetData(Folder, Header.Titel(), Header.Beschreibung());
        L.Reihenfolge = Header.Reihenfolge();
        FList.append(L);
    }
    Sort();
    return true;
}

void TLernmaterialien::Sort()
{
    // In the learning order the materials give, those without one after
    // them; by title within the same place.
    std::stable_sort(FList.begin(), FList.end(), [](const TLernmaterial &A, const TLernmaterial &B) {
        const unsigned PA = unsigned(A.Reihenfolge - 1), PB = unsigned(B.Reihenfolge - 1);
        if (PA != PB)
            return PA < PB;
        return CompareText(A.Titel, B.Titel) < 0;
    });
}

TLernmaterial TLernmaterialien::Get(int Index) const
{
    return Index >= 0 && Index < FList.size() ? FList.at(Index) : TLernmaterial();
}

void TLernmaterialien::Put(int Index, const TLernmaterial &Value)
{
    if (Index >= 0 && Index < FList.size())
        FList[Index] = Value;
}

int TLernmaterialien::IndexOf(const QString &ALernmaterial) const
{
    if (ALernmaterial.isEmpty())
        return -1;
    for (int I = 0; I < FList.size(); ++I)
        if (SameText(FList[I].Lernmaterial, ALernmaterial))
            return I;
    return -1;
}
