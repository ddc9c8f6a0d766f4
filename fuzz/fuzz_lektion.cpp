// Lesson files, read against the test data's learning material (its data
// files give the lists a lesson builds).

#include "FuzzContent.h"

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
        Fuzz::WriteFile(LernmaterialPath + QStringLiteral("Bereich 1/99 Fuzz.lek"), Fuzz::Bytes(Data, Size));
    {
        TLektionendatei L(nullptr, TFileInfo::Create(File), &C.Daten);
        FUZZ_CHECK(!L.IsCreatingLists(), File);
        if (!L.FileInfo().IsEmpty())
            FUZZ_CHECK(L.GetToSammellektionPath() == QStringLiteral("Bereich 1/99 Fuzz.lek"),
                       L.GetToSammellektionPath());
        if (L.Typ() != atNone) {
            FUZZ_CHECK(!L.Titel().isEmpty(), File);
            (void)L.Settings().Wiederholungen(L.Typ());
            (void)L.Settings().Zeitfaktor(L.Typ());
        }
        for (const QString &H : L.Hinweise())
            FUZZ_CHECK(H.startsWith(QStringLiteral("Zeile ")), H);
    }
    Fuzz::ClearLog();
    return 0;
}
