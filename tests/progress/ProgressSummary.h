#pragma once

#include "progress/FortschrittC.h"

#include <QStringList>

// "name:right/wrong" per character of a material, sorted by name, with the
// most frequent confusion in brackets: "e:1/1(i statt e)".
inline QString ProgressSummary(const TFortschritt &F, const QString &Material)
{
    QStringList Parts;
    for (const TZeichenStand &Z : F.Zeichen(Material)) {
        QString P = QStringLiteral("%1:%2/%3").arg(Z.Name).arg(Z.Richtig).arg(Z.Falsch);
        if (!Z.VerwechslungText().isEmpty())
            P += QStringLiteral("(%1)").arg(Z.VerwechslungText());
        Parts << P;
    }
    Parts.sort();
    return Parts.join(u' ');
}
