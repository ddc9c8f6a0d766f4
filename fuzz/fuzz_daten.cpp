// Data files. Input: up to three data files separated by "#####", written
// into one databases folder. Each file alone, the folder as a whole, and the
// merge of all of them by name.

#include "FuzzCommon.h"

#include "content/DatenC.h"

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QList<QByteArray> Parts = Fuzz::SplitParts(Fuzz::Bytes(Data, Size), 3);
    const QString Dir = Fuzz::TempDir() + QStringLiteral("Datenbanken/");
    static const QStringList Names{QStringLiteral("a.dat"), QStringLiteral("b.txt"), QStringLiteral("c.dat")};
    for (qsizetype I = 0; I < Names.size(); ++I) {
        if (I < Parts.size())
            Fuzz::WriteFile(Dir + Names[I], Parts[I]);
        else
            QFile::remove(Dir + Names[I]);
    }

    for (qsizetype I = 0; I < Parts.size(); ++I) {
        TDatendatei D(nullptr, TFileInfo::Create(Dir + Names[I]));
        FUZZ_CHECK(D.Count() == D.List().size(), Names[I]);
        for (int K = 0; K < D.Count(); ++K) {
            const TDatensatz R = D.Get(K);
            TDatensatz Copy;
            Copy.SetData(R);
        }
        FUZZ_CHECK(D.Typ() == dtNone || !D.Titel().isEmpty(), Names[I]);
    }

    TDaten Daten;
    Daten.LoadFiles(Dir);
    Daten.Sort();
    FUZZ_CHECK(Daten.Count() <= Parts.size(), Dir);
    TDatendateiTypSet All;
    for (int T = dtBrueckenwoerter; T < DatendateiTypCount; ++T)
        All.Include(TDatendateiTyp(T));
    const TDatensatzDynArray Merged =
        Daten.FusioniereDatendateien(QStringLiteral("A.DAT ^ b.txt ^ c.dat ^ fehlt.dat"), All);
    qsizetype Expected = 0;
    for (int K = 0; K < Daten.Count(); ++K)
        if (Daten.Get(K)->Typ() != dtNone)
            Expected += Daten.Get(K)->Count();
    FUZZ_CHECK(Merged.size() <= Expected, QString::number(Merged.size()));
    (void)Daten.FindDatenWithTypSet(All, true);
    Fuzz::ClearLog();
    return 0;
}
