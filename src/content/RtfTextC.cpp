#include "content/RtfTextC.h"

#include "content/TextFileC.h"

#include <QList>
#include <QSet>

namespace
{

// Groups whose content is not document text.
const QSet<QByteArray> &SkippedDestinations()
{
    static const QSet<QByteArray> Names = {
        "fonttbl",
        "colortbl",
        "stylesheet",
        "info",
        "pict",
        "object",
        "objdata",
        "header",
        "headerl",
        "headerr",
        "headerf",
        "footer",
        "footerl",
        "footerr",
        "footerf",
        "footnote",
        "listtable",
        "listoverridetable",
        "rsidtbl",
        "generator",
        "xmlnstbl",
        "themedata",
        "colorschememapping",
        "latentstyles",
        "datastore",
        "fldinst",
        "filetbl",
        "revtbl",
        "pntxta",
        "pntxtb",
        "bkmkstart",
        "bkmkend",
        "nonshppict",
        "shppict",
        "userprops",
        "template",
        "operator",
        "author",
        "title",
        "subject",
        "keywords",
        "comment",
        "doccomm",
        "company",
        "mmathPr",
        "wgrffmtfilter",
    };
    return Names;
}

struct TState {
    bool Skip = false;
    int UcSkip = 1; // fallback characters that follow a \uN
};

bool IsLetter(char C)
{
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}
bool IsDigit(char C)
{
    return C >= '0' && C <= '9';
}

int HexValue(char C)
{
    if (C >= '0' && C <= '9')
        return C - '0';
    if (C >= 'a' && C <= 'f')
        return C - 'a' + 10;
    if (C >= 'A' && C <= 'F')
        return C - 'A' + 10;
    return -1;
}

} // namespace

QString RtfToText(const QByteArray &Rtf)
{
    QString Out;
    Out.reserve(Rtf.size() / 2);
    QList<TState> Stack;
    TState State;
    int PendingSkip = 0;     // fallback characters still to drop after a \uN
    bool GroupStart = false; // directly after "{": "\*" and destinations may follow
    const qsizetype N = Rtf.size();
    qsizetype I = 0;

    auto Emit = [&](QChar C) {
        // Lines end at \par and its kin; a carriage return written as an
        // escape ("\'0d", "\u13") would leave a stray CR in a line.
        if (C == u'\r')
            return;
        if (PendingSkip > 0) {
            --PendingSkip;
            return;
        }
        if (!State.Skip)
            Out.append(C);
    };
    auto EmitByte = [&](uchar B) { Emit(DecodeWindows1252(QByteArray(1, char(B))).at(0)); };

    while (I < N) {
        const char C = Rtf[I];
        if (C == '{') {
            Stack.append(State);
            GroupStart = true;
            ++I;
            continue;
        }
        if (C == '}') {
            if (!Stack.isEmpty())
                State = Stack.takeLast();
            PendingSkip = 0;
            GroupStart = false;
            ++I;
            continue;
        }
        const bool AtGroupStart = GroupStart;
        GroupStart = false;
        if (C == '\r' || C == '\n') {
            ++I;
            continue;
        }
        if (C != '\\') {
            EmitByte(uchar(C));
            ++I;
            continue;
        }
        // Control symbol or control word.
        ++I;
        if (I >= N)
            break;
        const char S = Rtf[I];
        if (!IsLetter(S)) {
            ++I;
            switch (S) {
            case '\\':
            case '{':
            case '}':
                Emit(QChar(S));
                break;
            case '~':
                Emit(QChar(0x00A0));
                break;
            case '_':
                Emit(QChar(u'-'));
                break;
            case '-':
                break; // optional hyphen
            case '*':
                if (AtGroupStart)
                    State.Skip = true;
                break;
            case '\r':
            case '\n':
                Emit(QChar(u'\n'));
                break;
            case '\'':
                if (I + 1 < N && HexValue(Rtf[I]) >= 0 && HexValue(Rtf[I + 1]) >= 0) {
                    EmitByte(uchar(HexValue(Rtf[I]) * 16 + HexValue(Rtf[I + 1])));
                    I += 2;
                }
                break;
            default:
                break;
            }
            continue;
        }
        const qsizetype WordStart = I;
        while (I < N && IsLetter(Rtf[I]))
            ++I;
        const QByteArray Word = Rtf.mid(WordStart, I - WordStart);
        bool HasParam = false;
        bool Negative = false;
        long long Param = 0;
        if (I < N && Rtf[I] == '-' && I + 1 < N && IsDigit(Rtf[I + 1])) {
            Negative = true;
            ++I;
        }
        while (I < N && IsDigit(Rtf[I])) {
            HasParam = true;
            if (Param < 10000000)
                Param = Param * 10 + (Rtf[I] - '0');
            ++I;
        }
        if (Negative)
            Param = -Param;
        if (I < N && Rtf[I] == ' ')
            ++I; // the delimiter belongs to the control word

        if (SkippedDestinations().contains(Word)) {
            State.Skip = true;
            continue;
        }
        if (Word == "par" || Word == "line" || Word == "sect" || Word == "page" || Word == "row") {
            Emit(QChar(u'\n'));
        } else if (Word == "tab" || Word == "cell") {
            Emit(QChar(u'\t'));
        } else if (Word == "emdash") {
            Emit(QChar(0x2014));
        } else if (Word == "endash") {
            Emit(QChar(0x2013));
        } else if (Word == "bullet") {
            Emit(QChar(0x2022));
        } else if (Word == "lquote") {
            Emit(QChar(0x2018));
        } else if (Word == "rquote") {
            Emit(QChar(0x2019));
        } else if (Word == "ldblquote") {
            Emit(QChar(0x201C));
        } else if (Word == "rdblquote") {
            Emit(QChar(0x201D));
        } else if (Word == "uc" && HasParam) {
            State.UcSkip = int(qBound(0LL, Param, 16LL));
        } else if (Word == "u" && HasParam) {
            PendingSkip = 0;
            Emit(QChar(char16_t(Param < 0 ? Param + 65536 : Param)));
            PendingSkip = State.UcSkip;
        } else if (PendingSkip > 0) {
            --PendingSkip; // any other control word counts as one fallback character
        }
    }
    return Out;
}
