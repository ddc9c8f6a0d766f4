#include "app/ColorsC.h"

TColors::TColors()
{
    static const struct {
        const char16_t *Name;
        unsigned Color;
    } Entries[] = {
        {u"Schwarz", 0x000000},    {u"Weiß", 0xFFFFFF},       {u"Gelb", 0x00FFFF},     {u"Blau", 0xFF0000},
        {u"Marineblau", 0x800000}, {u"Himmelblau", 0xF0CAA6}, {u"Blaugrün", 0x808000}, {u"Grün", 0x008000},
        {u"Minzgrün", 0xC0DCC0},   {u"Gelbgrün", 0x00FF00},   {u"Olivgrün", 0x008080}, {u"Grau", 0x808080},
        {u"Rot", 0x0000FF},        {u"Violett", 0x800080},    {u"Lila", 0xFF00FF},     {u"Silber", 0xC0C0C0},
        {u"Braun", 0x000080},
    };
    for (const auto &E : Entries)
        FList.push_back({int(FList.size()), E.Color, QString::fromUtf16(E.Name)});
}

TColorName TColors::Get(int Index) const
{
    if (Index < 0 || Index >= Count())
        Index = 0;
    return FList[size_t(Index)];
}

bool TColors::FindColor(unsigned Color, TColorName &Found) const
{
    for (const TColorName &C : FList)
        if (C.Color == Color) {
            Found = C;
            return true;
        }
    return false;
}

bool TColors::FindName(const QString &Name, TColorName &Found) const
{
    const QString S = Name.trimmed();
    if (S.isEmpty())
        return false;
    for (const TColorName &C : FList)
        if (C.Name.compare(S, Qt::CaseInsensitive) == 0) {
            Found = C;
            return true;
        }
    return false;
}

void TColors::FillStringList(QStringList &List, bool IsBackground) const
{
    List.clear();
    for (const TColorName &C : FList)
        List.append(IsBackground ? C.Name + QStringLiteral(" (Hintergrund)") : C.Name);
}
