#pragma once

#include <QList>
#include <QString>

#include <liblouis.h>

// liblouis's translation of Text with the given tables ("unicode.dis,..."),
// as Unicode braille cells; empty on failure. For tests that compare the
// program's braille with liblouis's.
inline QString LouisCells(const char *Tables, const QString &Text)
{
    const QList<uint> In = Text.toUcs4();
    QList<widechar> InBuf(In.begin(), In.end());
    int InLen = int(InBuf.size());
    QList<widechar> OutBuf(InLen * 8 + 16);
    int OutLen = int(OutBuf.size());
    if (!lou_translateString(Tables, InBuf.constData(), &InLen, OutBuf.data(), &OutLen, nullptr, nullptr,
                             dotsIO | ucBrl))
        return QString();
    QString Out;
    for (int I = 0; I < OutLen; ++I)
        Out += QChar(char16_t(OutBuf[I]));
    return Out;
}
