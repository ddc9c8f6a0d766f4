// Making exercises of the shipped course, by kind of exercise, side by side
// with copying the text they produce (the floor): a key press must never
// wait for the next exercise.

#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/LektionenC.h"
#include "content/PathsC.h"
#include "content/RandomC.h"
#include "exercise/ExerciseC.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TCourse {
    QTemporaryDir User;
    TBrlUniChar Table;
    TDaten Daten;
    std::unique_ptr<TLektionen> Lektionen;

    TCourse()
    {
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("messung"), User.path());
        Table.LoadFile();
        BrlUniChar = &Table;
        Daten.LoadFiles();
        Lektionen = std::make_unique<TLektionen>(nullptr, &Daten);
        Lektionen->SetListsInline(true);
        Lektionen->LoadFiles();
    }
    QList<const TLektionendatei *> Group(TExerciseGroup G) const
    {
        QList<const TLektionendatei *> L;
        for (int I = 0; I < Lektionen->Count(); ++I)
            if (ExerciseGroup(Lektionen->Get(I)->Typ()) == G)
                L.append(Lektionen->Get(I));
        return L;
    }
};

const TCourse &Course()
{
    static const TCourse C;
    return C;
}

void CreateExercises(benchmark::State &State, TExerciseGroup G)
{
    const QList<const TLektionendatei *> Lessons = Course().Group(G);
    RandSeed(1);
    TExercise E;
    qsizetype I = 0;
    for (auto _ : State) {
        const TLektionendatei *L = Lessons[I++ % Lessons.size()];
        benchmark::DoNotOptimize(E.Next(L->Settings(), L->Typ()));
    }
    State.counters["lessons"] = double(Lessons.size());
}

// The floor: copying texts of the same kind and size.
void CopyOutputs(benchmark::State &State, TExerciseGroup G)
{
    const QList<const TLektionendatei *> Lessons = Course().Group(G);
    RandSeed(1);
    TExercise E;
    QStringList Texts;
    for (const TLektionendatei *L : Lessons) {
        E.Next(L->Settings(), L->Typ());
        Texts.append(E.Memo.Text());
    }
    qsizetype I = 0;
    for (auto _ : State) {
        const QString &T = Texts[I++ % Texts.size()];
        QString Copy(T.constData(), T.size());
        benchmark::DoNotOptimize(Copy.data());
    }
}

void BM_ExerciseFind(benchmark::State &S) { CreateExercises(S, egFind); }
void BM_ExerciseRead(benchmark::State &S) { CreateExercises(S, egRead); }
void BM_ExerciseType(benchmark::State &S) { CreateExercises(S, egType); }
void BM_ExerciseFindFloorCopy(benchmark::State &S) { CopyOutputs(S, egFind); }
void BM_ExerciseReadFloorCopy(benchmark::State &S) { CopyOutputs(S, egRead); }
void BM_ExerciseTypeFloorCopy(benchmark::State &S) { CopyOutputs(S, egType); }

BENCHMARK(BM_ExerciseFind)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ExerciseFindFloorCopy)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ExerciseRead)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ExerciseReadFloorCopy)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ExerciseType)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ExerciseTypeFloorCopy)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
