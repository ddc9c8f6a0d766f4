#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The colours a learner can choose for text and background. They are picked
// by name, so that a blind learner can choose them by ear; the values are
// Windows colour values (0x00BBGGRR), as the settings file keeps them.
struct TColorName {
    int Index = 0; // position in the list
    unsigned Color = 0;
    QString Name;
};
using TColorNameDynArray = std::vector<TColorName>;

class TColors
{
public:
    TColors();

    int Count() const { return int(FList.size()); }
    // An index outside the list gives the first entry ("Schwarz").
    TColorName Get(int Index) const;
    // The first entry with that colour value.
    bool FindColor(unsigned Color, TColorName &Found) const;
    // Name compared without regard to case, the argument trimmed; an empty
    // name finds nothing.
    bool FindName(const QString &Name, TColorName &Found) const;
    // The names in list order; for the background list each followed by
    // " (Hintergrund)".
    void FillStringList(QStringList &List, bool IsBackground) const;

private:
    TColorNameDynArray FList;
};
