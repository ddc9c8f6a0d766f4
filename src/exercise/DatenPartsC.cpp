#include "exercise/DatenPartsC.h"

#include "content/RandomC.h"
#include "content/TextFileC.h"
#include "exercise/TippenPosC.h"
#include "log/LogC.h"

TDatenParts &DatenParts()
{
    static TDatenParts Parts;
    return Parts;
}

namespace {

// Walks a marked line: the text outside the marks goes to the result as it
// is; for each non-empty marked part, Part is called with the result so far
// and the part's alternatives (the trimmed, non-empty pieces between
// backslashes; the part itself when it has none) and whether it had
// backslashes. A lone mark is logged and the rest of the line stays plain.
QString WalkMarkedLine(const QString &Brl,
                       const std::function<void(QString &Out, const QStringList &Alternatives, bool Split)> &Part)
{
    QString Out;
    QString S = Brl;
    while (true) {
        const qsizetype Open = S.indexOf(u'^');
        if (Open < 0)
            break;
        Out += S.left(Open);
        S.remove(0, Open + 1);
        const qsizetype Close = S.indexOf(u'^');
        if (Close < 0) {
            LogAdd(QStringLiteral("Marken in Datenzeile falsch gesetzt: \"%1\"").arg(Brl));
            break;
        }
        const QString Marked = TrimCtl(S.left(Close));
        S.remove(0, Close + 1);
        if (Marked.isEmpty())
            continue;
        const bool Split = Marked.contains(u'\\');
        QStringList Alternatives;
        if (!Split) {
            Alternatives.append(Marked);
        } else {
            for (const QString &Piece : Marked.split(u'\\')) {
                const QString P = TrimCtl(Piece);
                if (!P.isEmpty())
                    Alternatives.append(P);
            }
        }
        if (!Alternatives.isEmpty())
            Part(Out, Alternatives, Split);
    }
    return Out + S;
}

} // namespace

QString TDatenParts::CreateString(TClickPos &ClickPos, TDatenPartTyp AVariante)
{
    FVariante = AVariante;
    QString Out;
    for (int Attempt = 1; Attempt <= 11; ++Attempt) {
        bool FromSplit = false;
        ClickPos.FPos.clear();
        Out = WalkMarkedLine(ClickPos.Datensatz.Brl, [&](QString &O, const QStringList &Alternatives, bool Split) {
            const QString P =
                Split && FVariante == dptMultiVariante ? Alternatives[Random(int(Alternatives.size()))] : Alternatives.first();
            FromSplit = FromSplit || Split;
            const int From = ClickPos.FClickSelStart + int(O.size());
            ClickPos.AddPos(From, From + int(P.size()) - 1);
            // The marked part stays one unit on the braille display.
            O += QString(P).replace(u' ', QChar(0x2800));
        });
        const bool Again = FVariante == dptMultiVariante && FromSplit && !FLastString.isEmpty() && Out == FLastString;
        if (!Again)
            break;
    }
    FLastString = Out;
    return Out;
}

QString TDatenParts::CreateString(TTippenPos &TippenPos, TDatenPartTyp AVariante)
{
    FVariante = AVariante;
    TippenPos.ClearPos();
    // Every alternative is accepted; none is chosen, so one walk is enough.
    const QString Out = WalkMarkedLine(TippenPos.Datensatz.Brl, [&](QString &O, const QStringList &Alternatives, bool) {
        TippenPos.AddPos(QString(), Alternatives, O, TippenPos.FSelStart + 1);
    });
    FLastString = Out;
    return Out;
}
