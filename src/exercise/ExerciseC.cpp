#include "exercise/ExerciseC.h"

TExerciseGroup ExerciseGroup(TAufgabenTyp Typ)
{
    switch (Typ) {
    case atText:
    case atSchnellkurs:
    case atBuchstabenLernen:
        return egText;
    case atZeichenLesen:
    case atWortLesen:
    case atSatzLesen:
    case atFehlersuche:
        return egRead;
    case atVerstecktesZeichen:
    case atVerstecktesWort:
    case atZeichenFinden:
    case atWortFinden:
    case atZeichenInWortFinden:
    case atFigurFinden:
        return egFind;
    case atZeichenTippen:
    case atWortTippen:
    case atSatzTippen:
    case atBrueckenwoerter:
    case atLueckentext:
        return egType;
    default:
        return egNone;
    }
}

QString TExercise::Next(const TAufgabenTypSettings &S, TAufgabenTyp Typ, bool NewDatensatz, bool RepeatExercise)
{
    Re->Clear();
    SpeakTextLines.Clear();
    // Finding, reading and typing exercises have one spoken line: the task.
    auto Show = [this](const QString &Text, int SelStart, const QString &Task) {
        Re->SetText(Text);
        Re->SetSelStart(SelStart);
        if (!Task.isNull()) {
            SpeakTextLines.SetSpeakTextString(Task);
            SpeakTextLines.Add(Task);
        }
    };
    auto Find = [&](const QString &Text) { Show(Text, ClickPos.FSelStart, ClickPos.FSpeakTextString); };
    auto Type = [&](const auto &R, TTippenPosModus Modus) {
        const QString Text = RepeatExercise ? TippenPos.CreateRepeatString(Modus) : R.CreateText(TippenPos);
        Show(Text, TippenPos.FSelStart, TippenPos.FSpeakTextString);
    };
    switch (Typ) {
    case atText:
        Show(S.FAT_Text_Settings.CreateText(SpeakTextLines), 0, QString());
        break;
    case atSchnellkurs:
        S.FAT_Schnellkurs_Settings.CreateText(*Re, SpeakTextLines);
        Re->SetSelStart(0);
        break;
    case atBuchstabenLernen:
        S.FAT_BuchstabenLernen_Settings.CreateText(*Re, SpeakTextLines);
        Re->SetSelStart(0);
        break;
    case atZeichenLesen:
        Find(S.FAT_ZeichenLesen_Settings.CreateText(ClickPos));
        break;
    case atWortLesen:
        Find(S.FAT_WortLesen_Settings.CreateText(ClickPos));
        break;
    case atSatzLesen:
        Find(S.FAT_SatzLesen_Settings.CreateText(ClickPos));
        break;
    case atFehlersuche:
        Find(S.FAT_Fehlersuche_Settings.CreateText(ClickPos));
        break;
    case atVerstecktesZeichen:
        Find(S.FAT_VerstecktesZeichen_Settings.CreateText(ClickPos, NewDatensatz));
        break;
    case atVerstecktesWort:
        Find(S.FAT_VerstecktesWort_Settings.CreateText(ClickPos, NewDatensatz));
        break;
    case atZeichenFinden:
        Find(S.FAT_ZeichenFinden_Settings.CreateText(ClickPos, NewDatensatz));
        break;
    case atWortFinden:
        Find(S.FAT_WortFinden_Settings.CreateText(ClickPos, NewDatensatz));
        break;
    case atZeichenInWortFinden:
        Find(S.FAT_ZeichenInWortFinden_Settings.CreateText(ClickPos, NewDatensatz));
        break;
    case atFigurFinden:
        Find(S.FAT_FigurFinden_Settings.CreateText(ClickPos, NewDatensatz));
        break;
    case atZeichenTippen:
        Type(S.FAT_ZeichenTippen_Settings, tpmZeichen);
        break;
    case atWortTippen:
        Type(S.FAT_WortTippen_Settings, tpmWort);
        break;
    case atSatzTippen:
        Type(S.FAT_SatzTippen_Settings, tpmSatz);
        break;
    case atBrueckenwoerter:
        Type(S.FAT_Brueckenwoerter_Settings, tpmBrueckenwoerter);
        break;
    case atLueckentext:
        Type(S.FAT_Lueckentext_Settings, tpmLueckentext);
        break;
    default:
        break;
    }
    SpeakTextLines.Remember();
    return SpeakTextLines.SpeakTextString();
}
