// Collective lessons (".sam"), read against the test data's learning
// material and its lessons: every entry is a lesson of that material.

#include "FuzzContent.h"

#include "content/SammellektionenC.h"

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    Fuzz::Content();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    Fuzz::TContent &C = Fuzz::Content();
    const QString File = Fuzz::WriteFile(SammellektionenPath + QStringLiteral("99 Fuzz.sam"), Fuzz::Bytes(Data, Size));

    TSammeldatei S(nullptr, TFileInfo::Create(File), C.Lektionen.get());
    for (int I = 0; I < S.Count(); ++I) {
        const TLektionendatei *L = S.Get(I);
        FUZZ_CHECK(L != nullptr, File);
        FUZZ_CHECK(Fuzz::IsInside(L->FileInfo().GetFilename(), LernmaterialPath), L->FileInfo().GetFilename());
    }
    FUZZ_CHECK(S.Get(-1) == nullptr && S.Get(S.Count()) == nullptr, File);

    // The whole folder, the new file among the shipped ones.
    TSammellektionen All(nullptr, C.Lektionen.get());
    All.LoadFiles();
    All.Sort();
    for (int I = 0; I < All.Count(); ++I)
        FUZZ_CHECK(All.IndexOf(All.Get(I)->FileInfo().Name) >= 0 || All.Get(I)->FileInfo().Name.isEmpty(),
                   All.Get(I)->FileInfo().Name);
    Fuzz::ClearLog();
    return 0;
}
