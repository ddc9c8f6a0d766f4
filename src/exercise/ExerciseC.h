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
struct TExercise {
    TStringMemo Memo;
    TClickPos ClickPos;
    TTippenPos TippenPos;
    TSpeakTextLines SpeakTextLines{&Memo};

    TExercise()
    {
        ClickPos.SetRe(&Memo);
        TippenPos.SetRe(&Memo);
    }
    TExercise(const TExercise &) = delete;
    TExercise &operator=(const TExercise &) = delete;

    // Makes the next exercise (for a finding type with NewDatensatz false:
    // a new line for the same target) and returns the task to speak.
    QString Next(const TAufgabenTypSettings &Settings, TAufgabenTyp Typ, bool NewDatensatz = true);
};
