#include "content/TextFileC.h"

#include "content/RtfTextC.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five codes it
// leaves undefined keep their C1 control value.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsAscii(const QByteArray &Bytes)
{
    for (char C : Bytes)
        if (uchar(C) >= 0x80)
            return false;
    return true;
}

// UTF-32 by hand: Qt turns code points above U+10FFFF into broken
// surrogates. Every unit that is no Unicode scalar value, and bytes left
// over at the end, become U+FFFD.
QString DecodeUtf32(QByteArrayView Bytes, bool BigEndian)
{
    QString Result;
    Result.reserve(Bytes.size() / 4 + 1);
    const qsizetype Units = Bytes.size() / 4;
    for (qsizetype I = 0; I < Units; ++I) {
        const auto *P = reinterpret_cast<const uchar *>(Bytes.data()) + 4 * I;
        const char32_t U = BigEndian ? (char32_t(P[0]) << 24 | char32_t(P[1]) << 16 | char32_t(P[2]) << 8 | P[3])
                                     : (char32_t(P[3]) << 24 | char32_t(P[2]) << 16 | char32_t(P[1]) << 8 | P[0]);
        if (U > 0x10FFFF || (U >= 0xD800 && U <= 0xDFFF))
            Result += QChar(QChar::ReplacementCharacter);
        else if (QChar::requiresSurrogates(U))
            Result += QString::fromUcs4(&U, 1);
        else
            Result += QChar(char16_t(U));
    }
    if (Bytes.size() % 4 != 0)
        Result += QChar(QChar::ReplacementCharacter);
    return Result;
}

QString DecodeWith(QStringConverter::Encoding Enc, QByteArrayView Bytes)
{
    if (Enc == QStringConverter::Utf32LE || Enc == QStringConverter::Utf32BE)
        return DecodeUtf32(Bytes, Enc == QStringConverter::Utf32BE);
    // The caller has taken the byte-order mark off: a U+FEFF after it is
    // text and stays.
    QStringDecoder Decoder(Enc, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return Decoder.decode(Bytes);
}

bool EveryLfFollowsCr(QStringView S)
{
    const char16_t *P = S.utf16();
    const qsizetype N = S.size();
    if (N > 0 && P[0] == u'\n')
        return false;
    qsizetype I = 1;
#if defined(__SSE2__)
    const __m128i Lf = _mm_set1_epi16(u'\n');
    const __m128i Cr = _mm_set1_epi16(u'\r');
    for (; I + 8 <= N; I += 8) {
        const __m128i Here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(P + I));
        const __m128i Before = _mm_loadu_si128(reinterpret_cast<const __m128i *>(P + I - 1));
        const __m128i Lone = _mm_andnot_si128(_mm_cmpeq_epi16(Before, Cr), _mm_cmpeq_epi16(Here, Lf));
        if (_mm_movemask_epi8(Lone))
            return false;
    }
#endif
    for (; I < N; ++I)
        if (P[I] == u'\n' && P[I - 1] != u'\r')
            return false;
    return true;
}

// Every line break (CR, LF or CR LF) becomes CR LF, and a text that does not
// end in a line break gets one. Text written on Windows usually is in that
// form already and is returned without a copy.
QString NormalizeLineBreaks(const QString &Text)
{
    if (Text.isEmpty())
        return Text;
    const QStringView View(Text);
    const qsizetype Crs = CountChar(View, u'\r');
    const qsizetype Lfs = CountChar(View, u'\n');
    if (Crs == Lfs && View.endsWith(QStringView(u"\r\n")) && EveryLfFollowsCr(View))
        return Text;
    QString Result(Text.size() + Crs + Lfs + 2, Qt::Uninitialized);
    const QChar *P = Text.constData();
    const QChar *End = P + Text.size();
    QChar *Out = Result.data();
    while (P < End) {
        const char16_t C = P->unicode();
        if (C == u'\r' || C == u'\n') {
            *Out++ = u'\r';
            *Out++ = u'\n';
            if (C == u'\r' && P + 1 < End && P[1].unicode() == u'\n')
                ++P;
        } else {
            *Out++ = *P;
        }
        ++P;
    }
    const QChar Last = Text.back();
    if (Last != u'\r' && Last != u'\n') {
        *Out++ = u'\r';
        *Out++ = u'\n';
    }
    Result.truncate(Out - Result.constData());
    return Result;
}

} // namespace

int DetectTextFileTypeOfBytes(const QByteArray &Head)
{
    uchar B[4] = {0, 0, 0, 0};
    for (int I = 0; I < 4 && I < Head.size(); ++I)
        B[I] = uchar(Head[I]);
    if (B[0] == 0xEF && B[1] == 0xBB && B[2] == 0xBF)
        return 4;
    if ((B[0] == 0xFF && B[1] == 0xFE) || (B[0] == 0xFE && B[1] == 0xFF) ||
        (B[0] == 0x00 && B[1] == 0x00 && B[2] == 0xFE && B[3] == 0xFF))
        return 2;
    if (B[0] == 0x7B && B[1] == 0x5C && B[2] == 0x72)
        return 3;
    return 1;
}

int DetectTextFileType(const QString &FileName)
{
    QFile F(FileName);
    if (!F.open(QIODevice::ReadOnly))
        return 0;
    return DetectTextFileTypeOfBytes(F.read(4));
}

QString DecodeWindows1252(const QByteArray &Bytes)
{
    QString Result(Bytes.size(), Qt::Uninitialized);
    QChar *Out = Result.data();
    for (qsizetype I = 0; I < Bytes.size(); ++I) {
        const uchar C = uchar(Bytes[I]);
        Out[I] = (C >= 0x80 && C < 0xA0) ? QChar(Cp1252High[C - 0x80]) : QChar(C);
    }
    return Result;
}

QString DecodeText(const QByteArray &Bytes, TTextEncoding *Encoding)
{
    auto Set = [Encoding](TTextEncoding E) {
        if (Encoding)
            *Encoding = E;
    };
    const auto B = [&Bytes](int I) { return I < Bytes.size() ? uchar(Bytes[I]) : uchar(0x01); };
    const QByteArrayView View(Bytes);
    if (B(0) == 0xEF && B(1) == 0xBB && B(2) == 0xBF) {
        Set(TTextEncoding::Utf8Bom);
        return DecodeWith(QStringConverter::Utf8, View.sliced(3));
    }
    if (B(0) == 0xFF && B(1) == 0xFE && B(2) == 0x00 && B(3) == 0x00) {
        Set(TTextEncoding::Utf32LE);
        return DecodeWith(QStringConverter::Utf32LE, View.sliced(4));
    }
    if (B(0) == 0x00 && B(1) == 0x00 && B(2) == 0xFE && B(3) == 0xFF) {
        Set(TTextEncoding::Utf32BE);
        return DecodeWith(QStringConverter::Utf32BE, View.sliced(4));
    }
    if (B(0) == 0xFF && B(1) == 0xFE) {
        Set(TTextEncoding::Utf16LE);
        return DecodeWith(QStringConverter::Utf16LE, View.sliced(2));
    }
    if (B(0) == 0xFE && B(1) == 0xFF) {
        Set(TTextEncoding::Utf16BE);
        return DecodeWith(QStringConverter::Utf16BE, View.sliced(2));
    }
    if (IsAscii(Bytes)) {
        Set(TTextEncoding::Utf8);
        return QString::fromLatin1(Bytes);
    }
    QStringDecoder Utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString Text = Utf8.decode(Bytes);
    if (!Utf8.hasError()) {
        Set(TTextEncoding::Utf8);
        return Text;
    }
    Set(TTextEncoding::Ansi);
    return DecodeWindows1252(Bytes);
}

QByteArray EncodeText(const QString &Text, TTextEncoding Encoding)
{
    auto Encode = [&Text](QStringConverter::Encoding Enc, QByteArray Bom) {
        QStringEncoder Encoder(Enc, QStringConverter::Flag::Stateless);
        return Bom + QByteArray(Encoder.encode(Text));
    };
    switch (Encoding) {
    case TTextEncoding::Utf8:
        return Text.toUtf8();
    case TTextEncoding::Utf16LE:
        return Encode(QStringConverter::Utf16LE, QByteArray("\xFF\xFE", 2));
    case TTextEncoding::Utf16BE:
        return Encode(QStringConverter::Utf16BE, QByteArray("\xFE\xFF", 2));
    case TTextEncoding::Utf32LE:
        return Encode(QStringConverter::Utf32LE, QByteArray("\xFF\xFE\x00\x00", 4));
    case TTextEncoding::Utf32BE:
        return Encode(QStringConverter::Utf32BE, QByteArray("\x00\x00\xFE\xFF", 4));
    case TTextEncoding::Ansi:
    case TTextEncoding::Utf8Bom:
        break;
    }
    return QByteArray("\xEF\xBB\xBF", 3) + Text.toUtf8();
}

std::optional<QString> LoadTextFile(const QString &FileName, TTextEncoding *Encoding)
{
    // Only a regular file: opening a named pipe waits for a writer for good.
    const QFileInfo Info(FileName);
    if (Info.exists() && !Info.isFile())
        return std::nullopt;
    QFile F(FileName);
    if (!F.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray Bytes = F.readAll();
    if (F.error() != QFileDevice::NoError)
        return std::nullopt;
    if (DetectTextFileTypeOfBytes(Bytes.left(4)) == 3) {
        if (Encoding)
            *Encoding = TTextEncoding::Ansi;
        return NormalizeLineBreaks(RtfToText(Bytes));
    }
    return NormalizeLineBreaks(DecodeText(Bytes, Encoding));
}

// Content files are scanned for line breaks and separators many times over;
// the library's single-character search costs more than the short lines take.
std::optional<QString> ReadContentFile(const QString &FileName, QStringView Kind, QString &Error)
{
    const QFileInfo Info(FileName);
    if (Info.exists() && !Info.isFile() && !Info.isDir()) {
        Error = QStringLiteral("Die %1 \"%2\" ist keine gewöhnliche Datei und wird nicht geladen!").arg(Kind, FileName);
        return std::nullopt;
    }
    if (Info.size() > MaxContentFileSize) {
        Error = QStringLiteral("Die %1 \"%2\" ist zu groß (%3 MB, erlaubt sind %4 MB) und wird nicht geladen!")
                    .arg(Kind, FileName)
                    .arg(double(Info.size()) / (1024 * 1024), 0, 'f', 1)
                    .arg(MaxContentFileSize / (1024 * 1024));
        return std::nullopt;
    }
    std::optional<QString> Text = LoadTextFile(FileName);
    if (!Text)
        Error = (Info.isFile() ? QStringLiteral("Die %1 \"%2\" konnte nicht geladen werden!")
                               : QStringLiteral("Die %1 \"%2\" existiert nicht!"))
                    .arg(Kind, FileName);
    return Text;
}

qsizetype CountChar(QStringView S, QChar C)
{
    const char16_t *P = S.utf16();
    const char16_t Needle = C.unicode();
    const qsizetype Size = S.size();
    qsizetype N = 0;
    qsizetype I = 0;
#if defined(__SSE2__)
    const __m128i Wanted = _mm_set1_epi16(short(Needle));
    for (; I + 8 <= Size; I += 8) {
        const __m128i Chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(P + I));
        N += __builtin_popcount(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(Chunk, Wanted)))) / 2;
    }
#endif
    for (; I < Size; ++I)
        N += P[I] == Needle;
    return N;
}

qsizetype FindChar(QStringView S, QChar C, qsizetype From)
{
    const char16_t *P = S.utf16();
    const char16_t Needle = C.unicode();
    const qsizetype Size = S.size();
    qsizetype I = qMax<qsizetype>(From, 0);
#if defined(__SSE2__)
    const __m128i Wanted = _mm_set1_epi16(short(Needle));
    for (; I + 8 <= Size; I += 8) {
        const __m128i Chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(P + I));
        if (const int Mask = _mm_movemask_epi8(_mm_cmpeq_epi16(Chunk, Wanted)))
            return I + __builtin_ctz(unsigned(Mask)) / 2;
    }
#endif
    for (; I < Size; ++I)
        if (P[I] == Needle)
            return I;
    return -1;
}

QStringList SplitLines(const QString &Text)
{
    QStringList Lines;
    const qsizetype N = Text.size();
    qsizetype Start = 0;
    qsizetype I = 0;
    while (I < N) {
        const QChar C = Text[I];
        if (C == u'\r' || C == u'\n') {
            Lines.append(Text.mid(Start, I - Start));
            if (C == u'\r' && I + 1 < N && Text[I + 1] == u'\n')
                ++I;
            ++I;
            Start = I;
        } else {
            ++I;
        }
    }
    if (Start < N)
        Lines.append(Text.mid(Start));
    return Lines;
}

QString JoinLines(const QStringList &Lines)
{
    QString Result;
    for (const QString &L : Lines) {
        Result += L;
        Result += u"\r\n";
    }
    return Result;
}

QString EscapeLineBreaks(const QString &S)
{
    QString R;
    R.reserve(S.size());
    for (const QChar C : S) {
        switch (C.unicode()) {
        case u'\\':
            R += QStringLiteral("\\\\");
            break;
        case u'\t':
            R += QStringLiteral("\\t");
            break;
        case u'\r':
            R += QStringLiteral("\\r");
            break;
        case u'\n':
            R += QStringLiteral("\\n");
            break;
        default:
            R += C;
        }
    }
    return R;
}

QStringView TrimCtl(QStringView S)
{
    qsizetype B = 0;
    qsizetype E = S.size();
    while (B < E && S[B].unicode() <= 32)
        ++B;
    while (E > B && S[E - 1].unicode() <= 32)
        --E;
    return S.mid(B, E - B);
}

QString TrimCtl(const QString &S)
{
    const QStringView V = TrimCtl(QStringView(S));
    if (V.size() == S.size())
        return S;
    return V.toString();
}

QString TrimCtlStart(const QString &S)
{
    qsizetype B = 0;
    while (B < S.size() && S[B].unicode() <= 32)
        ++B;
    return S.mid(B);
}

QString TrimCtlEnd(const QString &S)
{
    qsizetype E = S.size();
    while (E > 0 && S[E - 1].unicode() <= 32)
        --E;
    return S.left(E);
}

bool SameText(const QString &A, const QString &B)
{
    return A.compare(B, Qt::CaseInsensitive) == 0;
}

int CompareText(const QString &A, const QString &B)
{
    thread_local QCollator Collator = [] {
        QCollator C;
        C.setCaseSensitivity(Qt::CaseInsensitive);
        return C;
    }();
    return Collator.compare(A, B);
}

bool StartsWithText(const QString &S, const QString &Prefix)
{
    return S.startsWith(Prefix, Qt::CaseInsensitive);
}

QString ConvertLineBreaks(const QString &S)
{
    QString Result = S;
    Result.replace(QStringLiteral(" \\"), QStringLiteral("\r\n"));
    return Result;
}

QString LastPathComponent(const QString &Path)
{
    QString P = Path;
    while (!P.isEmpty() && (P.endsWith(u'/') || P.endsWith(u'\\')))
        P.chop(1);
    const qsizetype Slash = qMax(P.lastIndexOf(u'/'), P.lastIndexOf(u'\\'));
    return Slash >= 0 ? P.mid(Slash + 1) : P;
}
