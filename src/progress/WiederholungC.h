#pragma once

#include <QDate>
#include <QList>
#include <QString>

class TFortschritt;
struct TZeichenStand;

// The spaced review of weak characters: a Leitner box per character.
//
// A character enters box 1 the day it is answered wrong; every wrong answer
// puts it back into box 1. A right answer on a later day than its last move
// lifts it one box (several right answers on one day count once). It is due
// when the day of its last move plus the interval of its box has come; a
// character in the top box answered right when due leaves the review.
//
// There is no separate threshold of right answers for entering: any wrong
// answer already puts the character into box 1, so a character with a poor
// ratio is always in the review.
//
// Use: TFortschritt keeps a TLernkarte per character and updates it in its
// Record* calls. A review lesson is built from
//     TWiederholung Review(Fortschritt);
//     const QList<TZeichenStand> Zeichen = Review.Due(Material, QDate::currentDate());
// and, when that is empty, Review.NextDue(Material) tells the learner when to
// come back.

// Where a character stands in the review.
struct TLernkarte {
    int Fach = 0; // 0: not in the review; 1 .. TWiederholung::Faecher
    QDate Datum;  // the day it last entered, rose or fell; invalid with box 0

    bool InWiederholung() const { return Fach > 0; }
    bool operator==(const TLernkarte &) const = default;
};

class TWiederholung
{
public:
    static constexpr int Faecher = 5;
    // Days until a character of box 1 .. 5 is due again.
    static constexpr int Intervalle[Faecher] = {1, 2, 4, 8, 16};
    static constexpr int DueMaximum = 8;

    // Applies one judged answer given on Day.
    static void Beantwortet(TLernkarte &Karte, bool Richtig, QDate Day);
    // The day the character is due; invalid when it is not in the review.
    static QDate FaelligAm(const TLernkarte &Karte);
    static bool IstFaellig(const TLernkarte &Karte, QDate Today);

    explicit TWiederholung(const TFortschritt &Fortschritt)
        : FFortschritt(Fortschritt)
    {
    }

    // The due characters of one learning material, weakest first, at most
    // Maximum.
    QList<TZeichenStand> Due(const QString &Material, QDate Today, int Maximum = DueMaximum) const;
    // The earliest day a character of the material is due; invalid when none
    // is in the review. A day not after today means something is due now.
    QDate NextDue(const QString &Material) const;

private:
    const TFortschritt &FFortschritt;
};
