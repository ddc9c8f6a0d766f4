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
             "        tastwerk-check [PROGRAMMORDNER] --preview LEKTIONSDATEI [--seed N] [--count N] [--width ZELLEN]\n"
             "\n"
             "Lädt die Brailletabelle, die Typenlisten und die Lernmaterialien eines\n"
             "Programmordners so, wie Tastwerk sie lädt, und meldet jedes Problem in einer\n"
             "Zeile. Ohne PROGRAMMORDNER wird der Ordner dieses Programms geprüft; mit\n"
             "--material nur das genannte Lernmaterial. Es wird nichts geschrieben.\n"
             "\n"
             "Mit --preview werden Übungen einer Lektion erzeugt und gezeigt: die gesprochene\n"
             "Aufgabe, der Text mit Braille als Zellen und die Lösung (Startwert --seed, Anzahl\n"
             "--count, Breite der Braillezeile --width, 20 bis 80, Vorgabe 40).\n"
             "\n"
             "Rückgabewert: 0 keine Meldung, 1 Meldungen, 2 der Ordner ist nicht lesbar.\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    const QStringList Args = App.arguments().mid(1);
    TCheckOptions Options;
    TPreviewOptions Preview;
    // The number after an option; false when it is none.
    auto Number = [&Args](qsizetype &I, qlonglong &Value) {
        bool Ok = false;
        Value = Args[++I].toLongLong(&Ok);
        return Ok && Value >= 0;
    };
    qlonglong Value = 0;
    for (qsizetype I = 0; I < Args.size(); ++I) {
        const QString &A = Args[I];
        const bool HasValue = I + 1 < Args.size();
        if (A == QLatin1String("--help") || A == QLatin1String("-h")) {
            Usage();
            return 0;
        }
        if (A == QLatin1String("--preview") && HasValue) {
            Preview.LessonFile = Args[++I];
        } else if (A == QLatin1String("--seed") && HasValue) {
            if (!Number(I, Value))
                return Usage(), 2;
            Preview.Seed = quint64(Value);
        } else if (A == QLatin1String("--count") && HasValue) {
            if (!Number(I, Value))
                return Usage(), 2;
            Preview.Count = int(qMin<qlonglong>(Value, 1000));
        } else if (A == QLatin1String("--width") && HasValue) {
            if (!Number(I, Value))
                return Usage(), 2;
            Preview.Width = int(qMin<qlonglong>(Value, 1000));
        } else if (A == QLatin1String("--material") && HasValue) {
            Options.Material = Args[++I];
        } else if (Options.ProgramFolder.isEmpty() && !A.startsWith(QLatin1String("--"))) {
            Options.ProgramFolder = A;
        } else {
            Usage();
            return 2;
        }
    }
    if (!Preview.LessonFile.isEmpty()) {
        Preview.ProgramFolder = Options.ProgramFolder;
        bool Ok = false;
        for (const QString &Line : PreviewLesson(Preview, Ok))
            Out() << Line << '\n';
        Out().flush();
        return Ok ? 0 : 1;
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
