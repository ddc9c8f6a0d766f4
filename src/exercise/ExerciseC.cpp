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

QString TExercise::Next(const TAufgabenTypSettings &S, TAufgabenTyp Typ, bool NewDatensatz)
{
    auto Show = [this](const QString &Text, int SelStart) {
        Memo.SetText(Text);
        Memo.SetSelStart(SelStart);
    };
    switch (Typ) {
    case atText:
        Show(S.FAT_Text_Settings.CreateText(SpeakTextLines), 0);
        SpeakTextLines.Remember();
        return SpeakTextLines.SpeakTextString();
    case atSchnellkurs:
        S.FAT_Schnellkurs_Settings.CreateText(Memo, SpeakTextLines);
        SpeakTextLines.Remember();
        return SpeakTextLines.SpeakTextString();
    case atBuchstabenLernen:
        S.FAT_BuchstabenLernen_Settings.CreateText(Memo, SpeakTextLines);
        SpeakTextLines.Remember();
        return SpeakTextLines.SpeakTextString();
    case atZeichenLesen:
        Show(S.FAT_ZeichenLesen_Settings.CreateText(ClickPos), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atWortLesen:
        Show(S.FAT_WortLesen_Settings.CreateText(ClickPos), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atSatzLesen:
        Show(S.FAT_SatzLesen_Settings.CreateText(ClickPos), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atFehlersuche:
        Show(S.FAT_Fehlersuche_Settings.CreateText(ClickPos), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atVerstecktesZeichen:
        Show(S.FAT_VerstecktesZeichen_Settings.CreateText(ClickPos, NewDatensatz), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atVerstecktesWort:
        Show(S.FAT_VerstecktesWort_Settings.CreateText(ClickPos, NewDatensatz), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atZeichenFinden:
        Show(S.FAT_ZeichenFinden_Settings.CreateText(ClickPos, NewDatensatz), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atWortFinden:
        Show(S.FAT_WortFinden_Settings.CreateText(ClickPos, NewDatensatz), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atZeichenInWortFinden:
        Show(S.FAT_ZeichenInWortFinden_Settings.CreateText(ClickPos, NewDatensatz), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atFigurFinden:
        Show(S.FAT_FigurFinden_Settings.CreateText(ClickPos, NewDatensatz), ClickPos.FSelStart);
        return ClickPos.FSpeakTextString;
    case atZeichenTippen:
        Show(S.FAT_ZeichenTippen_Settings.CreateText(TippenPos), TippenPos.FSelStart);
        return TippenPos.FSpeakTextString;
    case atWortTippen:
        Show(S.FAT_WortTippen_Settings.CreateText(TippenPos), TippenPos.FSelStart);
        return TippenPos.FSpeakTextString;
    case atSatzTippen:
        Show(S.FAT_SatzTippen_Settings.CreateText(TippenPos), TippenPos.FSelStart);
        return TippenPos.FSpeakTextString;
    case atBrueckenwoerter:
        Show(S.FAT_Brueckenwoerter_Settings.CreateText(TippenPos), TippenPos.FSelStart);
        return TippenPos.FSpeakTextString;
    case atLueckentext:
        Show(S.FAT_Lueckentext_Settings.CreateText(TippenPos), TippenPos.FSelStart);
        return TippenPos.FSpeakTextString;
    default:
        Memo.Clear();
        return QString();
    }
}
