// The braille forms of the shipped learning materials checked against
// liblouis: for every record of a data file whose print form is ordinary
// German text, the cells that the shipped braille table gives for the braille
// form must be the cells liblouis writes for the print form.
//
// Each learning material is written in one kind of braille, and liblouis has
// a table for it: Basisschrift (uncontracted, capitals marked) is
// de-g0-detailed.utb; Vollschrift (the eight letter groups, no other
// contraction, capitals marked as in Basisschrift) is de-g1-detailed.ctb.
//
// Which records are compared:
// - word lists and sentence lists: every record with a print form;
// - learning characters: a record whose print form is the text it stands for
//   ("a", "ß", "au") is compared through that text; a digit ("1 ^ 1"), which
//   the braille table lists under the cell after the number sign, with the
//   number sign put in front. A record whose print form is the name of a
//   punctuation mark ("Punkt", "Komma") is compared through its braille
//   character, which is that mark in print as well. Records of the signs
//   (capital sign "$", number sign "#"), of the substitute characters
//   (` ~ { } |) and of letter groups named by a name stand for nothing print
//   writes with that character; tst_BrlTableLiblouis checks their cells;
// - error-search lines, bridge words and gap texts are not compared: their
//   braille forms hold marks ("^") and alternatives ("\"), error-search lines
//   hold deliberate errors, and their print form is a note that the exercise
//   never shows, with no fixed relation to the braille form; no print text
//   can be derived from them for which liblouis must give the same cells.
//   tools/content/lautgruppen.py checks those of Lernmaterial-2 through the
//   sentences they are made from.
//
// One rule of German braille liblouis gets wrong for every record alike: it
// writes the closing quotation mark “ (U+201C) with dots 2-3-6, the cell of
// the opening „, taking it for the English opening quote. German braille
// closes with 3-5-6, which liblouis writes for ” (U+201D); so “ is handed to
// liblouis as ”. tst_GermanRules checks the quotation marks themselves.
//
// The Kurzschrift course (Lernmaterial-3) is compared with liblouis's
// contracted table in tst_ShippedKurzschrift.

#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/FilesHelperC.h"
#include "content/PathsC.h"
#include "log/LogC.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "../common/Louis.h"

namespace
{

const char *const G0 = "unicode.dis,de-g0-detailed.utb";
const char *const G1 = "unicode.dis,de-g1-detailed.ctb";

// The liblouis table of each learning material; a material missing here
// fails the test until its table is named.
const QHash<QString, const char *> &LouisTables()
{
    static const QHash<QString, const char *> Tables = {
        {QStringLiteral("Lernmaterial-1"), G0},
        {QStringLiteral("Lernmaterial-2"), G1},
        {QStringLiteral("Lernmaterial-3"), nullptr}, // tst_ShippedKurzschrift
    };
    return Tables;
}

// Records whose cells are meant to differ from liblouis's, with the reason.
struct TException {
    const char *Material;
    const char *File;
    const char16_t *Record; // braille form ^ print form
    const char *Reason;
};

const TException Exceptions[] = {
    {"Lernmaterial-2", "Lautgruppen.dat", u"< ^ ie",
     "liblouis writes ie as one cell only inside a longer word; the record names the group on its own"},
    {"Lernmaterial-2", "Lautgruppen.dat", u"> ^ st",
     "liblouis writes st as one cell only inside a longer word; the record names the group on its own"},
    {"Lernmaterial-2", "Lautgruppen_ie_ch_sch_st.dat", u"< ^ ie",
     "liblouis writes ie as one cell only inside a longer word; the record names the group on its own"},
    {"Lernmaterial-2", "Lautgruppen_ie_ch_sch_st.dat", u"> ^ st",
     "liblouis writes st as one cell only inside a longer word; the record names the group on its own"},
};

const TException *FindException(const QString &Material, const QString &File, const QString &Record)
{
    for (const TException &E : Exceptions)
        if (Material == QLatin1String(E.Material) && File == QLatin1String(E.File) &&
            Record == QString::fromUtf16(E.Record))
            return &E;
    return nullptr;
}

// Characters of the braille table that print does not write with the meaning
// they have in a braille form: the signs (capital, word in capitals, number),
// the substitutes and the letter groups.
bool IsBrailleOnlyChar(QChar C)
{
    return QStringLiteral("$↑#`~{}|&%@=<*_>").contains(C);
}

// liblouis's translation of Text as Unicode braille cells, a blank cell read
// as a space; empty on failure.
QString Louis(const char *Table, const QString &Text)
{
    QString German = Text;
    German.replace(QChar(0x201C), QChar(0x201D)); // the closing quote, see above
    QString Out = LouisCells(Table, German);
    Out.replace(QChar(0x2800), u' ');
    return Out;
}

// One record to compare.
struct TCase {
    QString Material;
    QString File;
    QString Record; // as written in the file: braille form ^ print form [^ additional text]
    QString Key;    // braille form ^ print form, as the exceptions name it
    QString Brl;    // what goes through the braille table
    QString Print;  // what goes through liblouis
};

// What of a record is compared; false when the record is not compared.
bool CaseOf(TDatendateiTyp Typ, const TDatensatz &R, QString &Brl, QString &Print)
{
    if (R.Text.isEmpty())
        return false;
    switch (Typ) {
    case dtWoerterliste:
    case dtSaetzeliste:
        Brl = R.Brl;
        Print = R.Text;
        return true;
    case dtLernzeichen: {
        const bool IsName = R.Text != R.Brl && R.Text.front().isUpper();
        if (R.Brl.size() == 1 && R.Brl.front().isDigit() && R.Text == R.Brl) {
            // The table lists a digit under the cell written after the number
            // sign; print writes the digit alone.
            Brl = QStringLiteral("#") + R.Brl;
            Print = R.Text;
            return true;
        }
        if (!IsName) {
            Brl = R.Brl;
            Print = R.Text;
            return true;
        }
        if (R.Brl.size() != 1 || IsBrailleOnlyChar(R.Brl.front()))
            return false;
        Brl = R.Brl;
        Print = R.Brl;
        return true;
    }
    default:
        return false;
    }
}

QString MaterialsFolder()
{
    return QStringLiteral(TASTWERK_SHARE "/Lernmaterialien/");
}

QStringList MaterialNames()
{
    return QDir(MaterialsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class tst_ShippedBraille : public QObject
{
    Q_OBJECT

    TBrlUniChar FTable;
    TLog FLog{nullptr, QString()};
    QTemporaryDir FTemp;
    QList<TCase> FCases;
    // Every record of every data file, "material/file/record", for the
    // exceptions to be looked up in.
    QSet<QString> FRecords;

private slots:
    void initTestCase()
    {
        lou_setLogLevel(LOU_LOG_ERROR);
        InstallLog(&FLog);
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("test"), FTemp.path());
        QVERIFY2(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")),
                 qPrintable(FTable.LastErrorString));
        QVERIFY2(lou_getTable(G0), G0);
        QVERIFY2(lou_getTable(G1), G1);

        const QStringList Materials = MaterialNames();
        QVERIFY2(!Materials.isEmpty(), "no learning material in share/Lernmaterialien");
        for (const QString &Material : Materials) {
            QVERIFY2(
                LouisTables().contains(Material),
                qPrintable(QStringLiteral("%1: no liblouis table is named for this learning material").arg(Material)));
            if (!LouisTables().value(Material))
                continue;
            TDaten Daten;
            QVERIFY2(Daten.LoadFiles(MaterialsFolder() + Material + QStringLiteral("/Datenbanken/")),
                     qPrintable(Material + QStringLiteral(": ") + Daten.LastErrorString));
            for (int I = 0; I < Daten.Count(); ++I) {
                const TDatendatei *D = Daten.Get(I);
                const QString File = D->FileInfo().Name;
                for (const TDatensatz &R : D->List()) {
                    const QString Key = R.Brl + QStringLiteral(" ^ ") + R.Text;
                    FRecords.insert(Material + u'/' + File + u'/' + Key);
                    TCase C{Material, File, R.ToString(), Key, QString(), QString()};
                    if (CaseOf(D->Typ(), R, C.Brl, C.Print))
                        FCases.append(C);
                }
            }
        }
    }

    void cleanupTestCase()
    {
        lou_free();
        InstallLog(nullptr);
    }

    void recordAgreesWithLiblouis_data()
    {
        QTest::addColumn<int>("index");
        for (int I = 0; I < FCases.size(); ++I) {
            const TCase &C = FCases[I];
            QTest::addRow("%s/%s: %s", qPrintable(C.Material), qPrintable(C.File), qPrintable(C.Record)) << I;
        }
    }

    void recordAgreesWithLiblouis()
    {
        QFETCH(int, index);
        const TCase &C = FCases[index];
        const QString Table = FTable.Translate(C.Brl, ttToUniBrl, true);
        const QString Expected = Louis(LouisTables().value(C.Material), C.Print);
        QVERIFY2(!Expected.isEmpty(), qPrintable(QStringLiteral("liblouis cannot translate \"%1\"").arg(C.Print)));
        if (const TException *E = FindException(C.Material, C.File, C.Key))
            QEXPECT_FAIL("", E->Reason, Abort);
        QVERIFY2(
            Table == Expected,
            qPrintable(QStringLiteral("%1/Datenbanken/%2, record \"%3\": braille table %4, liblouis %5 (of \"%6\")")
                           .arg(C.Material, C.File, C.Record, Table, Expected, C.Print)));
    }

    // An exception that names no shipped record is out of date.
    void exceptionsNameShippedRecords_data()
    {
        QTest::addColumn<int>("index");
        for (int I = 0; I < int(std::size(Exceptions)); ++I)
            QTest::addRow("%s/%s: %s", Exceptions[I].Material, Exceptions[I].File,
                          qPrintable(QString::fromUtf16(Exceptions[I].Record)))
                << I;
    }

    void exceptionsNameShippedRecords()
    {
        QFETCH(int, index);
        const TException &E = Exceptions[index];
        const QString Key =
            QLatin1String(E.Material) + u'/' + QLatin1String(E.File) + u'/' + QString::fromUtf16(E.Record);
        QVERIFY2(FRecords.contains(Key), qPrintable(Key + QStringLiteral(" is no record of the shipped files")));
    }
};

QTEST_GUILESS_MAIN(tst_ShippedBraille)
#include "tst_ShippedBraille.moc"
