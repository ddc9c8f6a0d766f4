#pragma once

#include "content/TypenHelperC.h"

#include <QDate>
#include <QString>

class TFortschritt;
class TLektionendatei;
struct TClickPos;
class TTippenPos;

// Hands the exercise window's judged answers to the progress record: the
// window calls it where it judges, and it works out what was asked and what
// was given. Only task types that ask for characters are recorded: finding
// a character (alone or in words), the error search and every typing task.
// Without a record or a learning material nothing is recorded.
class TFortschrittMelder
{
public:
    TFortschrittMelder(TFortschritt *AFortschritt, const QString &AMaterial, TAufgabenTyp ATyp);

    bool Records() const;
    // The area of a lesson as the record keeps it: the folder it lies in
    // within the learning material; empty for a lesson made on the spot.
    static QString BereichVon(const TLektionendatei &Lektion);

    // Judges the click at the memo's cursor (TClickPos::CheckClick, whose
    // result it returns) and records it: a found target right; a cell that
    // is no target wrong for the target still asked, the clicked cell as the
    // confusion. In the error search a clicked cell that is no fault was not
    // recognised: it is recorded wrong itself, without a confusion.
    int CheckClick(TClickPos &ClickPos, QDate Day) const;
    // Records the fields of a typing exercise that TTippenPos::CheckPos
    // judged with Result: nothing when nothing was typed (Result 0), else
    // every field typed into, right or with its confusions, compared as the
    // judge compared it (without spaces when ClearSpace).
    void RecordTyping(const TTippenPos &TippenPos, int Result, bool ClearSpace, QDate Day) const;

private:
    TFortschritt *FFortschritt;
    QString FMaterial;
    TAufgabenTyp FTyp;
};
