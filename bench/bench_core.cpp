// Speed of the braille table and of loading data files, each side by side
// with its floor (a plain copy, reading and decoding the same files) and, for
// the table, with liblouis on the same text.
//
//   build/bin/bench_core
//
// The run ends with the ratios.

#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <liblouis.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

const char16_t GermanParagraph[] =
    u"Die Blindenschrift wurde von Louis Braille erfunden. Jeder Buchstabe besteht aus bis zu sechs Punkten, "
    u"die in zwei Spalten zu je drei Punkten angeordnet sind. Wer sie lernen möchte, übt zuerst die Buchstaben "
    u"a bis j, dann k bis t und zuletzt u bis z. Große Buchstaben bekommen ein Großschreibzeichen, Zahlen ein "
    u"Zahlzeichen. Über die Jahre ist die Schrift in vielen Ländern angepasst worden: Im Deutschen gibt es "
    u"eigene Zeichen für ä, ö, ü und ß. Mit etwas Übung liest man mit den Fingerspitzen fast so schnell wie mit "
    u"den Augen.\n";

// About one megabyte of German text (UTF-16 code units).
const QString &GermanText()
{
    static const QString Text = [] {
        const QString Paragraph = QString::fromUtf16(GermanParagraph);
        QString T;
        T.reserve(1024 * 1024 + Paragraph.size());
        while (T.size() < 1024 * 1024)
            T += Paragraph;
        return T;
    }();
    return Text;
}

const TBrlUniChar &Table()
{
    static const std::unique_ptr<TBrlUniChar> T = [] {
        auto Result = std::make_unique<TBrlUniChar>();
        Result->LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt"));
        return Result;
    }();
    return *T;
}

void BM_Translate(benchmark::State &State)
{
    const QString &Text = GermanText();
    const TBrlUniChar &T = Table();
    for (auto _ : State) {
        QString Braille = T.Translate(Text, ttToUniBrl, true);
        benchmark::DoNotOptimize(Braille.data());
    }
    State.SetBytesProcessed(State.iterations() * Text.size() * 2);
}
BENCHMARK(BM_Translate)->Unit(benchmark::kMillisecond);

void BM_TranslateFloorCopy(benchmark::State &State)
{
    const QString &Text = GermanText();
    for (auto _ : State) {
        QString Copy(Text.constData(), Text.size()); // a real copy, not a shared one
        benchmark::DoNotOptimize(Copy.data());
    }
    State.SetBytesProcessed(State.iterations() * Text.size() * 2);
}
BENCHMARK(BM_TranslateFloorCopy)->Unit(benchmark::kMillisecond);

// liblouis translates line by line; the lines of the text are short.
void LouisTranslate(benchmark::State &State, const char *Tables)
{
    const QStringList Lines = GermanText().split(u'\n', Qt::SkipEmptyParts);
    std::vector<widechar> In;
    std::vector<widechar> Out(8192);
    if (!lou_getTable(Tables)) {
        State.SkipWithError("liblouis table not found");
        return;
    }
    for (auto _ : State) {
        for (const QString &Line : Lines) {
            In.assign(Line.utf16(), Line.utf16() + Line.size());
            int InLen = int(In.size());
            int OutLen = int(Out.size());
            lou_translateString(Tables, In.data(), &InLen, Out.data(), &OutLen, nullptr, nullptr, ucBrl);
            benchmark::DoNotOptimize(Out.data());
        }
    }
    State.SetBytesProcessed(State.iterations() * GermanText().size() * 2);
}
void BM_LiblouisComp8(benchmark::State &State) { LouisTranslate(State, "de-de-comp8.ctb"); }
void BM_LiblouisG0(benchmark::State &State) { LouisTranslate(State, "de-g0.utb"); }
BENCHMARK(BM_LiblouisComp8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiblouisG0)->Unit(benchmark::kMillisecond);

// 200 data files with 100,000 records in all.
const QString &DataFolder()
{
    static QTemporaryDir Dir;
    static const QString Path = [] {
        const QStringList Words = QString::fromUtf16(GermanParagraph).simplified().split(u' ');
        for (int F = 0; F < 200; ++F) {
            QString Text = QStringLiteral("[HEADER]\r\nTitel=Wörter %1\r\nTyp=DT_Woerterliste\r\n"
                                          "Beschreibung=Erzeugt \\ für die Messung\r\n\r\n[DATA]\r\n")
                               .arg(F);
            // Braille form in small letters, print form as written, every
            // third record with an additional text: like a real word list.
            for (int R = 0; R < 500; ++R) {
                const QString &W = Words[(F * 500 + R) % Words.size()];
                Text += W.toLower() + QStringLiteral(" ^ ") + W
                        + (R % 3 == 0 ? QStringLiteral(" ^ ein Hinweis") : QString()) + QStringLiteral("\r\n");
            }
            QFile File(Dir.path() + QStringLiteral("/woerter%1.dat").arg(F, 3, 10, QChar(u'0')));
            File.open(QIODevice::WriteOnly);
            File.write(EncodeText(Text, TTextEncoding::Utf8Bom));
        }
        return Dir.path() + u'/';
    }();
    return Path;
}

void BM_LoadFiles(benchmark::State &State)
{
    const QString &Folder = DataFolder();
    qint64 Records = 0;
    TDaten Daten;
    for (auto _ : State) {
        // Only the loading counts, not freeing the previous round's files.
        State.PauseTiming();
        Daten.Clear();
        State.ResumeTiming();
        Daten.LoadFiles(Folder);
        Records = 0;
        for (int I = 0; I < Daten.Count(); ++I)
            Records += Daten.Get(I)->Count();
        benchmark::DoNotOptimize(Records);
    }
    State.counters["records"] = double(Records);
}
BENCHMARK(BM_LoadFiles)->Unit(benchmark::kMillisecond);

void BM_LoadFilesFloorReadDecode(benchmark::State &State)
{
    const QString &Folder = DataFolder();
    const QStringList Names = QDir(Folder).entryList(QDir::Files);
    for (auto _ : State) {
        qsizetype Chars = 0;
        for (const QString &Name : Names)
            Chars += LoadTextFile(Folder + Name)->size();
        benchmark::DoNotOptimize(Chars);
    }
}
BENCHMARK(BM_LoadFilesFloorReadDecode)->Unit(benchmark::kMillisecond);

// Prints as usual and keeps each benchmark's time per iteration.
class TRatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &Runs) override
    {
        ConsoleReporter::ReportRuns(Runs);
        for (const Run &R : Runs) {
            if (R.error_occurred)
                continue;
            if (R.run_type == Run::RT_Iteration)
                Times[R.benchmark_name()] = R.GetAdjustedRealTime();
            else if (R.aggregate_name == "median")
                Times[R.run_name.function_name + "_median"] = R.GetAdjustedRealTime();
        }
    }
    void Ratio(const char *What, const std::string &A, const std::string &B, const char *Target) const
    {
        const auto IA = Times.find(A);
        const auto IB = Times.find(B);
        if (IA == Times.end() || IB == Times.end() || IB->second <= 0)
            return;
        std::printf("%-52s %8.2f   (%s)\n", What, IA->second / IB->second, Target);
    }
    std::map<std::string, double> Times;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication App(argc, argv); // the loader reports through the event loop
    benchmark::Initialize(&argc, argv);
    TRatioReporter Reporter;
    benchmark::RunSpecifiedBenchmarks(&Reporter);
    std::printf("\nRatios (time / time):\n");
    Reporter.Ratio("liblouis de-de-comp8 / Translate", "BM_LiblouisComp8", "BM_Translate", "target >= 100");
    Reporter.Ratio("liblouis de-g0 / Translate", "BM_LiblouisG0", "BM_Translate", "for comparison");
    Reporter.Ratio("Translate / plain copy", "BM_Translate", "BM_TranslateFloorCopy", "target <= 5");
    Reporter.Ratio("LoadFiles / read and decode", "BM_LoadFiles", "BM_LoadFilesFloorReadDecode", "target <= 4");
    for (const char *Group : {"Find", "Read", "Type"}) {
        const std::string G = Group;
        const auto It = Reporter.Times.find("BM_Exercise" + G + "_median");
        if (It != Reporter.Times.end())
            std::printf("%-52s %8.1f us (target < 1000)\n", ("one exercise, " + G + " (median)").c_str(), It->second);
        Reporter.Ratio(("exercise " + G + " / copy of its text").c_str(), "BM_Exercise" + G + "_median",
                       "BM_Exercise" + G + "FloorCopy_median", "for comparison");
    }
    Reporter.Ratio("initial load until lists ready / read bytes", "BM_InitialLoad/real_time",
                   "BM_InitialLoadFloorReadBytes/real_time", "target <= 4");
    benchmark::Shutdown();
    lou_free();
    return 0;
}
