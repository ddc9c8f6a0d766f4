// The learning-material folders: each folder's Lernmaterial.ini header.
// Input: up to three Lernmaterial.ini files separated by "#####"; the first
// line of the first names a fourth folder (so that odd folder names are
// tried too), which gets the first file as well. A material the list shows
// is chosen and saved by its name, and that name must lead back to it.

#include "FuzzCommon.h"

#include "app/SettingsC.h"
#include "content/LernmaterialienC.h"
#include "content/TextFileC.h"

namespace
{
QString Folder()
{
    return Fuzz::TempDir() + QStringLiteral("programm/Lernmaterialien/");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    QDir().mkpath(Folder());
    InitPaths(Fuzz::TempDir() + QStringLiteral("programm"), QStringLiteral("fuzz"),
              Fuzz::TempDir() + QStringLiteral("user"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QList<QByteArray> Parts = Fuzz::SplitParts(Fuzz::Bytes(Data, Size), 3);
    // A fresh set of folders each time.
    QDir(Folder()).removeRecursively();
    QDir().mkpath(Folder());
    QStringList Names{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    for (qsizetype I = 0; I < Parts.size(); ++I)
        Fuzz::WriteFile(Folder() + Names[I] + QStringLiteral("/Lernmaterial.ini"), Parts[I]);
    QString Odd = QString::fromUtf8(Parts[0].left(Parts[0].indexOf('\n') < 0 ? 0 : Parts[0].indexOf('\n')).left(64));
    Odd.replace(u'/', u'_');
    Odd.remove(QChar(0));
    if (!Odd.isEmpty() && Odd != u"." && Odd != u".." && !Names.contains(Odd, Qt::CaseInsensitive) &&
        QDir(Folder()).mkdir(Odd)) {
        Fuzz::WriteFile(Folder() + Odd + QStringLiteral("/Lernmaterial.ini"), Parts[0]);
        Names.append(Odd);
    }

    TLernmaterialien L;
    FUZZ_CHECK(L.LoadOrdner(Folder()), Folder());
    FUZZ_CHECK(L.Count() <= Names.size(), QString::number(L.Count()));
    for (int I = 0; I < L.Count(); ++I) {
        const TLernmaterial M = L.Get(I);
        FUZZ_CHECK(Names.contains(M.Lernmaterial), M.Lernmaterial);
        FUZZ_CHECK(!M.Titel.isEmpty(), M.Lernmaterial);
        FUZZ_CHECK(L.IndexOf(M.Lernmaterial) >= 0, M.Lernmaterial);
        if (I > 0)
            FUZZ_CHECK(CompareText(L.Get(I - 1).Titel, M.Titel) <= 0, M.Titel);
        // Chosen, saved under its name, and read back at the next start.
        SetAktLernmaterialName(M.Lernmaterial);
        FUZZ_CHECK(LernmaterialPath == Folder() + M.Lernmaterial + u'/', LernmaterialPath);
        FUZZ_CHECK(GetAktLernmaterialName() == M.Lernmaterial, GetAktLernmaterialName());
    }
    Fuzz::ClearLog();
    return 0;
}
