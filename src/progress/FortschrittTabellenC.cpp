#include "progress/FortschrittTabellenC.h"

#include "progress/FortschrittC.h"
#include "progress/WiederholungC.h"

namespace
{
QString Prozent(int Teil, int Ganzes)
{
    return Ganzes > 0 ? QStringLiteral("%1 %").arg((Teil * 100 + Ganzes / 2) / Ganzes) : QStringLiteral("-");
}

// When a character of the review is due, as the learner reads it.
QString Faellig(const TLernkarte &Karte, QDate Today)
{
    if (!Karte.InWiederholung())
        return QStringLiteral("nicht nötig");
    const QDate Am = TWiederholung::FaelligAm(Karte);
    return Am <= Today ? QStringLiteral("heute") : QStringLiteral("am ") + TFortschrittTabellen::Datum(Am);
}
} // namespace

QString TFortschrittTabellen::Datum(QDate Day)
{
    return Day.isValid() ? Day.toString(QStringLiteral("dd.MM.yyyy")) : QStringLiteral("-");
}

QStringList TFortschrittTabellen::ZeichenKoepfe()
{
    return {QStringLiteral("Zeichen"),       QStringLiteral("Gefragt"),
            QStringLiteral("Richtig"),       QStringLiteral("Häufigste Verwechslung"),
            QStringLiteral("Zuletzt geübt"), QStringLiteral("Wiederholung")};
}

QStringList TFortschrittTabellen::LektionenKoepfe()
{
    return {QStringLiteral("Lektion"), QStringLiteral("Bereich"), QStringLiteral("Abgeschlossen"),
            QStringLiteral("Beste Punkte"), QStringLiteral("Zuletzt")};
}

QList<TFortschrittZeile> TFortschrittTabellen::Zeichen(const TFortschritt &F, const QString &Material, QDate Today)
{
    QList<TFortschrittZeile> Rows;
    for (const TZeichenStand &Z : F.Zeichen(Material)) {
        const QString Verwechslung = Z.VerwechslungText();
        TFortschrittZeile R;
        R.Spalten = {Z.Name + u' ' + Z.Zellen,
                     QString::number(Z.Gefragt),
                     Prozent(Z.Richtig, Z.Gefragt),
                     Verwechslung.isEmpty() ? QStringLiteral("-") : Verwechslung,
                     Datum(Z.Zuletzt),
                     Faellig(Z.Karte, Today)};
        // One pass of arg: names are the table's characters, "%" among them.
        R.Text = QStringLiteral("%1 %2: %3 mal gefragt, %4 richtig").arg(Z.Name, Z.Zellen, R.Spalten[1], R.Spalten[2]);
        if (!Verwechslung.isEmpty())
            R.Text += QStringLiteral(", häufigste Verwechslung %1").arg(Verwechslung);
        R.Text += QStringLiteral(", zuletzt geübt am %1, Wiederholung %2").arg(R.Spalten[4], R.Spalten[5]);
        Rows.append(R);
    }
    return Rows;
}

QList<TFortschrittZeile> TFortschrittTabellen::Lektionen(const TFortschritt &F, const QString &Material)
{
    QList<TFortschrittZeile> Rows;
    for (const TLektionsStand &L : F.Lektionen(Material)) {
        const QString Bereich = L.Bereich.isEmpty() ? QStringLiteral("-") : L.Bereich;
        const QString Zuletzt = Datum(L.Zuletzt.date());
        TFortschrittZeile R;
        R.Spalten = {L.Lektion, Bereich, QString::number(L.Abschluesse), QString::number(L.BestePunkte), Zuletzt};
        R.Text = QStringLiteral("%1: %2 mal abgeschlossen, beste Punkte %3, zuletzt am %4")
                     .arg(L.Lektion, R.Spalten[2], R.Spalten[3], Zuletzt);
        if (!L.Bereich.isEmpty())
            R.Text += QStringLiteral(", Bereich %1").arg(L.Bereich);
        Rows.append(R);
    }
    return Rows;
}

QString TFortschrittTabellen::Zusammenfassung(const TFortschritt &F, const QString &Material, QDate Today)
{
    if (F.Zeichen(Material).isEmpty() && F.Lektionen(Material).isEmpty())
        return QStringLiteral("In diesem Lernmaterial ist noch nichts aufgezeichnet.");
    QString Text = F.WeakestText(Material);
    if (Text.isEmpty())
        Text = QStringLiteral("Bisher wurde kein Zeichen falsch beantwortet.");
    else
        Text += u'.';
    const int Due = int(TWiederholung(F).Due(Material, Today, 1000).size());
    const QDate Next = TWiederholung(F).NextDue(Material);
    if (Due == 1)
        Text += QStringLiteral(" Heute ist 1 Zeichen zu wiederholen.");
    else if (Due > 1)
        Text += QStringLiteral(" Heute sind %1 Zeichen zu wiederholen.").arg(Due);
    else if (Next.isValid())
        Text += QStringLiteral(" Die nächste Wiederholung ist am %1 fällig.").arg(Datum(Next));
    return Text;
}
