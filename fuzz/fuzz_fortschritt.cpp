// The learner's progress record. Any file loads without a crash; what loads
// is written and read back to the same record; a refused file leaves the
// record as the kept copy gave it.

#include "FuzzCommon.h"

#include "progress/FortschrittC.h"

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    InitPaths(Fuzz::TempDir() + QStringLiteral("programm"), QStringLiteral("fuzz"),
              Fuzz::TempDir() + QStringLiteral("user"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QString File = Fuzz::WriteFile(Fuzz::TempDir() + QStringLiteral("Fortschritt.txt"), Fuzz::Bytes(Data, Size));
    QFile::remove(TFortschritt::BackupFileName(File));

    TFortschritt F;
    const bool Loaded = F.LoadFile(File);
    if (Loaded) {
        // Loaded whole: it goes out and comes back the same.
        const QString Text = F.ToText();
        TFortschritt Again;
        int Line = 0;
        QString Reason;
        FUZZ_CHECK(Again.ParseText(Text, Line, Reason), Text + QStringLiteral("\n: ") + Reason);
        FUZZ_CHECK(Again == F, Text);
        FUZZ_CHECK(Again.ToText() == Text, Text);
        FUZZ_CHECK(F.SaveFile(), File);
        TFortschritt Saved;
        FUZZ_CHECK(Saved.LoadFile(File) && Saved == F, File);
    } else {
        // Refused, with no copy to fall back on: nothing half-read.
        FUZZ_CHECK(F.IsEmpty(), File);
    }
    Fuzz::ClearLog();
    return 0;
}
