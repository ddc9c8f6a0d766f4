// The help sources: Markdown pages and the HTML templates around them.
// Input, separated by "#####": Hilfe.txt (with its table of contents),
// TH_Datendateien.txt (listed in the manual's), _oben.html, _endlink.html,
// _endlink_th.html, _copyright.html, _unten.html and Einleitung.txt. The
// manual's own page is fixed. Every page is made.

#include "FuzzCommon.h"

#include "help/HelpSystemC.h"

#include <QDate>

namespace
{
const QStringList Files{QStringLiteral("Hilfetexte/Hilfe.txt"),        QStringLiteral("Hilfetexte/TH_Datendateien.txt"),
                        QStringLiteral("Hilfetexte/_oben.html"),       QStringLiteral("Hilfetexte/_endlink.html"),
                        QStringLiteral("Hilfetexte/_endlink_th.html"), QStringLiteral("Hilfetexte/_copyright.html"),
                        QStringLiteral("Hilfetexte/_unten.html"),      QStringLiteral("Einleitung.txt")};
} // namespace

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    InitPaths(Fuzz::TempDir() + QStringLiteral("programm"), QStringLiteral("fuzz"),
              Fuzz::TempDir() + QStringLiteral("user"));
    QDir().mkpath(HilfePath);
    Fuzz::WriteFile(HilfetextePath + QStringLiteral("TechnischesHandbuch.txt"),
                    QByteArray("# Technisches Handbuch\n\n{inhalt}\n"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QList<QByteArray> Parts = Fuzz::SplitParts(Fuzz::Bytes(Data, Size), int(Files.size()));
    for (qsizetype I = 0; I < Files.size(); ++I)
        Fuzz::WriteFile(ProgramPath + Files[I], Parts.value(I));

    THelpSystem Help;
    Help.CreateHtmlFiles(QDate(2024, 5, 1));
    FUZZ_CHECK(!Help.IsCreatingHtmlFiles(), QString());
    FUZZ_CHECK(Help.LastErrorString.isEmpty(), Help.LastErrorString);
    for (const char *Page : {"Hilfe.html", "TH_Datendateien.html", "TechnischesHandbuch.html"}) {
        QFile F(HilfePath + QLatin1StringView(Page));
        FUZZ_CHECK(F.open(QIODevice::ReadOnly), F.fileName());
        const QByteArray Html = F.readAll();
        FUZZ_CHECK(QString::fromUtf8(Html).toUtf8() == Html, F.fileName());
    }
    FUZZ_CHECK(Help.LoadEinleitung(), Help.LastErrorString);
    Fuzz::ClearLog();
    return 0;
}
