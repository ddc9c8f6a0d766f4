// The braille table file and the bracket markup of braille in texts. Input:
// a table file, "#####", then a text in which bytes from 0x80 up stand for
// the cells of the table's entries. Markup the program makes from cells
// reads back to the same cells.

#include "FuzzCommon.h"

#include "braille/BrlUniCharC.h"

namespace
{

// An entry whose cell and character lead to each other, with a character
// that has no meaning in markup: such cells survive the trip through markup.
bool RoundTrips(const TBrlUniChar &Table, QChar Cell)
{
    TBuc ByCell;
    TBuc ByChar;
    if (!Table.FindUniBrl(Cell, ByCell) || !Table.FindAscChar(ByCell.AscChar, ByChar))
        return false;
    const QChar C = ByCell.AscChar;
    return ByChar.UniBrl == Cell && C != u'[' && C != u']' && C != u' ' && !C.isSurrogate();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QList<QByteArray> Parts = Fuzz::SplitParts(Fuzz::Bytes(Data, Size), 2);
    const QString File = Fuzz::WriteFile(Fuzz::TempDir() + QStringLiteral("BrlUniChar.txt"), Parts[0]);

    TBrlUniChar Table;
    const bool Loaded = Table.LoadFile(File);
    FUZZ_CHECK(Loaded || !Table.LastErrorString.isEmpty(), File);
    FUZZ_CHECK(Table.Count() == Table.Entries().size(), QString());
    for (const TBuc &B : Table.Entries()) {
        TBuc Found;
        FUZZ_CHECK(Table.FindUniBrl(B.UniBrl, Found), B.ToString());
        FUZZ_CHECK(Table.FindAscChar(B.AscChar, Found), B.ToString());
        FUZZ_CHECK(Table.FindDots(B.Dots, Found), B.ToString());
        (void)B.ToString();
    }

    const QByteArray TextBytes = Parts.size() > 1 ? Parts[1] : QByteArray();
    QString Text;
    QString Cells; // the same with every character that cannot round-trip left out
    for (const char Byte : TextBytes) {
        const uchar U = uchar(Byte);
        if (U >= 0x80 && !Table.IsEmpty()) {
            const QChar Cell = Table.Entries()[(U - 0x80) % Table.Count()].UniBrl;
            Text += Cell;
            if (RoundTrips(Table, Cell))
                Cells += Cell;
        } else {
            Text += QChar(U);
            // A table may give the space a cell of its own, or (codes are
            // not checked) use the space as a cell: then a space inside a
            // run of cells reads as that cell.
            TBuc Space;
            if (U == ' ' && !Table.FindAscChar(QChar(u' '), Space) && !Table.FindUniBrl(QChar(u' '), Space))
                Cells += QChar(U);
        }
    }

    for (const QString &S : {Text, QString::fromUtf8(TextBytes)}) {
        FUZZ_CHECK(Table.Translate(S, ttToUniBrl, true).size() == S.size(), S);
        FUZZ_CHECK(Table.Translate(S, ttToAscChar, true).size() == S.size(), S);
        (void)Table.Translate(S, ttToUniBrl, false);
        (void)Table.Translate(S, ttToAscChar, false);
        FUZZ_CHECK(Table.ConvertTextToBrlString(S).size() == S.size(), S);
        (void)Table.ConvertBrlToTextString(S);
        FUZZ_CHECK(TBrlUniChar::ConvertSpaceToUniSpaceString(S).size() == S.size(), S);
        (void)Table.ConvertTextToDotsString(S, true);
        (void)Table.ConvertTextToDotsString(S, false);
        (void)Table.ConvertTextToSpeakTextDotsString(S);
    }

    // Cells and spaces, made into markup, come back as they were.
    const QString Markup = Table.Translate(Cells, ttToAscChar, false);
    if (Table.Translate(Markup, ttToUniBrl, false) != Cells) {
        QStringList Entries;
        for (const TBuc &B : Table.Entries())
            Entries.append(B.ToString());
        Fuzz::Fail("markup reads back to the same cells",
                   Cells + QStringLiteral("\n -> ") + Markup + QStringLiteral("\n -> ") +
                       Table.Translate(Markup, ttToUniBrl, false) + QStringLiteral("\ntable: ") + Entries.join(u' '));
    }

    Fuzz::ClearLog();
    return 0;
}
