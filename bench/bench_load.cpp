// The initial load of a whole program folder, from the start of the job to
// the moment every lesson's lists are ready, side by side with reading the
// bytes of the same files.

#include "braille/BrlUniCharC.h"
#include "content/GlobalsC.h"
#include "content/JobsC.h"
#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "content/TypenHelperC.h"
#include "../tests/common/StatusReceiver.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void Write(const QString &Name, const QString &Text)
{
    QDir().mkpath(Name.left(Name.lastIndexOf(u'/')));
    QFile F(Name);
    F.open(QIODevice::WriteOnly);
    F.write(EncodeText(Text, TTextEncoding::Utf8Bom));
}

// 20 areas with 25 lessons each; 10 learning-character files and 190 word
// lists, 100,000 records in all.
const QString &ProgramFolder()
{
    static QTemporaryDir Dir;
    static const QString Path = [] {
        const QString P = Dir.path() + u'/';
        QDir().mkpath(P + QStringLiteral("Data"));
        for (const char *Name : {"BrlUniChar.txt", "Aufgabentypen.txt", "Datendateitypen.txt"})
            QFile::copy(QStringLiteral(TASTWERK_SHARE "/Data/") + QString::fromLatin1(Name),
                        P + QStringLiteral("Data/") + QString::fromLatin1(Name));
        const QString M = P + QStringLiteral("Lernmaterialien/Lernmaterial-1/");
        const QString Letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
        QString Ini = QStringLiteral("[HEADER]\r\nTitel=Messung\r\n\r\n[DIRECTORIES]\r\n");
        int Records = 0;
        for (int F = 0; F < 10; ++F) {
            QString T = QStringLiteral("[HEADER]\r\nTitel=Zeichen %1\r\nTyp=DT_Lernzeichen\r\n\r\n[DATA]\r\n").arg(F);
            for (int C = 0; C < 5; ++C, ++Records) {
                const QChar L = Letters[(F * 5 + C) % 26];
                T += QStringLiteral("%1 ^ %1 ^ der Buchstabe %1\r\n").arg(L);
            }
            Write(M + QStringLiteral("Datenbanken/zeichen%1.dat").arg(F), T);
        }
        for (int F = 0; F < 190; ++F) {
            QString T = QStringLiteral("[HEADER]\r\nTitel=Wörter %1\r\nTyp=DT_Woerterliste\r\n\r\n[DATA]\r\n").arg(F);
            const int Count = (100000 - 50) / 190 + (F < (100000 - 50) % 190 ? 1 : 0);
            for (int R = 0; R < Count; ++R, ++Records) {
                QString W;
                for (int K = 0, N = 3 + (R % 6); K < N; ++K)
                    W += Letters[(R * 7 + K * 3 + F) % 26];
                T += W + QStringLiteral(" ^ ") + W + QStringLiteral("\r\n");
            }
            Write(M + QStringLiteral("Datenbanken/woerter%1.dat").arg(F, 3, 10, QChar(u'0')), T);
        }
        const char *Types[] = {"AT_WortLesen", "AT_WortFinden", "AT_ZeichenInWortFinden", "AT_WortTippen",
                               "AT_ZeichenLesen"};
        for (int B = 0; B < 20; ++B) {
            const QString Area = QStringLiteral("Bereich %1").arg(B + 1, 2, 10, QChar(u'0'));
            Ini += Area + QStringLiteral("=Bereich %1 ^ Erzeugt für die Messung\r\n").arg(B + 1);
            for (int L = 0; L < 25; ++L) {
                const int N = B * 25 + L;
                const QString Typ = QString::fromLatin1(Types[N % 5]);
                Write(M + Area + QStringLiteral("/Lektion %1.lek").arg(L + 1, 2, 10, QChar(u'0')),
                      QStringLiteral("[HEADER]\r\nTitel=Lektion %1\r\nTyp=%2\r\nBeschreibung=Eine Lektion\r\n\r\n"
                                     "[SETTINGS]\r\nSapiSpeech=1\r\nSounds=1\r\nPunkte=3\r\n\r\n[%2]\r\n"
                                     "Lernzeichendateien=zeichen%3.dat\r\nGelerntzeichendateien=zeichen%4.dat ^ "
                                     "zeichen%5.dat\r\nWoerterdateien=woerter%6.dat\r\nWiederholungen=5\r\n")
                          .arg(N)
                          .arg(Typ)
                          .arg(N % 10)
                          .arg((N + 1) % 10)
                          .arg((N + 2) % 10)
                          .arg(N % 190, 3, 10, QChar(u'0')));
            }
        }
        Write(M + QStringLiteral("Lernmaterial.ini"), Ini);
        QDir().mkpath(M + QStringLiteral("Sammellektionen"));
        return P;
    }();
    return Path;
}


void BM_InitialLoad(benchmark::State &State)
{
    const QString &Folder = ProgramFolder();
    InitPaths(Folder, QStringLiteral("messung"));
    TBrlUniChar Table;
    TAufgabenTypen Aufgaben;
    TDatendateiTypen Datendateien;
    BrlUniChar = &Table;
    AufgabenTypen = &Aufgaben;
    DatendateiTypen = &Datendateien;
    int Lessons = 0;
    for (auto _ : State) {
        TStatusReceiver Receiver;
        auto Jobs = std::make_unique<TJobs>(&Receiver);
        Jobs->LoadFiles();
        WaitHandlingEvents([&] { return Receiver.Has(WM_USER_JOBS, 0) && Receiver.Has(WM_USER_LEKTIONEN, 0); });
        State.PauseTiming();
        Lessons = Jobs->Lektionen().Count();
        Jobs.reset();
        State.ResumeTiming();
    }
    State.counters["lessons"] = Lessons;
    BrlUniChar = nullptr;
    AufgabenTypen = nullptr;
    DatendateiTypen = nullptr;
}
BENCHMARK(BM_InitialLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InitialLoadFloorReadBytes(benchmark::State &State)
{
    const QString &Folder = ProgramFolder();
    for (auto _ : State) {
        qint64 Bytes = 0;
        QDirIterator It(Folder, QDir::Files, QDirIterator::Subdirectories);
        while (It.hasNext()) {
            QFile F(It.next());
            F.open(QIODevice::ReadOnly);
            Bytes += F.readAll().size();
        }
        benchmark::DoNotOptimize(Bytes);
    }
}
BENCHMARK(BM_InitialLoadFloorReadBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
