#pragma once

#include "content/DatenHelperC.h"

#include <initializer_list>

// Content records from their text form ("braille ^ print ^ additional"),
// for tests that build small lists.
inline TDatensatzDynArray Records(std::initializer_list<const char *> Lines)
{
    TDatensatzDynArray L;
    for (const char *Line : Lines) {
        TDatensatz D;
        D.SetData(QString::fromUtf8(Line));
        L.append(D);
    }
    return L;
}
