// tastwerk-check: loads a program folder through the program's own loaders
// and reports every problem it meets, for people who write learning
// materials. Exit status: 0 nothing reported, 1 something reported, 2 the
// folder cannot be read.

#include "ContentCheck.h"

#include "content/PathsC.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QTextStream &Out()
{
    static QTextStream S(stdout);
    S.setEncoding(QStringConverter::Utf8);
    return S;
}

void Usage()
{
    Out() << "Aufruf: tastwerk-check [PROGRAMMORDNER] [--material NAME]\n"
             "\n"
             "Lädt die Brailletabelle, die Typenlisten und die Lernmaterialien eines\n"
             "Programmordners so, wie Tastwerk sie lädt, und meldet jedes Problem in einer\n"
             "Zeile. Ohne PROGRAMMORDNER wird der Ordner dieses Programms geprüft; mit\n"
             "--material nur das genannte Lernmaterial. Es wird nichts geschrieben.\n"
             "\n"
             "Rückgabewert: 0 keine Meldung, 1 Meldungen, 2 der Ordner ist nicht lesbar.\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    const QStringList Args = App.arguments().mid(1);
    TCheckOptions Options;
    for (qsizetype I = 0; I < Args.size(); ++I) {
        const QString &A = Args[I];
        if (A == QLatin1String("--help") || A == QLatin1String("-h")) {
            Usage();
            return 0;
        }
        if (A == QLatin1String("--material") && I + 1 < Args.size()) {
            Options.Material = Args[++I];
        } else if (Options.ProgramFolder.isEmpty() && !A.startsWith(QLatin1String("--"))) {
            Options.ProgramFolder = A;
        } else {
            Usage();
            return 2;
        }
    }
    if (Options.ProgramFolder.isEmpty())
        Options.ProgramFolder = FindProgramFolder(QCoreApplication::applicationDirPath());

    const TCheckResult Result = CheckProgramFolder(Options);
    for (const QString &R : Result.Reports)
        Out() << R << '\n';
    if (!Result.FolderReadable) {
        Out().flush();
        return 2;
    }
    for (const QString &S : Result.Summary)
        Out() << S << '\n';
    Out() << (Result.Reports.isEmpty() ? QStringLiteral("Keine Probleme gefunden.")
                                       : QStringLiteral("%1 Meldungen.").arg(Result.Reports.size()))
          << '\n';
    Out().flush();
    return Result.Reports.isEmpty() ? 0 : 1;
}
