// Writes one file again and again through one of the program's savers, each
// generation a little different, until it is killed. The test that starts
// it kills it at random moments and then reads what is on disk.
//
//     save_writer ini|log|whole FILE
//
// Every generation N is a text of many lines that all name N, closed by the
// line "ENDE N"; a file is whole when all its lines name one generation and
// its last line closes it.
#include "app/IniFileC.h"
#include "content/FilesHelperC.h"
#include "log/LogC.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication App(argc, argv);
    if (argc != 3)
        return 2;
    const QString Kind = QString::fromLocal8Bit(argv[1]);
    const QString File = QString::fromLocal8Bit(argv[2]);
    constexpr int Lines = 4000; // about 200 KB: a write takes a while
    std::puts("bereit");
    std::fflush(stdout);
    for (int N = 1;; ++N) {
        bool Ok = false;
        if (Kind == u"ini") {
            TIniFile Ini(File);
            for (int I = 0; I < Lines / 4; ++I)
                Ini.WriteString(QStringLiteral("Settings"), QStringLiteral("Schluessel%1").arg(I),
                                QStringLiteral("Generation %1").arg(N));
            Ini.WriteString(QStringLiteral("Zuletzt"), QStringLiteral("ENDE"), QString::number(N));
            Ok = Ini.UpdateFile(1);
        } else if (Kind == u"log") {
            // The log keeps its newest entries first: the closing line is
            // added first and so ends the file.
            TLog Log(nullptr, File);
            Log.Clear();
            Log.Add(QStringLiteral("ENDE %1").arg(N));
            const QString Long = QString(QStringLiteral("x")).repeated(4000);
            for (int I = 1; I < TLog::MaxEntries; ++I)
                Log.Add(QStringLiteral("Generation %1 %2").arg(N).arg(Long));
            Ok = Log.SaveFile();
        } else {
            QByteArray Data;
            for (int I = 0; I < Lines; ++I)
                Data += QStringLiteral("Zeile %1 der Generation %2\r\n").arg(I).arg(N).toUtf8();
            Data += QStringLiteral("ENDE %1\r\n").arg(N).toUtf8();
            Ok = WriteFileWhole(File, Data, 1);
        }
        if (!Ok)
            return 1;
    }
}
