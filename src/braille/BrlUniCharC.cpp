#include "braille/BrlUniCharC.h"

#include <QFileInfo>
#include <algorithm>

#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define TASTWERK_HAVE_AVX2_KERNEL 1
#endif

TBrlUniChar *BrlUniChar = nullptr;

QString ShowAsBraille(const QString &S)
{
    return BrlUniChar ? BrlUniChar->Translate(S, ttToUniBrl, true) : S;
}

namespace
{

// The split tests: list 0 or list 1 of each pair.
int DotsList(const QString &Dots)
{
    return Dots.size() <= 3 ? 0 : 1;
}
int UniBrlList(QChar C)
{
    return C.unicode() <= 0x281F ? 0 : 1;
}
int AscCharList(QChar C)
{
    const char16_t U = C.unicode();
    return (U == u'8' || U == u'9' || U == u'`' || (U >= u'a' && U <= u'z') || U == u'~') ? 0 : 1;
}

// A number field: decimal, or hexadecimal after "$", "0x" or "x"; a leading
// sign is allowed. Not a number: 32 (a space). Nothing when the number is no
// UTF-16 code unit.
std::optional<char16_t> ParseCode(QStringView Field)
{
    if (Field.isEmpty())
        return u' ';
    bool Negative = false;
    if (Field.front() == u'+' || Field.front() == u'-') {
        Negative = Field.front() == u'-';
        Field = Field.mid(1);
    }
    int Base = 10;
    if (Field.startsWith(u'$')) {
        Base = 16;
        Field = Field.mid(1);
    } else if (Field.startsWith(QStringView(u"0x"), Qt::CaseInsensitive)) {
        Base = 16;
        Field = Field.mid(2);
    } else if (Field.startsWith(u'x', Qt::CaseInsensitive)) {
        Base = 16;
        Field = Field.mid(1);
    }
    bool Ok = false;
    const qlonglong Value = Field.toLongLong(&Ok, Base);
    // toLongLong() skips blanks around the digits; a tab is part of the field.
    if (!Ok || Field.isEmpty() || !Field.front().isLetterOrNumber() || !Field.back().isLetterOrNumber())
        return u' ';
    const qlonglong Signed = Negative ? -Value : Value;
    if (Signed < 0 || Signed > 0xFFFF)
        return std::nullopt;
    return char16_t(Signed);
}

} // namespace

TBuc TBuc::Create(const QString &ADots, QChar AUniBrl, QChar AAscChar)
{
    return TBuc{ADots, AUniBrl, AAscChar};
}

void TBuc::Clear()
{
    Dots.clear();
    UniBrl = QChar(0);
    AscChar = QChar(0);
}

bool TBuc::SetData(const QString &S)
{
    // At least two characters before the first "$".
    if (S.indexOf(u'$') < 2)
        return false;
    QList<QStringView> Fields;
    const QStringView View(S);
    qsizetype I = 0;
    while (I < View.size()) {
        while (I < View.size() && (View[I] == u' ' || View[I] == u'='))
            ++I;
        const qsizetype Start = I;
        while (I < View.size() && View[I] != u' ' && View[I] != u'=')
            ++I;
        if (I > Start)
            Fields.append(View.mid(Start, I - Start));
    }
    if (Fields.size() != 2 && Fields.size() != 3)
        return false;
    const auto Uni = ParseCode(Fields[1]);
    const auto Asc = Fields.size() == 3 ? ParseCode(Fields[2]) : std::optional<char16_t>(u' ');
    if (!Uni || !Asc)
        return false;
    Dots = Fields[0].toString();
    UniBrl = QChar(*Uni);
    AscChar = QChar(*Asc);
    return true;
}

QString TBuc::ToString() const
{
    auto Hex = [](QChar C, int Width) {
        return QString::number(C.unicode(), 16).toUpper().rightJustified(Width, u'0');
    };
    return Dots + QStringLiteral("=$") + Hex(UniBrl, 4) + QStringLiteral(" $") + Hex(AscChar, 2);
}

TBrlUniChar::TBrlUniChar(QObject *AHnd)
    : FMainWindowHandle(AHnd)
{
    Clear();
}

void TBrlUniChar::Clear()
{
    LastErrorString.clear();
    FFilename.clear();
    FSprechnamen.Clear();
    for (int I = 0; I < 2; ++I) {
        FDots[I].clear();
        FUniBrl[I].clear();
        FAscChar[I].clear();
    }
    FMinUniBrl = FMaxUniBrl = FMinAscChar = FMaxAscChar = -1;
    FEntries.clear();
    FUniBrlIndex.clear();
    FAscCharIndex.clear();
    // The fast path of the last table must not outlive it.
    std::fill(std::begin(FAsciiCells), std::end(FAsciiCells), quint8(0));
    FAsciiCellsUsable = false;
}

void TBrlUniChar::AddEntry(const TBuc &Buc)
{
    FDots[DotsList(Buc.Dots)].append(Buc);
    FUniBrl[UniBrlList(Buc.UniBrl)].append(Buc);
    FAscChar[AscCharList(Buc.AscChar)].append(Buc);
    FEntries.append(Buc);
    const int U = Buc.UniBrl.unicode();
    const int A = Buc.AscChar.unicode();
    if (FMinUniBrl < 0) {
        FMinUniBrl = FMaxUniBrl = U;
        FMinAscChar = FMaxAscChar = A;
        return;
    }
    FMinUniBrl = qMin(FMinUniBrl, U);
    FMaxUniBrl = qMax(FMaxUniBrl, U);
    FMinAscChar = qMin(FMinAscChar, A);
    FMaxAscChar = qMax(FMaxAscChar, A);
}

void TBrlUniChar::BuildIndex()
{
    FUniBrlIndex.clear();
    FAscCharIndex.clear();
    if (FEntries.isEmpty())
        return;
    FUniBrlIndex.fill(-1, FMaxUniBrl - FMinUniBrl + 1);
    FAscCharIndex.fill(-1, FMaxAscChar - FMinAscChar + 1);
    // Backwards, so that the first entry in file order wins.
    for (qsizetype I = FEntries.size() - 1; I >= 0; --I) {
        FUniBrlIndex[FEntries[I].UniBrl.unicode() - FMinUniBrl] = qint32(I);
        FAscCharIndex[FEntries[I].AscChar.unicode() - FMinAscChar] = qint32(I);
    }
    FAsciiCellsUsable = true;
    for (char16_t C = 0; C < 128; ++C) {
        const TBuc *B = LookupAscChar(QChar(C));
        const int Dots = B ? B->UniBrl.unicode() - 0x2800 : 0;
        if (B && (Dots < 0 || Dots > 0x3F))
            FAsciiCellsUsable = false;
        FAsciiCells[C] = B ? quint8(0x40 | Dots) : 0;
    }
}

bool TBrlUniChar::LoadFile(const QString &AFilename)
{
    const QString Path = AFilename.isEmpty() ? DataPath + QStringLiteral("BrlUniChar.txt") : AFilename;
    QString Error;
    const std::optional<QString> Text = ReadContentFile(Path, u"Tabellendatei", Error);
    if (!Text) {
        LastErrorString = Error;
        LogAdd(LastErrorString);
        return false;
    }
    Clear();
    FFilename = Path;
    // The program's own table has its names beside it; a table loaded from
    // elsewhere may come without them and is then said by its characters.
    const QString Names = QFileInfo(Path).absolutePath() + QStringLiteral("/Sprechnamen.txt");
    if (AFilename.isEmpty() || QFileInfo::exists(Names))
        FSprechnamen.LoadFile(Names);
    const QStringList Lines = SplitLines(*Text);
    for (qsizetype I = 0; I < Lines.size(); ++I) {
        const QString Line = TrimCtl(Lines[I]);
        if (Line.isEmpty() || Line.startsWith(u';'))
            continue;
        TBuc Buc;
        if (!Buc.SetData(Line)) {
            LastErrorString = QStringLiteral("Die Tabellendatei \"%1\" ist fehlerhaft in Zeile %2 (\"%3\")!")
                                  .arg(Path, QString::number(I + 1), Line);
            LogAdd(LastErrorString);
            BuildIndex();
            return false;
        }
        AddEntry(Buc);
    }
    BuildIndex();
    return true;
}

bool TBrlUniChar::FindDots(const QString &Dots, TBuc &Buc) const
{
    if (Dots.isEmpty())
        return false;
    for (const TBuc &B : FDots[DotsList(Dots)])
        if (B.Dots == Dots) {
            Buc = B;
            return true;
        }
    return false;
}

bool TBrlUniChar::FindUniBrl(QChar UniBrl, TBuc &Buc) const
{
    const int U = UniBrl.unicode();
    if (FMinUniBrl < 0 || U < FMinUniBrl || U > FMaxUniBrl)
        return false;
    for (const TBuc &B : FUniBrl[UniBrlList(UniBrl)])
        if (B.UniBrl == UniBrl) {
            Buc = B;
            return true;
        }
    return false;
}

bool TBrlUniChar::FindAscChar(QChar AscChar, TBuc &Buc) const
{
    const int A = AscChar.unicode();
    if (FMinAscChar < 0 || A < FMinAscChar || A > FMaxAscChar)
        return false;
    for (const TBuc &B : FAscChar[AscCharList(AscChar)])
        if (B.AscChar == AscChar) {
            Buc = B;
            return true;
        }
    return false;
}

inline const TBuc *TBrlUniChar::LookupUniBrl(QChar C) const
{
    const unsigned Offset = unsigned(C.unicode() - FMinUniBrl);
    if (Offset >= unsigned(FUniBrlIndex.size()))
        return nullptr;
    const qint32 K = FUniBrlIndex[Offset];
    return K >= 0 ? &FEntries[K] : nullptr;
}

inline const TBuc *TBrlUniChar::LookupAscChar(QChar C) const
{
    const unsigned Offset = unsigned(C.unicode() - FMinAscChar);
    if (Offset >= unsigned(FAscCharIndex.size()))
        return nullptr;
    const qint32 K = FAscCharIndex[Offset];
    return K >= 0 ? &FEntries[K] : nullptr;
}

#ifdef TASTWERK_HAVE_AVX2_KERNEL
namespace
{

using TSlowLookup = char16_t (*)(const void *Table, char16_t C);

// Maps 32 characters at a time: ASCII characters through a 128-entry table
// (eight 16-entry byte shuffles), the few others through the slow lookup.
// Returns how many characters it handled; the caller maps the rest.
__attribute__((target("avx2"))) qsizetype TranslateToCellsAvx2(const char16_t *In, char16_t *Out, qsizetype N,
                                                               const quint8 *AsciiCells, TSlowLookup Slow,
                                                               const void *Table)
{
    // Only the sixteen-character parts of ASCII that the table uses.
    __m256i Parts[8];
    __m256i Offsets[8];
    int Used = 0;
    for (int K = 0; K < 8; ++K) {
        const __m128i Part = _mm_loadu_si128(reinterpret_cast<const __m128i *>(AsciiCells + 16 * K));
        if (_mm_testz_si128(Part, Part))
            continue;
        Parts[Used] = _mm256_broadcastsi128_si256(Part);
        Offsets[Used] = _mm256_set1_epi8(char(16 * K));
        ++Used;
    }
    const __m256i ByteMax = _mm256_set1_epi16(0xFF);
    const __m256i Bias = _mm256_set1_epi8(0x70);
    const __m256i DotBits = _mm256_set1_epi8(0x3F);
    const __m256i CellHigh = _mm256_set1_epi8(0x28);
    const __m256i Zero = _mm256_setzero_si256();
    qsizetype I = 0;
    for (; I + 32 <= N; I += 32) {
        const __m256i A = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(In + I));
        const __m256i B = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(In + I + 16));
        // Bytes, lane by lane: a0-7 b0-7 | a8-15 b8-15; 128 and above for
        // every character outside ASCII.
        const __m256i V = _mm256_packus_epi16(_mm256_min_epu16(A, ByteMax), _mm256_min_epu16(B, ByteMax));
        __m256i R = Zero;
        for (int K = 0; K < Used; ++K) {
            // Indexes outside the part get bit 7 and look up zero.
            const __m256i Index = _mm256_adds_epu8(_mm256_sub_epi8(V, Offsets[K]), Bias);
            R = _mm256_or_si256(R, _mm256_shuffle_epi8(Parts[K], Index));
        }
        const __m256i Unmapped = _mm256_cmpeq_epi8(R, Zero);
        const __m256i Cells = _mm256_and_si256(R, DotBits);
        const __m256i OutA =
            _mm256_blendv_epi8(_mm256_unpacklo_epi8(Cells, CellHigh), A, _mm256_unpacklo_epi8(Unmapped, Unmapped));
        const __m256i OutB =
            _mm256_blendv_epi8(_mm256_unpackhi_epi8(Cells, CellHigh), B, _mm256_unpackhi_epi8(Unmapped, Unmapped));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(Out + I), OutA);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(Out + I + 16), OutB);
        for (unsigned Others = unsigned(_mm256_movemask_epi8(V)); Others; Others &= Others - 1) {
            const unsigned Byte = unsigned(__builtin_ctz(Others));
            const unsigned Lane = Byte >> 4;
            const unsigned W = Byte & 15;
            const qsizetype Pos = W < 8 ? Lane * 8 + W : 16 + Lane * 8 + (W - 8);
            Out[I + Pos] = Slow(Table, In[I + Pos]);
        }
    }
    return I;
}

bool CpuHasAvx2()
{
    static const bool Has = __builtin_cpu_supports("avx2");
    return Has;
}

} // namespace
#endif

void TBrlUniChar::TranslateToCells(const QChar *In, QChar *Out, qsizetype N) const
{
    qsizetype I = 0;
#ifdef TASTWERK_HAVE_AVX2_KERNEL
    if (FAsciiCellsUsable && CpuHasAvx2()) {
        const TSlowLookup Slow = [](const void *Table, char16_t C) -> char16_t {
            const TBuc *B = static_cast<const TBrlUniChar *>(Table)->LookupAscChar(QChar(C));
            return B ? B->UniBrl.unicode() : C;
        };
        I = TranslateToCellsAvx2(reinterpret_cast<const char16_t *>(In), reinterpret_cast<char16_t *>(Out), N,
                                 FAsciiCells, Slow, this);
    }
#endif
    for (; I < N; ++I) {
        const TBuc *B = LookupAscChar(In[I]);
        Out[I] = B ? B->UniBrl : In[I];
    }
}

QString TBrlUniChar::Translate(const QString &Text, TTranslateTyp ToTyp, bool NoMarker) const
{
    if (Text.isEmpty())
        return QString();
    if (NoMarker && ToTyp == ttToUniBrl) {
        QString Result(Text.size(), Qt::Uninitialized);
        TranslateToCells(Text.constData(), Result.data(), Text.size());
        return Result;
    }
    if (NoMarker) {
        QString Result = Text;
        QChar *P = Result.data();
        for (qsizetype I = 0; I < Result.size(); ++I)
            if (const TBuc *B = LookupUniBrl(P[I]))
                P[I] = B->AscChar;
        return Result;
    }

    const qsizetype N = Text.size();
    QString Result;
    Result.reserve(N + 8);
    bool Inside = false;
    qsizetype I = 0;

    if (ToTyp == ttToUniBrl) {
        if (!Text.contains(u'[') || !Text.contains(u']'))
            return Text;
        while (I < N) {
            const QChar C = Text[I];
            if (Inside) {
                if (C == u']') {
                    Inside = false;
                } else {
                    const TBuc *B = LookupAscChar(C);
                    Result += B ? B->UniBrl : C;
                }
                ++I;
                continue;
            }
            if (C == u'[') {
                if (I + 1 < N && Text[I + 1] == u'[') {
                    Result += u'[';
                    I += 2;
                } else {
                    Inside = true;
                    ++I;
                }
            } else if (C == u']' && I + 1 < N && Text[I + 1] == u']') {
                Result += u']';
                I += 2;
            } else {
                Result += C;
                ++I;
            }
        }
        return Result;
    }

    while (I < N) {
        const QChar C = Text[I];
        const TBuc *B = LookupUniBrl(C);
        if (!Inside) {
            if (B) {
                Result += u'[';
                Result += B->AscChar;
                Inside = true;
            } else if (C == u'[' || C == u']') {
                Result += C;
                Result += C;
            } else {
                Result += C;
            }
            ++I;
            continue;
        }
        if (B) {
            Result += B->AscChar;
            ++I;
        } else if (C == u' ') {
            qsizetype J = I;
            while (J < N && Text[J] == u' ')
                ++J;
            if (J >= N) {
                Result += u']';
                Result += QStringView(Text).mid(I);
                Inside = false;
                break;
            }
            if (!LookupUniBrl(Text[J])) {
                Result += u']';
                Inside = false;
            }
            Result += QStringView(Text).mid(I, J - I);
            I = J;
        } else {
            // Closes the run; the character is looked at again outside.
            Result += u']';
            Inside = false;
        }
    }
    // Cells at the very end: the run is closed all the same, so that the
    // text reads back to the same cells.
    if (Inside)
        Result += u']';
    return Result;
}

QString TBrlUniChar::ConvertTextToBrlString(const QString &Text) const
{
    QString Result = Text.toLower();
    for (QChar &C : Result) {
        if (const TBuc *B = LookupAscChar(C)) {
            C = B->UniBrl;
            continue;
        }
        QChar Substitute;
        switch (C.unicode()) {
        case u'[':
            Substitute = u'{';
            break;
        case u'\\':
            Substitute = u'|';
            break;
        case u']':
            Substitute = u'}';
            break;
        case u'ß':
            Substitute = u'~';
            break;
        case u'ä':
            Substitute = u'`';
            break;
        case u'ö':
            Substitute = u'9';
            break;
        case u'ü':
            Substitute = u'8';
            break;
        default:
            continue;
        }
        if (const TBuc *B = LookupAscChar(Substitute))
            C = B->UniBrl;
    }
    return Result;
}

QString TBrlUniChar::ConvertBrlToTextString(const QString &Brl) const
{
    return Translate(Brl, ttToAscChar, true);
}

QString TBrlUniChar::ConvertSpaceToUniSpaceString(const QString &Brl)
{
    QString Result = Brl;
    Result.replace(u' ', QChar(0x2800));
    return Result;
}

QString TBrlUniChar::ConvertTextToDotsString(const QString &Text, bool WithSpace) const
{
    if (Text.isEmpty())
        return QString();
    const QString Braille = Translate(Text, ttToUniBrl, true);
    QString Result;
    for (qsizetype I = 0; I < Braille.size(); ++I) {
        if (I > 0)
            Result += u'+';
        const TBuc *B = LookupUniBrl(Braille[I]);
        if (!B) {
            Result += u'0';
        } else if (!WithSpace) {
            Result += B->Dots;
        } else {
            for (qsizetype K = 0; K < B->Dots.size(); ++K) {
                if (K > 0)
                    Result += u' ';
                Result += B->Dots[K];
            }
        }
    }
    return Result;
}

QString TBrlUniChar::ConvertTextToSpeakTextDotsString(const QString &Text) const
{
    const QString Dots = ConvertTextToDotsString(Text, false);
    const qsizetype Plus = Dots.indexOf(u'+');
    const QString First = Plus < 0 ? Dots : Dots.left(Plus);
    const QString Second = Plus < 0 ? QString() : Dots.mid(Plus + 1);
    auto Word = [](const QString &Part) {
        if (Part.isEmpty())
            return QString();
        if (Part.size() == 1)
            return QStringLiteral("Punkt ") + Part;
        QString S = QStringLiteral("Punkte");
        for (QChar C : Part) {
            S += u' ';
            S += C;
        }
        return S;
    };
    QString Result = Word(First);
    if (!Second.isEmpty())
        Result += QStringLiteral(", und ") + Word(Second);
    return Result;
}
