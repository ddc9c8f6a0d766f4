// The German braille rules that the comparison with liblouis cannot catch,
// checked on every record of every data file of every shipped learning
// material, loaded as the program loads them.
//
// liblouis's German tables differ from the German rules here:
// - the closing quotation mark “ (U+201C): German braille writes it with
//   dots 3-5-6; liblouis takes it for the English opening quote and writes
//   2-3-6, the cell of the opening „. A record that wrote both marks alike
//   agreed with liblouis and still taught the wrong cell.
// A word in capitals (two or more capital letters: ICE, ADAC) has dots 4-5
// in front, as German braille and liblouis write it; the capital sign twice
// (4-6 4-6) or once is a fault.
// The other rules checked here are those every record must keep whatever its
// kind of braille (Basisschrift, Vollschrift, Kurzschrift), counted by signs
// so that letter groups and contractions do not matter:
// - „ (and a plain " at the start of a word) opens with 2-3-6 and stands
//   before a word; “ and ” (and a plain " at the end of a word) close with
//   3-5-6 and stand after one;
// - a word beginning with a capital letter begins with the capital sign 4-6,
//   and there is a capital sign for every capital letter;
// - a number at the start of a word or after a letter has the number sign
//   3-4-5-6 (a decimal comma or a point between digits does not end the
//   number); a letter a to j right after a number has dot 6 in front, or it
//   would read as a digit;
// - a learning character's spoken hint names the dots of its cells, and a
//   quotation mark named "oben"/"schließend" is 3-5-6, "unten"/"öffnend"
//   2-3-6.
// tools/content/braille.py (deutsche_regeln_pruefen) applies the same rules
// when the generators write the files.

#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/PathsC.h"
#include "log/LogC.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

constexpr QChar Blank(0x2800);
constexpr QChar OpeningCell(0x2826);  // 2-3-6
constexpr QChar ClosingCell(0x2834);  // 3-5-6
constexpr QChar CapitalCell(0x2828);  // 4-6
constexpr QChar CapsWordCell(0x2818); // 4-5
constexpr QChar NumberCell(0x283C);   // 3-4-5-6
constexpr QChar Dot6Cell(0x2820);     // 6

const QString Opening = QStringLiteral("„\"»‚");
const QString Closing = QStringLiteral("“”\"«‘");

// Print characters before or after a word that take more than one cell.
int Width(QChar C)
{
    if (C == u'[' || C == u']' || C == u'‚' || C == u'‘')
        return 2;
    if (C == u'…')
        return 3;
    return 1;
}

int Width(const QString &S)
{
    int N = 0;
    for (QChar C : S)
        N += Width(C);
    return N;
}

// The faults of a print text against its braille cells (a blank cell
// between words).
QStringList Faults(const QString &Print, const QString &Cells)
{
    QStringList Result;
    const QStringList Words = Print.split(u' ', Qt::SkipEmptyParts);
    QString C = Cells;
    C.replace(Blank, u' ');
    const QStringList CellWords = C.split(u' ', Qt::SkipEmptyParts);
    if (Words.size() != CellWords.size())
        return {QStringLiteral("%1 Wörter in Druckschrift, %2 in Braille").arg(Words.size()).arg(CellWords.size())};
    for (int W = 0; W < Words.size(); ++W) {
        const QString &P = Words[W];
        const QString &Z = CellWords[W];
        qsizetype First = -1, Last = -1;
        for (qsizetype I = 0; I < P.size(); ++I)
            if (P[I].isLetterOrNumber()) {
                if (First < 0)
                    First = I;
                Last = I;
            }
        const QString Front = First < 0 ? P : P.left(First);
        const QString Core = First < 0 ? QString() : P.mid(First, Last - First + 1);
        const QString Back = First < 0 ? QString() : P.mid(Last + 1);
        const int NF = Width(Front), NB = Width(Back);
        if (NF + NB > Z.size() || (!Core.isEmpty() && NF + NB == Z.size())) {
            Result << QStringLiteral("\"%1\": zu wenige Zellen (%2)").arg(P, Z);
            continue;
        }
        const QString ZF = Z.left(NF), ZK = Z.mid(NF, Z.size() - NF - NB), ZB = Z.right(NB);

        // Quotation marks.
        int Pos = 0;
        for (QChar Ch : Front) {
            const QChar Cell = ZF[Pos + Width(Ch) - 1];
            if (Opening.contains(Ch) || Closing.contains(Ch)) {
                if (!Opening.contains(Ch))
                    Result << QStringLiteral("\"%1\": schließendes Anführungszeichen vor dem Wort").arg(P);
                else if (Cell != OpeningCell)
                    Result << QStringLiteral("\"%1\": öffnendes Anführungszeichen ist nicht Punkte 2 3 6").arg(P);
                else if (Core.isEmpty())
                    Result << QStringLiteral("\"%1\": öffnendes Anführungszeichen ohne Wort danach").arg(P);
            }
            Pos += Width(Ch);
        }
        Pos = 0;
        for (QChar Ch : Back) {
            const QChar Cell = ZB[Pos + Width(Ch) - 1];
            if (Opening.contains(Ch) || Closing.contains(Ch)) {
                if (!Closing.contains(Ch))
                    Result << QStringLiteral("\"%1\": öffnendes Anführungszeichen nach dem Wort").arg(P);
                else if (Cell != ClosingCell)
                    Result << QStringLiteral("\"%1\": schließendes Anführungszeichen ist nicht Punkte 3 5 6").arg(P);
            }
            Pos += Width(Ch);
        }
        for (QChar Ch : Core)
            if (QStringLiteral("„“”«»").contains(Ch))
                Result << QStringLiteral("\"%1\": Anführungszeichen mitten im Wort").arg(P);
        if (Core.isEmpty())
            continue;

        // Capitals.
        int Letters = 0, Capitals = 0;
        for (QChar Ch : Core)
            if (Ch.isLetter()) {
                ++Letters;
                if (Ch.isUpper())
                    ++Capitals;
            }
        if (Letters >= 2 && Capitals == Letters && Core[0].isLetter()) {
            if (ZK.startsWith(QString(2, CapitalCell)))
                Result
                    << QStringLiteral("\"%1\": Wort in Großbuchstaben mit zweimal Punkte 4 6 statt Punkte 4 5").arg(P);
            else if (!ZK.startsWith(CapsWordCell))
                Result << QStringLiteral("\"%1\": Wort in Großbuchstaben ohne Punkte 4 5 am Anfang").arg(P);
        } else {
            if (Core[0].isUpper() && !ZK.startsWith(CapitalCell))
                Result << QStringLiteral("\"%1\": großer Anfangsbuchstabe ohne Großschreibzeichen").arg(P);
            else if (ZK.count(CapitalCell) + ZK.count(CapsWordCell) < Capitals)
                Result << QStringLiteral("\"%1\": %2 große Buchstaben, aber weniger Großschreibzeichen")
                              .arg(P)
                              .arg(Capitals);
        }

        // Numbers.
        int Numbers = 0, LettersAfterNumber = 0;
        for (qsizetype I = 0; I < Core.size(); ++I) {
            const QChar Ch = Core[I];
            if (Ch.isDigit()) {
                const bool GoesOn = I > 0 && (Core[I - 1].isDigit() || ((Core[I - 1] == u',' || Core[I - 1] == u'.') &&
                                                                        I > 1 && Core[I - 2].isDigit()));
                if (!GoesOn)
                    ++Numbers;
            } else if (Ch >= u'a' && Ch <= u'j' && I > 0 && Core[I - 1].isDigit()) {
                ++LettersAfterNumber;
            }
        }
        if (Core[0].isDigit() && !ZK.startsWith(NumberCell))
            Result << QStringLiteral("\"%1\": Zahl am Wortanfang ohne Zahlzeichen").arg(P);
        else if (ZK.count(NumberCell) < Numbers)
            Result << QStringLiteral("\"%1\": %2 Zahlen, aber weniger Zahlzeichen").arg(P).arg(Numbers);
        if (ZK.count(Dot6Cell) < LettersAfterNumber)
            Result << QStringLiteral("\"%1\": Buchstabe a bis j nach einer Zahl ohne Punkt 6 davor").arg(P);
    }
    return Result;
}

// The dots of a cell, "1 2 4".
QString DotsOf(QChar Cell)
{
    QStringList Dots;
    for (int D = 0; D < 6; ++D)
        if ((Cell.unicode() - 0x2800) & (1 << D))
            Dots << QString::number(D + 1);
    return Dots.join(u' ');
}

// The faults of a learning character: its spoken hint names the dots of its
// cells, and a named quotation mark has the cell of its side.
QStringList LearningFaults(const TDatensatz &R, const QString &Cells)
{
    QStringList Result;
    QSet<QString> Dots;
    for (QChar C : Cells)
        Dots.insert(DotsOf(C));
    // The dots right after the name ("k: Punkte 1 3") or after a sign in
    // front ("Zahlzeichen, dann Punkt 1"); a memory aid after them ("wie a,
    // dazu Punkt 3") names dots that are no cell of their own.
    static const QRegularExpression Named(QStringLiteral("(?:^[^:]*: |dann )Punkte? ([1-6](?: [1-6])*)"));
    for (auto M = Named.globalMatch(R.Zusatztext); M.hasNext();) {
        const QString D = M.next().captured(1);
        if (!Dots.contains(D))
            Result << QStringLiteral("Hinweis nennt Punkte %1, die Zellen sind %2")
                          .arg(D, QStringList(Dots.values()).join(u'/'));
    }
    if (R.Text.contains(QStringLiteral("Anführungszeichen"))) {
        const bool Closes = R.Text.contains(QStringLiteral("oben")) || R.Text.contains(QStringLiteral("schließ"));
        const bool Opens = R.Text.contains(QStringLiteral("unten")) || R.Text.contains(QStringLiteral("öffn"));
        if (Closes && Cells != QString(ClosingCell))
            Result << QStringLiteral("schließendes Anführungszeichen ist nicht Punkte 3 5 6");
        if (Opens && Cells != QString(OpeningCell))
            Result << QStringLiteral("öffnendes Anführungszeichen ist nicht Punkte 2 3 6");
    }
    return Result;
}

// A line with marked passages (^...^, alternatives split by "\") as the
// exercise first shows it: the marks gone, the first alternative kept.
QString FirstVariant(const QString &S)
{
    const QStringList Parts = S.split(u'^');
    QString Result;
    for (int I = 0; I < Parts.size(); ++I)
        Result += I % 2 == 0 ? Parts[I] : Parts[I].section(u'\\', 0, 0);
    return Result;
}

// Records that are meant to break a rule, with the reason.
struct TException {
    const char *Material;
    const char *File;
    const char16_t *Record; // braille form ^ print form
    const char *Reason;
};

const QList<TException> Exceptions = {};

const TException *FindException(const QString &Material, const QString &File, const QString &Key)
{
    for (const TException &E : Exceptions)
        if (Material == QLatin1String(E.Material) && File == QLatin1String(E.File) &&
            Key == QString::fromUtf16(E.Record))
            return &E;
    return nullptr;
}

QString MaterialsFolder()
{
    return QStringLiteral(TASTWERK_SHARE "/Lernmaterialien/");
}

struct TCase {
    QString Name; // material/file: record
    QString Material, File, Key;
    TDatendateiTyp Typ;
    TDatensatz Record;
};

} // namespace

class tst_GermanRules : public QObject
{
    Q_OBJECT

    TBrlUniChar FTable;
    TLog FLog{nullptr, QString()};
    QTemporaryDir FTemp;
    QList<TCase> FCases;
    QSet<QString> FRecords;

    QString Cells(const QString &Brl) const { return FTable.Translate(Brl, ttToUniBrl, true); }

private slots:
    void initTestCase()
    {
        InstallLog(&FLog);
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("test"), FTemp.path());
        QVERIFY2(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")),
                 qPrintable(FTable.LastErrorString));
        const QStringList Materials = QDir(MaterialsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY(!Materials.isEmpty());
        for (const QString &Material : Materials) {
            TDaten Daten;
            QVERIFY2(Daten.LoadFiles(MaterialsFolder() + Material + QStringLiteral("/Datenbanken/")),
                     qPrintable(Material + QStringLiteral(": ") + Daten.LastErrorString));
            for (int I = 0; I < Daten.Count(); ++I) {
                const TDatendatei *D = Daten.Get(I);
                const QString File = D->FileInfo().Name;
                for (const TDatensatz &R : D->List()) {
                    const QString Key = R.Brl + QStringLiteral(" ^ ") + R.Text;
                    FRecords.insert(Material + u'/' + File + u'/' + Key);
                    if (D->Typ() == dtFigurenliste)
                        continue; // pictures, not text
                    FCases.append({Material + u'/' + File + QStringLiteral(": ") + R.ToString(), Material, File, Key,
                                   D->Typ(), R});
                }
            }
        }
    }
    void cleanupTestCase() { InstallLog(nullptr); }

    // The check itself finds the faults it is there for.
    void rulesFindTheirFaults_data()
    {
        QTest::addColumn<QString>("Print");
        QTest::addColumn<QString>("Cells");
        QTest::addColumn<int>("Count");
        QTest::newRow("quotes right") << "„Hallo“, sagt sie."
                                      << "⠦⠨⠓⠁⠇⠇⠕⠴⠂⠀⠎⠁⠛⠞⠀⠎⠊⠑⠄" << 0;
        QTest::newRow("closing quote as 2-3-6") << "„komm!“"
                                                << "⠦⠅⠕⠍⠍⠖⠦" << 1;
        QTest::newRow("opening quote as 3-5-6") << "„komm!“"
                                                << "⠴⠅⠕⠍⠍⠖⠴" << 1;
        QTest::newRow("opening quote without a word") << "„ ja"
                                                      << "⠦⠀⠚⠁" << 1;
        QTest::newRow("capital sign missing") << "Der Hund"
                                              << "⠨⠙⠑⠗⠀⠓⠥⠝⠙" << 1;
        QTest::newRow("capital inside a word") << "iPhone"
                                               << "⠊⠏⠓⠕⠝⠑" << 1;
        QTest::newRow("word in capitals, 4-5") << "UFO"
                                               << "⠘⠥⠋⠕" << 0;
        QTest::newRow("word in capitals in a sentence") << "Der ICE kommt."
                                                        << "⠨⠙⠑⠗⠀⠘⠊⠉⠑⠀⠅⠕⠍⠍⠞⠄" << 0;
        QTest::newRow("word in capitals, 4-6 twice") << "UFO"
                                                     << "⠨⠨⠥⠋⠕" << 1;
        QTest::newRow("word in capitals, one sign") << "UFO"
                                                    << "⠨⠥⠋⠕" << 1;
        QTest::newRow("word in capitals, no sign") << "WC"
                                                   << "⠺⠉" << 1;
        QTest::newRow("number sign missing") << "um 3 Uhr"
                                             << "⠥⠍⠀⠉⠀⠨⠥⠓⠗" << 1;
        QTest::newRow("number after a letter") << "x3"
                                               << "⠭⠉" << 1;
        QTest::newRow("decimal comma goes on") << "3,50"
                                               << "⠼⠉⠂⠑⠚" << 0;
        QTest::newRow("date goes on") << "12.05.2024"
                                      << "⠼⠁⠃⠄⠚⠑⠄⠃⠚⠃⠙" << 0;
        QTest::newRow("letter after a number") << "5b"
                                               << "⠼⠑⠠⠃" << 0;
        QTest::newRow("letter after a number, dot 6 missing") << "5b"
                                                              << "⠼⠑⠃" << 1;
        QTest::newRow("words differ in number") << "ein Haus"
                                                << "⠑⠊⠝" << 1;
    }
    void rulesFindTheirFaults()
    {
        QFETCH(QString, Print);
        QFETCH(QString, Cells);
        QFETCH(int, Count);
        const QStringList F = Faults(Print, Cells);
        QVERIFY2(F.size() == Count, qPrintable(F.join(QStringLiteral("; "))));
    }

    void everyRecordKeepsTheRules_data()
    {
        QTest::addColumn<int>("Index");
        for (int I = 0; I < FCases.size(); ++I)
            QTest::addRow("%s", qPrintable(FCases[I].Name)) << I;
    }
    void everyRecordKeepsTheRules()
    {
        QFETCH(int, Index);
        const TCase &C = FCases[Index];
        const TDatensatz &R = C.Record;
        QStringList F;
        switch (C.Typ) {
        case dtLernzeichen:
            F = LearningFaults(R, Cells(R.Brl));
            break;
        case dtWoerterliste:
        case dtSaetzeliste:
            if (!R.Text.isEmpty())
                F = Faults(R.Text, Cells(R.Brl));
            break;
        default: // gap texts, error search, bridge words: the line as shown
            if (!R.Text.isEmpty())
                F = Faults(FirstVariant(R.Text), Cells(FirstVariant(R.Brl)));
            break;
        }
        if (const TException *E = FindException(C.Material, C.File, C.Key))
            QEXPECT_FAIL("", E->Reason, Abort);
        QVERIFY2(F.isEmpty(), qPrintable(F.join(QStringLiteral("; "))));
    }

    // An exception that names no shipped record is out of date.
    void exceptionsNameShippedRecords()
    {
        for (const TException &E : Exceptions) {
            const QString Key =
                QLatin1String(E.Material) + u'/' + QLatin1String(E.File) + u'/' + QString::fromUtf16(E.Record);
            QVERIFY2(FRecords.contains(Key), qPrintable(Key + QStringLiteral(" is no record of the shipped files")));
        }
    }
};

QTEST_GUILESS_MAIN(tst_GermanRules)
#include "tst_GermanRules.moc"
