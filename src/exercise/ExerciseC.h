#pragma once

#include "exercise/AufgabenTypSettingsC.h"
#include "exercise/ClickPosC.h"
#include "exercise/MemoC.h"
#include "exercise/TippenPosC.h"
#include "run/SpeakTextLinesC.h"

#include <QString>

// The kinds of exercise by how they are answered.
enum TExerciseGroup { egNone, egText, egRead, egFind, egType };
TExerciseGroup ExerciseGroup(TAufgabenTyp Typ);

// One exercise after the other of a lesson's task type, made as the
// exercise window makes them, with the text as shown and the answer key.
// The text goes to ARe (the window's pane), or to the exercise's own memo.
struct TExercise {
    TStringMemo Memo;
    TMemo *Re;
    TClickPos ClickPos;
    TTippenPos TippenPos;
    TSpeakTextLines SpeakTextLines;

    explicit TExercise(TMemo *ARe = nullptr)
        : Re(ARe ? ARe : &Memo)
        , SpeakTextLines(Re)
    {
        ClickPos.SetRe(Re);
        TippenPos.SetRe(Re);
    }
    TExercise(const TExercise &) = delete;
    TExercise &operator=(const TExercise &) = delete;

    // Makes the next exercise and returns the task to speak (the first
    // spoken line). For a finding type NewDatensatz false makes a new line
    // for the same target; for a typing type RepeatExercise shows the last
    // exercise again with empty fields. The caret goes where the learner
    // starts; the spoken lines remember it.
    QString Next(const TAufgabenTypSettings &Settings, TAufgabenTyp Typ, bool NewDatensatz = true,
                 bool RepeatExercise = false);
};
