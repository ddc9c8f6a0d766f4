#include "exercise/DatenPartsC.h"

#include "content/RandomC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

TDatenParts &DatenParts()
{
    static TDatenParts Parts;
    return Parts;
}

QString TDatenParts::CreateString(TClickPos &ClickPos, TDatenPartTyp AVariante)
{
    FVariante = AVariante;
    QString Out;
    for (int Attempt = 1; Attempt <= 11; ++Attempt) {
        Out.clear();
        bool FromSplit = false;
        ClickPos.FPos.clear();
        QString S = ClickPos.Datensatz.Brl;
        if (!S.contains(u'^')) {
            Out = S;
            break;
        }
        while (true) {
            const qsizetype Open = S.indexOf(u'^');
            if (Open < 0)
                break;
            Out += S.left(Open);
            S.remove(0, Open + 1);
            const qsizetype Close = S.indexOf(u'^');
            if (Close < 0) {
                LogAdd(QStringLiteral("Marken in Datenzeile falsch gesetzt: \"%1\"").arg(ClickPos.Datensatz.Brl));
                break; // the text after the lone mark stays unmarked
            }
            QString Part = TrimCtl(S.left(Close));
            S.remove(0, Close + 1);
            if (Part.isEmpty())
                continue;
            if (Part.contains(u'\\')) {
                QStringList Pieces;
                for (const QString &Piece : Part.split(u'\\')) {
                    const QString P = TrimCtl(Piece);
                    if (!P.isEmpty())
                        Pieces.append(P);
                }
                if (Pieces.isEmpty())
                    Part.clear();
                else
                    Part = FVariante == dptMultiVariante ? Pieces[Random(int(Pieces.size()))] : Pieces.first();
                if (!Part.isEmpty())
                    FromSplit = true;
            }
            if (Part.isEmpty())
                continue;
            const int From = ClickPos.FClickSelStart + int(Out.size());
            ClickPos.AddPos(From, From + int(Part.size()) - 1);
            // The marked part stays one unit on the braille display.
            Out += QString(Part).replace(u' ', QChar(0x2800));
        }
        Out += S;
        const bool Again =
            FVariante == dptMultiVariante && FromSplit && !FLastString.isEmpty() && Out == FLastString;
        if (!Again)
            break;
    }
    FLastString = Out;
    return Out;
}
