// The Kurzschrift course (Lernmaterial-3) against liblouis's German
// contracted table de-g2-detailed.ctb: every record of every data file,
// loaded through the program's own loaders, is compared cell by cell.
//
// - words, sentences and gap texts (without their marks): the cells of the
//   braille form are liblouis's cells of the print form;
// - error-search lines: outside the marked part the line is liblouis's
//   translation of the print form, and none of the wrong forms in the marked
//   part is the right one;
// - learning characters: a contraction or letter group ("er", "ll", "au") is
//   written as one cell only inside a word, so its cell is compared with the
//   cell liblouis writes for it in an example word; a short word ("und",
//   "wir") is translated as it stands; a single letter and a punctuation mark
//   alone get the letter sign in Kurzschrift, so they are compared with
//   Basisschrift (de-g0-detailed.utb), as they are written inside a word and
//   after it; the capital sign through a capitalised word.
// A record that fits none of these fails.

#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/FilesHelperC.h"
#include "content/PathsC.h"
#include "log/LogC.h"

#include <QHash>
#include <QTemporaryDir>
#include <QtTest>

#include "../common/Louis.h"

namespace
{

const char *const G0 = "unicode.dis,de-g0-detailed.utb";
const char *const G2 = "unicode.dis,de-g2-detailed.ctb";
const char *const Material = "Lernmaterial-3";

// A contraction or letter group, a word liblouis writes it in, and the index
// of its cell there.
struct TGroup {
    const char16_t *Letters;
    const char16_t *Example;
    int Index;
};

const TGroup Groups[] = {
    {u"au", u"Haus", 2},     {u"eu", u"heute", 1},      {u"ei", u"Leiter", 2},        {u"äu", u"Häuser", 2},
    {u"ie", u"Liebe", 2},    {u"ch", u"Buch", 3},       {u"sch", u"Tisch", 3},        {u"st", u"Nest", 3},
    {u"er", u"Vater", 4},    {u"en", u"Regen", 4},      {u"el", u"Nebel", 4},         {u"ein", u"Stein", 2},
    {u"ll", u"Teller", 3},   {u"mm", u"Zimmer", 3},     {u"ss", u"Wasser", 3},        {u"ck", u"Zucker", 3},
    {u"es", u"lesen", 1},    {u"em", u"Hemd", 2},       {u"te", u"Tomate", 5},        {u"ge", u"Auge", 2},
    {u"ig", u"Honig", 4},    {u"ich", u"Licht", 2},     {u"an", u"Tante", 2},         {u"in", u"Kinder", 2},
    {u"un", u"Hund", 2},     {u"ar", u"Garten", 2},     {u"al", u"kalt", 1},          {u"or", u"Dorf", 2},
    {u"eh", u"gehen", 1},    {u"ach", u"Dach", 2},      {u"be", u"Besuch", 1},        {u"ver", u"verkaufen", 0},
    {u"ung", u"Wohnung", 5}, {u"heit", u"Freiheit", 4}, {u"keit", u"Kleinigkeit", 5}, {u"lich", u"fröhlich", 4},
};

const TGroup *FindGroup(const QString &Letters)
{
    for (const TGroup &G : Groups)
        if (Letters == QString::fromUtf16(G.Letters))
            return &G;
    return nullptr;
}

// The names the punctuation records carry.
const QHash<QString, QChar> &Punctuation()
{
    static const QHash<QString, QChar> Names = {
        {QStringLiteral("Punkt"), u'.'},
        {QStringLiteral("Komma"), u','},
        {QStringLiteral("Fragezeichen"), u'?'},
        {QStringLiteral("Ausrufezeichen"), u'!'},
    };
    return Names;
}

struct TCase {
    QString Name;
    TDatendateiTyp Typ;
    TDatensatz Record;
};

} // namespace

class tst_ShippedKurzschrift : public QObject
{
    Q_OBJECT

    TBrlUniChar FTable;
    TLog FLog{nullptr, QString()};
    QTemporaryDir FTemp;
    QList<TCase> FCases;

    QString Cells(const QString &Brl) const
    {
        return FTable.Translate(Brl, ttToUniBrl, true).replace(u' ', QChar(0x2800));
    }

private slots:
    void initTestCase()
    {
        lou_setLogLevel(LOU_LOG_ERROR);
        InstallLog(&FLog);
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("test"), FTemp.path());
        QVERIFY2(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")),
                 qPrintable(FTable.LastErrorString));
        QVERIFY2(lou_getTable(G0), G0);
        QVERIFY2(lou_getTable(G2), G2);
        TDaten Daten;
        const QString Folder = QStringLiteral(TASTWERK_SHARE "/Lernmaterialien/") + QLatin1String(Material) +
                               QStringLiteral("/Datenbanken/");
        QVERIFY2(Daten.LoadFiles(Folder), qPrintable(Daten.LastErrorString));
        for (int I = 0; I < Daten.Count(); ++I) {
            const TDatendatei *D = Daten.Get(I);
            for (const TDatensatz &R : D->List())
                FCases.append({D->FileInfo().Name, D->Typ(), R});
        }
        QVERIFY2(FCases.size() > 300, "the Kurzschrift course holds too few records");
    }

    void cleanupTestCase()
    {
        lou_free();
        InstallLog(nullptr);
    }

    void recordAgreesWithLiblouis_data()
    {
        QTest::addColumn<int>("index");
        for (int I = 0; I < FCases.size(); ++I)
            QTest::addRow("%s: %s", qPrintable(FCases[I].Name), qPrintable(FCases[I].Record.ToString())) << I;
    }

    void recordAgreesWithLiblouis()
    {
        QFETCH(int, index);
        const TCase &C = FCases[index];
        const QString &Brl = C.Record.Brl;
        const QString &Text = C.Record.Text;
        QVERIFY2(!Text.isEmpty(), "record without print form");
        switch (C.Typ) {
        case dtWoerterliste:
        case dtSaetzeliste:
            QCOMPARE(Cells(Brl), LouisCells(G2, Text));
            break;
        case dtLueckentext: {
            QVERIFY2(Brl.count(u'^') % 2 == 0 && Brl.contains(u'^'), "a gap text needs pairs of marks");
            QString Plain = Brl;
            Plain.remove(u'^');
            QCOMPARE(Cells(Plain), LouisCells(G2, Text));
            break;
        }
        case dtFehlersuche: {
            const QStringList Parts = Brl.split(u'^');
            QCOMPARE(Parts.size(), 3);
            const QString Right = LouisCells(G2, Text);
            const QString Before = Cells(Parts[0]);
            const QString After = Cells(Parts[2]);
            QVERIFY2(Right.startsWith(Before) && Right.endsWith(After) && Right.size() > Before.size() + After.size(),
                     qPrintable(QStringLiteral("outside the mark, liblouis writes %1").arg(Right)));
            const QString Marked = Right.mid(Before.size(), Right.size() - Before.size() - After.size());
            for (const QString &Wrong : Parts[1].split(u'\\'))
                QVERIFY2(Cells(Wrong) != Marked, qPrintable(QStringLiteral("\"%1\" is the right form").arg(Wrong)));
            break;
        }
        case dtLernzeichen: {
            if (const TGroup *G = FindGroup(Text)) {
                const QString Example = LouisCells(G2, QString::fromUtf16(G->Example));
                QVERIFY2(G->Index < Example.size(), qPrintable(Example));
                QCOMPARE(Cells(Brl), QString(Example[G->Index]));
            } else if (Text == QStringLiteral("Großschreibzeichen")) {
                QCOMPARE(Cells(Brl), LouisCells(G2, QStringLiteral("Haus")).left(1));
            } else if (Punctuation().contains(Text)) {
                QCOMPARE(Brl, QString(Punctuation().value(Text)));
                QCOMPARE(Cells(Brl), LouisCells(G0, QStringLiteral("ab") + Brl + QStringLiteral(" ab")).mid(2, 1));
            } else if (Text.size() == 1) {
                QCOMPARE(Brl, Text);
                QCOMPARE(Cells(Brl), LouisCells(G0, Text));
            } else {
                // a short word, written as it stands
                QCOMPARE(Cells(Brl), LouisCells(G2, Text));
            }
            break;
        }
        default:
            QFAIL("a data file type the course does not use");
        }
    }
};

QTEST_GUILESS_MAIN(tst_ShippedKurzschrift)
#include "tst_ShippedKurzschrift.moc"
