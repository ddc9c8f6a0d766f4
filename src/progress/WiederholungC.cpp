#include "progress/WiederholungC.h"

#include "progress/FortschrittC.h"

void TWiederholung::Beantwortet(TLernkarte &Karte, bool Richtig, QDate Day)
{
    if (!Day.isValid())
        return;
    if (!Richtig) {
        Karte.Fach = 1;
        Karte.Datum = Day;
        return;
    }
    // A day not after the last move (also a clock set back) changes nothing:
    // knowing a character twice in one sitting says little about tomorrow.
    if (!Karte.InWiederholung() || !Karte.Datum.isValid() || Day <= Karte.Datum)
        return;
    if (Karte.Fach < Faecher) {
        ++Karte.Fach;
        Karte.Datum = Day;
    } else if (IstFaellig(Karte, Day)) {
        Karte = TLernkarte();
    }
}

QDate TWiederholung::FaelligAm(const TLernkarte &Karte)
{
    if (Karte.Fach < 1 || Karte.Fach > Faecher || !Karte.Datum.isValid())
        return QDate();
    return Karte.Datum.addDays(Intervalle[Karte.Fach - 1]);
}

bool TWiederholung::IstFaellig(const TLernkarte &Karte, QDate Today)
{
    const QDate Am = FaelligAm(Karte);
    return Am.isValid() && Today.isValid() && Am <= Today;
}

QList<TZeichenStand> TWiederholung::Due(const QString &Material, QDate Today, int Maximum) const
{
    QList<TZeichenStand> Result;
    for (const TZeichenStand &Z : FFortschritt.Zeichen(Material)) { // weakest first
        if (Result.size() >= Maximum)
            break;
        if (IstFaellig(Z.Karte, Today))
            Result.append(Z);
    }
    return Result;
}

QDate TWiederholung::NextDue(const QString &Material) const
{
    QDate Next;
    for (const TZeichenStand &Z : FFortschritt.Zeichen(Material)) {
        const QDate Am = FaelligAm(Z.Karte);
        if (Am.isValid() && (!Next.isValid() || Am < Next))
            Next = Am;
    }
    return Next;
}
