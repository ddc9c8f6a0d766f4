// tastwerk-check: loads a program folder through the program's own loaders
// and reports what it found and every problem it met, for people who write
// learning materials.

#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/FilesHelperC.h"
#include "content/PathsC.h"
#include "content/TypenHelperC.h"
#include "log/LogC.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

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
             "Lädt die Brailletabelle, die Typenlisten und die Datendateien der Lernmaterialien\n"
             "und meldet jedes Problem. Ohne PROGRAMMORDNER wird der Ordner dieses Programms geprüft.\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    QStringList Args = App.arguments().mid(1);
    QString Folder;
    QString Material;
    for (qsizetype I = 0; I < Args.size(); ++I) {
        const QString &A = Args[I];
        if (A == QLatin1String("--help") || A == QLatin1String("-h")) {
            Usage();
            return 0;
        }
        if (A == QLatin1String("--material") && I + 1 < Args.size()) {
            Material = Args[++I];
        } else if (Folder.isEmpty() && !A.startsWith(QLatin1String("--"))) {
            Folder = A;
        } else {
            Usage();
            return 2;
        }
    }

    if (Folder.isEmpty())
        Folder = FindProgramFolder(QCoreApplication::applicationDirPath());
    const QString Program = IncludeTrailingPathDelimiter(QDir(Folder).absolutePath());
    if (!QFileInfo(Program).isDir() || !QFileInfo(Program).isReadable()) {
        Out() << "Der Ordner \"" << Program << "\" kann nicht gelesen werden!\n";
        return 2;
    }
    // Only reads: whatever the loaders would write goes nowhere.
    InitPaths(Program, CurrentUserName(), QDir::tempPath() + QStringLiteral("/tastwerk-check-unused"));

    TLog Messages(nullptr, QString());
    InstallLog(&Messages);

    TBrlUniChar Table;
    TAufgabenTypen Aufgaben;
    TDatendateiTypen Datendateien;
    BrlUniChar = &Table;
    AufgabenTypen = &Aufgaben;
    DatendateiTypen = &Datendateien;
    Table.LoadFile();
    Aufgaben.LoadFile();
    Datendateien.LoadFile();

    int Problems = 0;
    auto Flush = [&Problems, &Messages]() {
        const QStringList Entries = Messages.Strings();
        for (qsizetype I = Entries.size() - 1; I >= 0; --I) {
            // Drop the time stamp: "yy-mm-dd hh:mm: ".
            Out() << Entries[I].mid(16) << '\n';
            ++Problems;
        }
        Messages.Clear();
    };
    Flush();

    QStringList Materials;
    if (!Material.isEmpty()) {
        Materials << LastPathComponent(Material);
    } else {
        const QDir Dir(LernmaterialienPath);
        Materials = Dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    }

    int TotalFiles = 0;
    int TotalRecords = 0;
    for (const QString &Name : Materials) {
        SetLernmaterialPath(Name);
        TDaten Daten;
        Daten.LoadFiles();
        Flush();
        int Records = 0;
        for (int I = 0; I < Daten.Count(); ++I)
            Records += Daten.Get(I)->Count();
        Out() << "Lernmaterial \"" << Name << "\": " << Daten.Count() << " Datendateien, " << Records
              << " Datensätze\n";
        TotalFiles += Daten.Count();
        TotalRecords += Records;
    }

    Out() << "Brailletabelle: " << Table.Count() << " Einträge\n"
          << "Aufgabentypen: " << Aufgaben.Count() << ", Datendateitypen: " << Datendateien.Count() << '\n'
          << "Lernmaterialien: " << Materials.size() << ", Datendateien: " << TotalFiles
          << ", Datensätze: " << TotalRecords << '\n'
          << (Problems == 0 ? QStringLiteral("Keine Probleme gefunden.")
                            : QStringLiteral("%1 Probleme gefunden.").arg(Problems))
          << '\n';
    Out().flush();
    InstallLog(nullptr);
    return Problems == 0 ? 0 : 1;
}
