// The type lists of the data folder. Input: Aufgabentypen.txt, "#####",
// Datendateitypen.txt. Whatever a list says, it holds one record per type,
// in type order, each found again by its key.

#include "FuzzCommon.h"

#include "content/TypenHelperC.h"

namespace
{

template <typename T> void Check(const QString &File)
{
    TTypen<T> Typen(nullptr, File);
    FUZZ_CHECK(Typen.LoadFile(), File);
    FUZZ_CHECK(Typen.Count() == T::EnumCount, File);
    for (int I = 0; I < Typen.Count(); ++I) {
        const T Record = Typen.Get(I);
        FUZZ_CHECK(int(Record.Typ) == I, Record.TypStr);
        FUZZ_CHECK(!Record.Titel.isEmpty() || I == 0, Record.TypStr);
        if (I > 0)
            FUZZ_CHECK(Typen.IsValidIndex(T::KeyOf(Record.Typ)) == I, Record.TypStr);
    }
    FUZZ_CHECK(Typen.Get(-1).TypStr.isEmpty() && Typen.Get(T::EnumCount).TypStr.isEmpty(), File);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QList<QByteArray> Parts = Fuzz::SplitParts(Fuzz::Bytes(Data, Size), 2);
    const QString Dir = Fuzz::TempDir() + QStringLiteral("Data/");
    Check<TTypAufgabenTyp>(Fuzz::WriteFile(Dir + QStringLiteral("Aufgabentypen.txt"), Parts[0]));
    Check<TTypDatendateiTyp>(Fuzz::WriteFile(Dir + QStringLiteral("Datendateitypen.txt"), Parts.value(1, Parts[0])));
    for (const QByteArray &Part : Parts) {
        const QString Key = QString::fromUtf8(Part.left(40)).trimmed();
        (void)AufgabenTypFromKey(Key);
        (void)DatendateiTypFromKey(Key);
    }
    Fuzz::ClearLog();
    return 0;
}
