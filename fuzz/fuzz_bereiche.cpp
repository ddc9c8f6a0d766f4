// The area list of a learning material (Lernmaterial.ini), read against the
// test data's learning material and its lessons. Every area it gives is a
// folder inside the learning material.

#include "FuzzContent.h"

#include "content/BereicheC.h"

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    Fuzz::Content();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    Fuzz::TContent &C = Fuzz::Content();
    const QString File =
        Fuzz::WriteFile(LernmaterialPath + QStringLiteral("Lernmaterial.ini"), Fuzz::Bytes(Data, Size));

    TBereiche Header;
    const bool HeaderRead = Header.LoadFile(QString(), true);
    FUZZ_CHECK(Header.Count() == 0, File);

    TBereiche Bereiche(nullptr, C.Lektionen.get());
    FUZZ_CHECK(Bereiche.LoadFile() == HeaderRead, File);
    if (HeaderRead) {
        FUZZ_CHECK(Header.Titel() == Bereiche.Titel() && !Bereiche.Titel().isEmpty(), Header.Titel());
        FUZZ_CHECK(Header.Beschreibung() == Bereiche.Beschreibung(), Header.Beschreibung());
    }
    for (int I = 0; I < Bereiche.Count(); ++I) {
        const TBereich B = Bereiche.Get(I);
        FUZZ_CHECK(Fuzz::IsInside(B.Path, LernmaterialPath), B.Bereich + QStringLiteral(" -> ") + B.Path);
        FUZZ_CHECK(QFileInfo(B.Path).isDir() && B.Path.endsWith(u'/'), B.Path);
        FUZZ_CHECK(!B.Titel.isEmpty(), B.Bereich);
        FUZZ_CHECK(Bereiche.IndexOf(B.Bereich) >= 0, B.Bereich);
        for (const TLektionendatei *L : B.Lektionen)
            FUZZ_CHECK(SameText(L->FileInfo().Path, B.Path), L->FileInfo().GetFilename());
    }
    Fuzz::ClearLog();
    return 0;
}
