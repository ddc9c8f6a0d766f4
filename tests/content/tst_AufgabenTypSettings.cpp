#include "content/DatenC.h"
#include "content/GlobalsC.h"
#include "exercise/AufgabenTypSettingsC.h"
#include "log/LogC.h"

#include <QTemporaryDir>
#include <QtTest>
#include <climits>
#include <cstring>
#include <type_traits>

namespace {

// The fields of the records by name, for tables of cases that span records.

int NumberField(const TAufgabenTypSettings &S, TAufgabenTyp Typ, QStringView Key)
{
    int Result = INT_MIN;
    S.Visit(Typ, [&](const auto &R) {
        auto Take = [&](QStringView Name, int Value) {
            if (Key == Name)
                Result = Value;
        };
        if constexpr (requires { R.Wiederholungen; })
            Take(u"Wiederholungen", R.Wiederholungen);
        if constexpr (requires { R.Zeitfaktor; })
            Take(u"Zeitfaktor", R.Zeitfaktor);
        if constexpr (requires { R.MaxWortAnzahl; })
            Take(u"MaxWortAnzahl", R.MaxWortAnzahl);
        if constexpr (requires { R.MaxLernzeichenAnzahl; })
            Take(u"MaxLernzeichenAnzahl", R.MaxLernzeichenAnzahl);
        if constexpr (requires { R.MaxFigurAnzahl; })
            Take(u"MaxFigurAnzahl", R.MaxFigurAnzahl);
        if constexpr (requires { R.MinWortLen; })
            Take(u"MinWortLen", R.MinWortLen);
        if constexpr (requires { R.MaxWortLen; })
            Take(u"MaxWortLen", R.MaxWortLen);
        if constexpr (requires { R.Leerzeichen; }) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(R.Leerzeichen)>, int>)
                Take(u"Leerzeichen", R.Leerzeichen);
        }
    });
    return Result;
}

// -1 when the record has no such flag.
int FlagField(const TAufgabenTypSettings &S, TAufgabenTyp Typ, QStringView Key)
{
    int Result = -1;
    S.Visit(Typ, [&](const auto &R) {
        auto Take = [&](QStringView Name, bool Value) {
            if (Key == Name)
                Result = Value ? 1 : 0;
        };
        if constexpr (requires { R.Datenzufall; })
            Take(u"Datenzufall", R.Datenzufall);
        if constexpr (requires { R.Sperrdruck; })
            Take(u"Sperrdruck", R.Sperrdruck);
        if constexpr (requires { R.ZeigeNormaltext; })
            Take(u"ZeigeNormaltext", R.ZeigeNormaltext);
        if constexpr (requires { R.CheckBraillezeilenbreite; })
            Take(u"CheckBraillezeilenbreite", R.CheckBraillezeilenbreite);
    });
    return Result;
}

// {"<none>"} when the record has no such file list.
QStringList FileField(const TAufgabenTypSettings &S, TAufgabenTyp Typ, QStringView Key)
{
    QStringList Result{QStringLiteral("<none>")};
    S.Visit(Typ, [&](const auto &R) {
        auto Take = [&](QStringView Name, const QStringList &Value) {
            if (Key == Name)
                Result = Value;
        };
        if constexpr (requires { R.Lernzeichendateien; })
            Take(u"Lernzeichendateien", R.Lernzeichendateien);
        if constexpr (requires { R.Gelerntzeichendateien; })
            Take(u"Gelerntzeichendateien", R.Gelerntzeichendateien);
        if constexpr (requires { R.Woerterdateien; })
            Take(u"Woerterdateien", R.Woerterdateien);
        if constexpr (requires { R.Figurendateien; })
            Take(u"Figurendateien", R.Figurendateien);
        if constexpr (requires { R.Fehlersuchedateien; })
            Take(u"Fehlersuchedateien", R.Fehlersuchedateien);
        if constexpr (requires { R.Saetzedateien; })
            Take(u"Saetzedateien", R.Saetzedateien);
        if constexpr (requires { R.Brueckenwoerterdateien; })
            Take(u"Brueckenwoerterdateien", R.Brueckenwoerterdateien);
        if constexpr (requires { R.Lueckentextdateien; })
            Take(u"Lueckentextdateien", R.Lueckentextdateien);
    });
    return Result;
}

// The braille forms of a derived list; {"<none>"} when the record has none.
QStringList ListField(const TAufgabenTypSettings &S, TAufgabenTyp Typ, QStringView Key)
{
    QStringList Result{QStringLiteral("<none>")};
    S.Visit(Typ, [&](const auto &R) {
        auto Take = [&](QStringView Name, const TDatensatzDynArray &Value) {
            if (Key != Name)
                return;
            Result.clear();
            for (const TDatensatz &D : Value)
                Result.append(D.Brl);
        };
        if constexpr (requires { R.Lernzeichenliste; })
            Take(u"Lernzeichenliste", R.Lernzeichenliste);
        if constexpr (requires { R.Gelerntzeichenliste; })
            Take(u"Gelerntzeichenliste", R.Gelerntzeichenliste);
        if constexpr (requires { R.WoerterlisteAlle; })
            Take(u"WoerterlisteAlle", R.WoerterlisteAlle);
        if constexpr (requires { R.WoerterlisteLernen; })
            Take(u"WoerterlisteLernen", R.WoerterlisteLernen);
        if constexpr (requires { R.Figurenliste; })
            Take(u"Figurenliste", R.Figurenliste);
        if constexpr (requires { R.Fehlersucheliste; })
            Take(u"Fehlersucheliste", R.Fehlersucheliste);
        if constexpr (requires { R.Saetzeliste; })
            Take(u"Saetzeliste", R.Saetzeliste);
        if constexpr (requires { R.Brueckenwoerterliste; })
            Take(u"Brueckenwoerterliste", R.Brueckenwoerterliste);
        if constexpr (requires { R.Lueckentextliste; })
            Take(u"Lueckentextliste", R.Lueckentextliste);
        if constexpr (requires { R.Trennzeichenliste; })
            Take(u"Trennzeichenliste", R.Trennzeichenliste);
    });
    return Result;
}

QString PositionsText(const TDatensatzDynArray &List)
{
    QStringList Parts;
    for (const TDatensatz &D : List)
        Parts.append(D.Brl + QStringLiteral(": ") + D.FZeichenInWortPos.ToString());
    return Parts.join(u'|');
}

const QString Missing = QStringLiteral("Die Datendatei \"%1\" konnte nicht in der Datenbank gefunden werden!");

// The learning characters a, b, n and the learned characters e, l, s of the
// test course, with its word list.
const QStringList AbnEls{QStringLiteral("Lernzeichendateien=Lernzeichen_abn.dat"),
                         QStringLiteral("Gelerntzeichendateien=Gelernt_els.dat"),
                         QStringLiteral("Woerterdateien=Woerter_Test.dat")};

} // namespace

// The settings records of the task types: their key lines with widths,
// bounds and defaults, their standard values, and the lists they build from
// the database.
class tst_AufgabenTypSettings : public QObject
{
    Q_OBJECT

    static QString Db()
    {
        return QStringLiteral(TASTWERK_TEST_DATA "/programm/Lernmaterialien/Lernmaterial-1/Datenbanken/");
    }

    TLog FLog{nullptr, QString()};
    TDaten FDaten;

    QString LastLog() const { return FLog.Get(0).mid(16); }

    // A record set to standard values, then given Lines in the section of
    // Typ, then its lists built.
    TAufgabenTypSettings Build(TAufgabenTyp Typ, const QStringList &Lines)
    {
        TAufgabenTypSettings S;
        S.SetStandard();
        for (const QString &Line : Lines)
            S.SetData(Typ, Line);
        S.CreateLists(Typ, FDaten);
        return S;
    }

private slots:
    void initTestCase()
    {
        InstallLog(&FLog);
        QVERIFY(FDaten.LoadFiles(Db()));
        QCOMPARE(FLog.Count(), 0);
    }
    void cleanupTestCase() { InstallLog(nullptr); }
    void init()
    {
        FLog.Clear();
        FDaten.LastErrorString.clear();
    }

    void numbers_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Line");
        QTest::addColumn<QString>("Key");
        QTest::addColumn<int>("Expected");
        QTest::addColumn<QString>("Note");
        const QString Below = QStringLiteral("\"%1\" liegt außerhalb von %2 bis %3, es gilt %4");
        const QString Cut = QStringLiteral("\"%1\" wird nur als \"%2\" gelesen, es gilt %3");
        const QString NoNumber = QStringLiteral("\"%1\" ist keine Zahl, es gilt %2");

        QTest::newRow("Wiederholungen 0") << int(atWortLesen) << "Wiederholungen=0" << "Wiederholungen" << 1
                                          << Below.arg("Wiederholungen=0").arg(1).arg(99).arg(1);
        QTest::newRow("Wiederholungen -5") << int(atSchnellkurs) << "Wiederholungen=-5" << "Wiederholungen" << 1
                                           << Below.arg("Wiederholungen=-5").arg(1).arg(99).arg(1);
        QTest::newRow("Wiederholungen 250 reads 25") << int(atFehlersuche) << "Wiederholungen=250" << "Wiederholungen"
                                                     << 25 << Cut.arg("Wiederholungen=250", "25").arg(25);
        QTest::newRow("Wiederholungen 99") << int(atSatzTippen) << "Wiederholungen=99" << "Wiederholungen" << 99 << "";
        QTest::newRow("Wiederholungen empty") << int(atLueckentext) << "Wiederholungen=" << "Wiederholungen" << 1
                                              << NoNumber.arg("Wiederholungen=").arg(1);
        QTest::newRow("Wiederholungen letters") << int(atBrueckenwoerter) << "Wiederholungen=zz" << "Wiederholungen"
                                                << 1 << NoNumber.arg("Wiederholungen=zz").arg(1);
        QTest::newRow("a blank after = uses up the width") << int(atZeichenTippen) << "Wiederholungen= 12"
                                                           << "Wiederholungen" << 1
                                                           << Cut.arg("Wiederholungen= 12", "1").arg(1);
        QTest::newRow("Zeitfaktor -1") << int(atVerstecktesWort) << "Zeitfaktor=-1" << "Zeitfaktor" << 0
                                       << Below.arg("Zeitfaktor=-1").arg(0).arg(300).arg(0);
        QTest::newRow("Zeitfaktor 301") << int(atZeichenFinden) << "Zeitfaktor=301" << "Zeitfaktor" << 300
                                        << Below.arg("Zeitfaktor=301").arg(0).arg(300).arg(300);
        QTest::newRow("Zeitfaktor letters") << int(atBrueckenwoerter) << "Zeitfaktor=abc" << "Zeitfaktor" << 0
                                            << NoNumber.arg("Zeitfaktor=abc").arg(0);
        QTest::newRow("Zeitfaktor 1000 reads 100") << int(atWortTippen) << "Zeitfaktor=1000" << "Zeitfaktor" << 100
                                                   << Cut.arg("Zeitfaktor=1000", "100").arg(100);
        QTest::newRow("Zeitfaktor 300") << int(atFigurFinden) << "Zeitfaktor=300" << "Zeitfaktor" << 300 << "";
        QTest::newRow("MaxWortAnzahl 0") << int(atBuchstabenLernen) << "MaxWortAnzahl=0" << "MaxWortAnzahl" << 1
                                         << Below.arg("MaxWortAnzahl=0").arg(1).arg(9).arg(1);
        QTest::newRow("MaxWortAnzahl 10") << int(atWortFinden) << "MaxWortAnzahl=10" << "MaxWortAnzahl" << 9
                                          << Below.arg("MaxWortAnzahl=10").arg(1).arg(9).arg(9);
        QTest::newRow("MaxLernzeichenAnzahl letters") << int(atZeichenTippen) << "MaxLernzeichenAnzahl=x"
                                                      << "MaxLernzeichenAnzahl" << 3
                                                      << NoNumber.arg("MaxLernzeichenAnzahl=x").arg(3);
        QTest::newRow("MaxLernzeichenAnzahl 5") << int(atVerstecktesZeichen) << "MaxLernzeichenAnzahl=5"
                                                << "MaxLernzeichenAnzahl" << 5 << "";
        QTest::newRow("MaxFigurAnzahl 12") << int(atFigurFinden) << "MaxFigurAnzahl=12" << "MaxFigurAnzahl" << 9
                                           << Below.arg("MaxFigurAnzahl=12").arg(1).arg(9).arg(9);
        QTest::newRow("MinWortLen 12 reads 1") << int(atWortTippen) << "MinWortLen=12" << "MinWortLen" << 2
                                               << Below.arg("MinWortLen=12").arg(2).arg(9).arg(2);
        QTest::newRow("MinWortLen 9") << int(atWortLesen) << "MinWortLen=9" << "MinWortLen" << 9 << "";
        QTest::newRow("MinWortLen after a blank") << int(atZeichenInWortFinden) << "MinWortLen= 5" << "MinWortLen"
                                                  << 2 << NoNumber.arg("MinWortLen= 5").arg(2);
        QTest::newRow("MaxWortLen 1") << int(atWortLesen) << "MaxWortLen=1" << "MaxWortLen" << 2
                                      << Below.arg("MaxWortLen=1").arg(2).arg(15).arg(2);
        QTest::newRow("MaxWortLen 20") << int(atVerstecktesWort) << "MaxWortLen=20" << "MaxWortLen" << 15
                                       << Below.arg("MaxWortLen=20").arg(2).arg(15).arg(15);
        QTest::newRow("MaxWortLen 15") << int(atBuchstabenLernen) << "MaxWortLen=15" << "MaxWortLen" << 15 << "";
        QTest::newRow("space count 0") << int(atBuchstabenLernen) << "Leerzeichen=0" << "Leerzeichen" << 1
                                       << Below.arg("Leerzeichen=0").arg(1).arg(3).arg(1);
        QTest::newRow("space count 5") << int(atFigurFinden) << "Leerzeichen=5" << "Leerzeichen" << 3
                                       << Below.arg("Leerzeichen=5").arg(1).arg(3).arg(3);
        QTest::newRow("space count -1 reads the sign only") << int(atZeichenInWortFinden) << "Leerzeichen=-1"
                                                            << "Leerzeichen" << 3
                                                            << NoNumber.arg("Leerzeichen=-1").arg(3);
        QTest::newRow("space count 2") << int(atZeichenInWortFinden) << "Leerzeichen=2" << "Leerzeichen" << 2 << "";
        QTest::newRow("random space count 0") << int(atZeichenLesen) << "Leerzeichen=0" << "Leerzeichen" << 0 << "";
        QTest::newRow("random space count -3") << int(atZeichenLesen) << "Leerzeichen=-3" << "Leerzeichen" << -1
                                               << Below.arg("Leerzeichen=-3").arg(-1).arg(3).arg(-1);
        QTest::newRow("random space count -1") << int(atWortLesen) << "Leerzeichen=-1" << "Leerzeichen" << -1 << "";
        QTest::newRow("random space count 4") << int(atWortLesen) << "Leerzeichen=4" << "Leerzeichen" << 3
                                              << Below.arg("Leerzeichen=4").arg(-1).arg(3).arg(3);
        QTest::newRow("random space count letters") << int(atZeichenLesen) << "Leerzeichen=x" << "Leerzeichen" << 3
                                                    << NoNumber.arg("Leerzeichen=x").arg(3);
    }
    void numbers()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Line);
        QFETCH(QString, Key);
        QFETCH(int, Expected);
        QFETCH(QString, Note);
        TAufgabenTypSettings S;
        S.SetStandard();
        QStringList Notes;
        QVERIFY(S.SetData(TAufgabenTyp(Typ), Line, &Notes));
        QCOMPARE(NumberField(S, TAufgabenTyp(Typ), Key), Expected);
        QCOMPARE(Notes, Note.isEmpty() ? QStringList() : QStringList{Note});
        QCOMPARE(FLog.Count(), 0);
        // Without a list for the notes the value is the same.
        TAufgabenTypSettings Quiet;
        Quiet.SetStandard();
        QVERIFY(Quiet.SetData(TAufgabenTyp(Typ), Line));
        QCOMPARE(NumberField(Quiet, TAufgabenTyp(Typ), Key), Expected);
    }

    void flags_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Line");
        QTest::addColumn<QString>("Key");
        QTest::addColumn<bool>("Expected");
        QTest::newRow("1") << int(atSchnellkurs) << "Datenzufall=1" << "Datenzufall" << true;
        QTest::newRow("yes") << int(atSchnellkurs) << "Datenzufall=yes" << "Datenzufall" << false;
        QTest::newRow("0 over a true standard") << int(atBuchstabenLernen) << "Datenzufall=0" << "Datenzufall" << false;
        QTest::newRow("width 1: 11 reads 1") << int(atWortFinden) << "Sperrdruck=11" << "Sperrdruck" << true;
        QTest::newRow("a blank after =") << int(atVerstecktesZeichen) << "ZeigeNormaltext= 1" << "ZeigeNormaltext"
                                         << false;
        QTest::newRow("true over a true standard") << int(atWortTippen) << "ZeigeNormaltext=true" << "ZeigeNormaltext"
                                                   << false;
        QTest::newRow("CheckBraillezeilenbreite") << int(atSatzLesen) << "CheckBraillezeilenbreite=1"
                                                  << "CheckBraillezeilenbreite" << true;
        QTest::newRow("empty") << int(atSatzTippen) << "CheckBraillezeilenbreite=" << "CheckBraillezeilenbreite"
                               << false;
    }
    void flags()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Line);
        QFETCH(QString, Key);
        QFETCH(bool, Expected);
        TAufgabenTypSettings S;
        S.SetStandard();
        QVERIFY(S.SetData(TAufgabenTyp(Typ), Line));
        QCOMPARE(FlagField(S, TAufgabenTyp(Typ), Key), Expected ? 1 : 0);
    }

    void fileLists_data()
    {
        QTest::addColumn<QString>("Value");
        QTest::addColumn<QStringList>("Expected");
        QTest::newRow("empty pieces dropped") << "a.txt ^  ^ b.txt" << QStringList{"a.txt", "b.txt"};
        QTest::newRow("a caret without blanks is part of the name") << "a.txt^b.txt" << QStringList{"a.txt^b.txt"};
        QTest::newRow("empty value") << "" << QStringList();
        QTest::newRow("one name, trimmed") << "  eins.dat \t" << QStringList{"eins.dat"};
        QTest::newRow("trimmed before it is split") << "a.dat ^ b.dat ^ " << QStringList{"a.dat", "b.dat ^"};
        QTest::newRow("folder part kept") << "C:\\Daten\\x.dat ^ y.dat" << QStringList{"C:\\Daten\\x.dat", "y.dat"};
    }
    void fileLists()
    {
        QFETCH(QString, Value);
        QFETCH(QStringList, Expected);
        TAufgabenTypSettings S;
        S.SetStandard();
        // A later line replaces the list of an earlier one.
        QVERIFY(S.SetData(atWortLesen, QStringLiteral("Woerterdateien=alt.dat ^ alt2.dat")));
        QVERIFY(S.SetData(atWortLesen, QStringLiteral("Woerterdateien=") + Value));
        QCOMPARE(S.FAT_WortLesen_Settings.Woerterdateien, Expected);
    }

    void spaceRuleText_data()
    {
        QTest::addColumn<QString>("S");
        QTest::addColumn<int>("Typ");
        QTest::addColumn<int>("Count");
        QTest::newRow("2.1") << "2.1" << int(ltByWords) << 1;
        QTest::newRow("2") << "2" << int(ltByWords) << 2;
        QTest::newRow("1") << "1" << int(ltAlways) << 1;
        QTest::newRow("1.7") << "1.7" << int(ltAlways) << 3;
        QTest::newRow("9") << "9" << int(ltAlways) << 3;
        QTest::newRow("-2.2") << "-2.2" << int(ltByWords) << 2;
        QTest::newRow("3.2") << "3.2" << int(ltRandom) << 0;
        QTest::newRow("0") << "0" << int(ltNone) << 0;
        QTest::newRow("0.2") << "0.2" << int(ltNone) << 0;
        QTest::newRow("letters") << "ab" << int(ltNone) << 0;
        QTest::newRow("empty") << "" << int(ltNone) << 0;
        QTest::newRow("1. without count") << "1." << int(ltAlways) << 3;
        QTest::newRow("2.0") << "2.0" << int(ltByWords) << 3;
        QTest::newRow("1.-2") << "1.-2" << int(ltAlways) << 2;
        QTest::newRow("trimmed") << " \t2.3 " << int(ltByWords) << 3;
    }
    void spaceRuleText()
    {
        QFETCH(QString, S);
        QFETCH(int, Typ);
        QFETCH(int, Count);
        TLeerzeichen L = TLeerzeichen::Create(ltRandom, 2);
        L.SetData(S);
        QCOMPARE(int(L.Typ), Typ);
        QCOMPARE(L.Count, Count);
    }

    void spaceRuleKey_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Line");
        QTest::addColumn<int>("RuleTyp");
        QTest::addColumn<int>("Count");
        QTest::newRow("2.10 reads 2.1") << int(atWortFinden) << "Leerzeichen=2.10" << int(ltByWords) << 1;
        QTest::newRow("3.2") << int(atWortFinden) << "Leerzeichen=3.2" << int(ltRandom) << 0;
        QTest::newRow("0") << int(atVerstecktesZeichen) << "Leerzeichen=0" << int(ltNone) << 0;
        QTest::newRow("empty") << int(atVerstecktesWort) << "Leerzeichen=" << int(ltNone) << 0;
        QTest::newRow("1.2") << int(atZeichenFinden) << "Leerzeichen=1.2" << int(ltAlways) << 2;
    }
    void spaceRuleKey()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Line);
        QFETCH(int, RuleTyp);
        QFETCH(int, Count);
        TAufgabenTypSettings S;
        S.SetStandard();
        QVERIFY(S.SetData(TAufgabenTyp(Typ), Line));
        TLeerzeichen Rule;
        S.Visit(TAufgabenTyp(Typ), [&Rule](const auto &R) {
            if constexpr (requires { requires std::is_same_v<std::remove_cvref_t<decltype(R.Leerzeichen)>,
                                                              TLeerzeichen>; })
                Rule = R.Leerzeichen;
        });
        QCOMPARE(Rule, TLeerzeichen::Create(TLeerzeichenTyp(RuleTyp), Count));
    }

    void fillers_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Line");
        QTest::addColumn<QString>("Trennzeichen");
        QTest::newRow("empty gives %") << int(atVerstecktesZeichen) << "Trennzeichen=" << "%";
        QTest::newRow("two fillers") << int(atVerstecktesWort) << "Trennzeichen=%#" << "%#";
        QTest::newRow("trimmed") << int(atVerstecktesWort) << "Trennzeichen=  +-  " << "+-";
        QTest::newRow("blanks only") << int(atVerstecktesZeichen) << "Trennzeichen=   " << "%";
    }
    void fillers()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Line);
        QFETCH(QString, Trennzeichen);
        TAufgabenTypSettings S;
        S.SetStandard();
        QVERIFY(S.SetData(TAufgabenTyp(Typ), QStringLiteral("Trennzeichen=xyz")));
        QVERIFY(S.SetData(TAufgabenTyp(Typ), Line));
        QString Value;
        TDatensatzDynArray List;
        S.Visit(TAufgabenTyp(Typ), [&](const auto &R) {
            if constexpr (requires { R.Trennzeichenliste; }) {
                Value = R.Trennzeichen;
                List = R.Trennzeichenliste;
            }
        });
        QCOMPARE(Value, Trennzeichen);
        // One record per character, rebuilt: nothing of "xyz" is left.
        QCOMPARE(List.size(), Trennzeichen.size());
        for (qsizetype I = 0; I < List.size(); ++I) {
            QCOMPARE(List[I].Brl, QString(Trennzeichen[I]));
            QVERIFY(List[I].Text.isEmpty());
            QVERIFY(List[I].Zusatztext.isEmpty());
        }
    }

    void text()
    {
        TAT_Text_Settings T;
        QVERIFY(T.SetData(QStringLiteral("Text=Zeile 1 \\Zeile 2")));
        QCOMPARE(T.Text, QStringLiteral("Zeile 1\r\nZeile 2"));
        QVERIFY(T.SetData(QStringLiteral("Text=  nur eine Zeile  ")));
        QCOMPARE(T.Text, QStringLiteral("nur eine Zeile"));
        QVERIFY(T.SetData(QStringLiteral("Text=")));
        QCOMPARE(T.Text, QString());
        QCOMPARE(FLog.Count(), 0);
        QVERIFY(!T.SetData(QStringLiteral("Farbe=rot")));
        QCOMPARE(LastLog(), QStringLiteral("Unbekannter Eintrag in Lektionsdatei: \"Farbe=rot\""));
    }

    void keysOfEachRecord_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QStringList>("Keys");
        const QString L = QStringLiteral("Lernzeichendateien");
        const QString G = QStringLiteral("Gelerntzeichendateien");
        const QString W = QStringLiteral("Woerterdateien");
        const QString Wdh = QStringLiteral("Wiederholungen");
        const QString Z = QStringLiteral("Zeitfaktor");
        QTest::newRow("Text") << int(atText) << QStringList{"Text"};
        QTest::newRow("Schnellkurs") << int(atSchnellkurs) << QStringList{L, "Datenzufall", Wdh};
        QTest::newRow("BuchstabenLernen") << int(atBuchstabenLernen)
                                          << QStringList{L, G, W, "Datenzufall", "Leerzeichen", "MaxWortAnzahl",
                                                         "MinWortLen", "MaxWortLen", Wdh};
        QTest::newRow("VerstecktesZeichen") << int(atVerstecktesZeichen)
                                            << QStringList{L, "Trennzeichen", "Leerzeichen", "MaxLernzeichenAnzahl",
                                                           "ZeigeNormaltext", Wdh, Z};
        QTest::newRow("VerstecktesWort") << int(atVerstecktesWort)
                                         << QStringList{L, G, W, "Trennzeichen", "Sperrdruck", "Leerzeichen",
                                                        "MaxWortAnzahl", "MinWortLen", "MaxWortLen", "ZeigeNormaltext",
                                                        Wdh, Z};
        QTest::newRow("ZeichenFinden") << int(atZeichenFinden)
                                       << QStringList{L, G, "Leerzeichen", "MaxLernzeichenAnzahl", "ZeigeNormaltext",
                                                      Wdh, Z};
        QTest::newRow("WortFinden") << int(atWortFinden)
                                    << QStringList{L, G, W, "Sperrdruck", "Leerzeichen", "MaxWortAnzahl", "MinWortLen",
                                                   "MaxWortLen", "ZeigeNormaltext", Wdh, Z};
        QTest::newRow("ZeichenInWortFinden") << int(atZeichenInWortFinden)
                                             << QStringList{L, G, W, "Leerzeichen", "MaxWortAnzahl", "MinWortLen",
                                                            "MaxWortLen", "ZeigeNormaltext", Wdh, Z};
        QTest::newRow("FigurFinden") << int(atFigurFinden)
                                     << QStringList{"Figurendateien", "Leerzeichen", "MaxFigurAnzahl", Wdh, Z};
        QTest::newRow("Fehlersuche") << int(atFehlersuche) << QStringList{"Fehlersuchedateien", Wdh, Z};
        QTest::newRow("ZeichenLesen") << int(atZeichenLesen) << QStringList{L, "Leerzeichen", Wdh, Z};
        QTest::newRow("WortLesen") << int(atWortLesen)
                                   << QStringList{L, G, W, "Sperrdruck", "Leerzeichen", "MinWortLen", "MaxWortLen", Wdh,
                                                  Z};
        QTest::newRow("SatzLesen") << int(atSatzLesen)
                                   << QStringList{L, "Saetzedateien", "CheckBraillezeilenbreite", Wdh, Z};
        QTest::newRow("ZeichenTippen") << int(atZeichenTippen)
                                       << QStringList{L, "MaxLernzeichenAnzahl", "ZeigeNormaltext", Wdh, Z};
        QTest::newRow("WortTippen") << int(atWortTippen)
                                    << QStringList{L, G, W, "MaxWortAnzahl", "MinWortLen", "MaxWortLen",
                                                   "ZeigeNormaltext", Wdh, Z};
        QTest::newRow("SatzTippen") << int(atSatzTippen)
                                    << QStringList{L, "Saetzedateien", "CheckBraillezeilenbreite", "ZeigeNormaltext",
                                                   Wdh, Z};
        QTest::newRow("Brueckenwoerter") << int(atBrueckenwoerter) << QStringList{"Brueckenwoerterdateien", Wdh, Z};
        QTest::newRow("Lueckentext") << int(atLueckentext) << QStringList{"Lueckentextdateien", Wdh, Z};
    }
    void keysOfEachRecord()
    {
        QFETCH(int, Typ);
        QFETCH(QStringList, Keys);
        // Every key of every record, and names of derived lists, which are
        // never keys.
        const QStringList All{"Text", "Lernzeichendateien", "Gelerntzeichendateien", "Woerterdateien",
                              "Figurendateien", "Fehlersuchedateien", "Saetzedateien", "Brueckenwoerterdateien",
                              "Lueckentextdateien", "Trennzeichen", "Datenzufall", "Sperrdruck", "ZeigeNormaltext",
                              "CheckBraillezeilenbreite", "Leerzeichen", "MaxWortAnzahl", "MaxLernzeichenAnzahl",
                              "MaxFigurAnzahl", "MinWortLen", "MaxWortLen", "Wiederholungen", "Zeitfaktor",
                              "Lernzeichenliste", "WoerterlisteAlle", "Trennzeichenliste"};
        const TAufgabenTyp T = TAufgabenTyp(Typ);
        for (const QString &Key : All) {
            FLog.Clear();
            TAufgabenTypSettings S;
            S.SetStandard();
            const QString Line = Key + QStringLiteral("=x.dat");
            const bool Taken = S.SetData(T, Line);
            QVERIFY2(Taken == Keys.contains(Key), qPrintable(Key));
            if (Taken) {
                QCOMPARE(FLog.Count(), 0);
                if (Key.endsWith(QStringLiteral("dateien")))
                    QCOMPARE(FileField(S, T, Key), QStringList{"x.dat"});
            } else {
                QCOMPARE(LastLog(), QStringLiteral("Unbekannter Eintrag in Lektionsdatei: \"%1\"").arg(Line));
            }
        }
    }

    void unknownEntries_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Line");
        QTest::addColumn<bool>("Logged");
        QTest::newRow("unknown key") << int(atWortLesen) << "Farbe=rot" << true;
        QTest::newRow("key in lower case") << int(atWortLesen) << "wiederholungen=5" << true;
        QTest::newRow("key without =") << int(atWortLesen) << "Wiederholungen 5" << true;
        QTest::newRow("key without value or =") << int(atFehlersuche) << "Wiederholungen" << true;
        QTest::newRow("key of another record") << int(atWortLesen) << "Trennzeichen=#" << true;
        QTest::newRow("longer key") << int(atSchnellkurs) << "Wiederholungenzahl=5" << true;
        QTest::newRow("section line") << int(atWortLesen) << "[AT_WortLesen]" << false;
        QTest::newRow("any line in brackets") << int(atWortLesen) << "[irgendwas" << false;
        QTest::newRow("empty line") << int(atWortLesen) << "" << false;
    }
    void unknownEntries()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Line);
        QFETCH(bool, Logged);
        TAufgabenTypSettings S;
        S.SetStandard();
        QVERIFY(!S.SetData(TAufgabenTyp(Typ), Line));
        QCOMPARE(FLog.Count(), Logged ? 1 : 0);
        if (Logged)
            QCOMPARE(LastLog(), QStringLiteral("Unbekannter Eintrag in Lektionsdatei: \"%1\"").arg(Line));
        QCOMPARE(S.Wiederholungen(TAufgabenTyp(Typ)), Typ == atFehlersuche ? 10 : 1);
    }

    void standardValues_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Numbers"); // "Key=Value ..." of numeric fields
        QTest::addColumn<QString>("True");    // the flags that are set
        QTest::addColumn<QString>("Files");   // "Key=Name" of the default file list, or empty
        const char *Finding = "MaxWortAnzahl=3 MinWortLen=2 MaxWortLen=9 Wiederholungen=1 Zeitfaktor=0";
        QTest::newRow("Text") << int(atText) << "" << "" << "";
        QTest::newRow("Schnellkurs") << int(atSchnellkurs) << "Wiederholungen=1" << ""
                                     << "Lernzeichendateien=Lernzeichen.txt";
        QTest::newRow("BuchstabenLernen") << int(atBuchstabenLernen)
                                          << "Leerzeichen=3 MaxWortAnzahl=3 MinWortLen=2 MaxWortLen=9 Wiederholungen=1"
                                          << "Datenzufall" << "Woerterdateien=Woerterliste.txt";
        QTest::newRow("VerstecktesZeichen") << int(atVerstecktesZeichen)
                                            << "MaxLernzeichenAnzahl=3 Wiederholungen=1 Zeitfaktor=0" << "" << "";
        QTest::newRow("VerstecktesWort") << int(atVerstecktesWort) << Finding << ""
                                         << "Woerterdateien=Woerterliste.txt";
        QTest::newRow("ZeichenFinden") << int(atZeichenFinden)
                                       << "MaxLernzeichenAnzahl=3 Wiederholungen=1 Zeitfaktor=0" << "" << "";
        QTest::newRow("WortFinden") << int(atWortFinden) << Finding << "" << "Woerterdateien=Woerterliste.txt";
        QTest::newRow("ZeichenInWortFinden") << int(atZeichenInWortFinden)
                                             << "Leerzeichen=3 MaxWortAnzahl=3 MinWortLen=2 MaxWortLen=9 "
                                                "Wiederholungen=1 Zeitfaktor=0"
                                             << "" << "Woerterdateien=Woerterliste.txt";
        QTest::newRow("FigurFinden") << int(atFigurFinden)
                                     << "Leerzeichen=3 MaxFigurAnzahl=3 Wiederholungen=1 Zeitfaktor=0" << ""
                                     << "Figurendateien=Figurenliste.txt";
        QTest::newRow("Fehlersuche: ten repetitions")
            << int(atFehlersuche) << "Wiederholungen=10 Zeitfaktor=0" << "" << "Fehlersuchedateien=Fehlersuche.txt";
        QTest::newRow("ZeichenLesen") << int(atZeichenLesen) << "Leerzeichen=3 Wiederholungen=1 Zeitfaktor=0" << ""
                                      << "Lernzeichendateien=Lernzeichen.txt";
        QTest::newRow("WortLesen") << int(atWortLesen)
                                   << "Leerzeichen=3 MinWortLen=2 MaxWortLen=9 Wiederholungen=1 Zeitfaktor=0" << ""
                                   << "Woerterdateien=Woerterliste.txt";
        QTest::newRow("SatzLesen") << int(atSatzLesen) << "Wiederholungen=1 Zeitfaktor=0" << ""
                                   << "Saetzedateien=Saetzeliste.txt";
        QTest::newRow("ZeichenTippen") << int(atZeichenTippen)
                                       << "MaxLernzeichenAnzahl=3 Wiederholungen=1 Zeitfaktor=0" << "ZeigeNormaltext"
                                       << "";
        QTest::newRow("WortTippen") << int(atWortTippen) << Finding << "ZeigeNormaltext"
                                    << "Woerterdateien=Woerterliste.txt";
        QTest::newRow("SatzTippen") << int(atSatzTippen) << "Wiederholungen=1 Zeitfaktor=0" << "ZeigeNormaltext"
                                    << "Saetzedateien=Saetzeliste.txt";
        QTest::newRow("Brueckenwoerter") << int(atBrueckenwoerter) << "Wiederholungen=1 Zeitfaktor=0" << ""
                                         << "Brueckenwoerterdateien=Brueckenwoerter.txt";
        QTest::newRow("Lueckentext") << int(atLueckentext) << "Wiederholungen=1 Zeitfaktor=0" << ""
                                     << "Lueckentextdateien=Lueckentext.txt";
    }
    void standardValues()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Numbers);
        QFETCH(QString, True);
        QFETCH(QString, Files);
        const TAufgabenTyp T = TAufgabenTyp(Typ);
        // Standard values replace whatever was read and built before.
        TAufgabenTypSettings S = Build(T, AbnEls + QStringList{"Figurendateien=Figuren.dat", "Wiederholungen=7",
                                                                "Zeitfaktor=9", "Datenzufall=1", "Sperrdruck=1",
                                                                "CheckBraillezeilenbreite=1", "ZeigeNormaltext=1"});
        FLog.Clear();
        S.SetStandard();
        for (const QString &Pair : Numbers.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList KV = Pair.split(u'=');
            QVERIFY2(NumberField(S, T, KV[0]) == KV[1].toInt(), qPrintable(Pair));
        }
        for (const char *Flag : {"Datenzufall", "Sperrdruck", "ZeigeNormaltext", "CheckBraillezeilenbreite"}) {
            const int Value = FlagField(S, T, QString::fromLatin1(Flag));
            if (Value >= 0)
                QVERIFY2(Value == (True.contains(QLatin1String(Flag)) ? 1 : 0), Flag);
        }
        for (const char *Key : {"Lernzeichendateien", "Gelerntzeichendateien", "Woerterdateien", "Figurendateien",
                                "Fehlersuchedateien", "Saetzedateien", "Brueckenwoerterdateien",
                                "Lueckentextdateien"}) {
            const QStringList List = FileField(S, T, QString::fromLatin1(Key));
            if (List == QStringList{"<none>"})
                continue;
            const QStringList Expected = Files.startsWith(QLatin1String(Key) + u'=')
                                             ? QStringList{Files.mid(qsizetype(strlen(Key)) + 1)}
                                             : QStringList();
            QVERIFY2(List == Expected, Key);
        }
        for (const char *Key : {"Lernzeichenliste", "Gelerntzeichenliste", "WoerterlisteAlle", "WoerterlisteLernen",
                                "Figurenliste"}) {
            const QStringList List = ListField(S, T, QString::fromLatin1(Key));
            QVERIFY2(List.isEmpty() || List == QStringList{"<none>"}, Key);
        }
        QCOMPARE(S.Wiederholungen(T), Typ == atFehlersuche ? 10 : 1);
        QCOMPARE(S.Zeitfaktor(T), 0);
    }

    void standardSpaceRuleAndFillers()
    {
        TAufgabenTypSettings S;
        S.SetStandard();
        const TLeerzeichen Always3 = TLeerzeichen::Create(ltAlways, 3);
        QCOMPARE(S.FAT_VerstecktesZeichen_Settings.Leerzeichen, Always3);
        QCOMPARE(S.FAT_VerstecktesWort_Settings.Leerzeichen, Always3);
        QCOMPARE(S.FAT_ZeichenFinden_Settings.Leerzeichen, Always3);
        QCOMPARE(S.FAT_WortFinden_Settings.Leerzeichen, Always3);
        QCOMPARE(S.FAT_VerstecktesZeichen_Settings.Trennzeichen, QStringLiteral("%"));
        QCOMPARE(ListField(S, atVerstecktesZeichen, u"Trennzeichenliste"), QStringList{"%"});
        QCOMPARE(S.FAT_VerstecktesWort_Settings.Trennzeichen, QStringLiteral("%"));
        QCOMPARE(ListField(S, atVerstecktesWort, u"Trennzeichenliste"), QStringList{"%"});
        // Clear empties everything, the rule and the fillers included.
        S.FAT_VerstecktesWort_Settings.Clear();
        QCOMPARE(S.FAT_VerstecktesWort_Settings.Leerzeichen, TLeerzeichen::Create(ltNone, 0));
        QVERIFY(S.FAT_VerstecktesWort_Settings.Trennzeichen.isEmpty());
        QVERIFY(S.FAT_VerstecktesWort_Settings.Trennzeichenliste.isEmpty());
        QVERIFY(S.FAT_VerstecktesWort_Settings.Woerterdateien.isEmpty());
        QCOMPARE(S.FAT_VerstecktesWort_Settings.Wiederholungen, 0);
    }

    void typesWithoutRecord()
    {
        TAufgabenTypSettings S;
        S.SetStandard();
        for (TAufgabenTyp T : {atNone, at1A, at2A, at4K}) {
            QVERIFY(!S.SetData(T, QStringLiteral("Farbe=rot")));
            S.CreateLists(T, FDaten);
            QCOMPARE(S.Wiederholungen(T), 1);
            QCOMPARE(S.Zeitfaktor(T), 0);
        }
        QCOMPARE(FLog.Count(), 0);
    }

    void wordSelection_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QStringList>("Lines");
        QTest::addColumn<QStringList>("Alle");
        QTest::addColumn<QStringList>("Lernen");
        const QStringList Five{"ebbe", "esel", "nabel", "leben", "see"};
        const QStringList WithLearning{"ebbe", "nabel", "leben"};
        for (TAufgabenTyp T : {atBuchstabenLernen, atVerstecktesWort, atWortFinden, atWortLesen, atWortTippen})
            QTest::addRow("learning a b n, learned e l s: %s", qPrintable(AufgabenTypKey(T)))
                << int(T) << AbnEls << Five << WithLearning;
        QTest::newRow("no word with a learning character: all")
            << int(atWortFinden) << AbnEls + QStringList{"MaxWortLen=3"} << QStringList{"see"} << QStringList{"see"};
        QTest::newRow("MinWortLen 5") << int(atWortLesen) << AbnEls + QStringList{"MinWortLen=5"}
                                      << QStringList{"nabel", "leben"} << QStringList{"nabel", "leben"};
        QTest::newRow("first learning record has two characters: all")
            << int(atWortTippen)
            << QStringList{"Lernzeichendateien=Lernzeichen_Gruppe.dat", "Gelerntzeichendateien=Gelernt_els.dat",
                           "Woerterdateien=Woerter_Test.dat"}
            << Five << Five;
        QTest::newRow("no learning characters: all")
            << int(atWortFinden)
            << QStringList{"Gelerntzeichendateien=Gelernt_els.dat ^ Lernzeichen_abn.dat",
                           "Woerterdateien=Woerter_Test.dat"}
            << Five << Five;
        QTest::newRow("learned characters only") << int(atBuchstabenLernen)
                                                 << QStringList{"Gelerntzeichendateien=Gelernt_els.dat",
                                                                "Woerterdateien=Woerter_Test.dat"}
                                                 << QStringList{"esel", "see"} << QStringList{"esel", "see"};
        QTest::newRow("no known characters") << int(atWortLesen) << QStringList{"Woerterdateien=Woerter_Test.dat"}
                                             << QStringList() << QStringList();
        QTest::newRow("no words") << int(atVerstecktesWort)
                                  << QStringList{AbnEls[0], AbnEls[1], QStringLiteral("Woerterdateien=")}
                                  << QStringList() << QStringList();
    }
    void wordSelection()
    {
        QFETCH(int, Typ);
        QFETCH(QStringList, Lines);
        QFETCH(QStringList, Alle);
        QFETCH(QStringList, Lernen);
        const TAufgabenTyp T = TAufgabenTyp(Typ);
        const TAufgabenTypSettings S = Build(T, Lines);
        QCOMPARE(ListField(S, T, u"WoerterlisteAlle"), Alle);
        QCOMPARE(ListField(S, T, u"WoerterlisteLernen"), Lernen);
        QCOMPARE(FLog.Count(), 0);
    }

    void wordsKeepTheirRecords()
    {
        const TAufgabenTypSettings S = Build(atWortLesen, AbnEls);
        const TDatensatz &Nabel = S.FAT_WortLesen_Settings.WoerterlisteAlle.at(2);
        QCOMPARE(Nabel.ToString(), QStringLiteral("nabel ^ Nabel"));
        QCOMPARE(S.FAT_WortLesen_Settings.Lernzeichenliste.at(0).ToString(), QStringLiteral("a ^ a ^ a: Punkt 1"));
        QCOMPARE(ListField(S, atWortLesen, u"Gelerntzeichenliste"), (QStringList{"e", "l", "s"}));
    }

    void positionsOfCharacters()
    {
        const TAufgabenTypSettings S = Build(atZeichenInWortFinden, AbnEls);
        const TAT_ZeichenInWortFinden_Settings &R = S.FAT_ZeichenInWortFinden_Settings;
        // Known characters in the order learning, then learned; each entry
        // tells where the character first stands and whether it comes again.
        QCOMPARE(PositionsText(R.WoerterlisteAlle),
                 QStringLiteral("ebbe: \"b\"=Mitte; \"e\"=Beginn, Ende|"
                                "esel: \"e\"=Beginn, Mitte; \"l\"=Ende; \"s\"=Mitte|"
                                "nabel: \"a\"=Mitte; \"b\"=Mitte; \"n\"=Beginn; \"e\"=Mitte; \"l\"=Ende|"
                                "leben: \"b\"=Mitte; \"n\"=Ende; \"e\"=Mitte; \"l\"=Beginn|"
                                "see: \"e\"=Mitte, Ende; \"s\"=Beginn"));
        QCOMPARE(PositionsText(R.WoerterlisteLernen),
                 QStringLiteral("ebbe: \"b\"=Mitte|"
                                "nabel: \"a\"=Mitte; \"b\"=Mitte; \"n\"=Beginn|"
                                "leben: \"b\"=Mitte; \"n\"=Ende"));
        for (const TDatensatz &D : R.WoerterlisteAlle + R.WoerterlisteLernen) {
            QCOMPARE(D.FZeichenInWortPos.RandomIndex(), -1);
            QCOMPARE(D.FZeichenInWortPos.RandomTyp(), ziwpNone);
        }
        QCOMPARE(R.WoerterlisteAlle.at(0).Text, QStringLiteral("Ebbe"));
    }

    void positionsWithoutFallback_data()
    {
        QTest::addColumn<QStringList>("Lines");
        QTest::newRow("first learning record has two characters")
            << QStringList{"Lernzeichendateien=Lernzeichen_Gruppe.dat", "Gelerntzeichendateien=Gelernt_els.dat",
                           "Woerterdateien=Woerter_Test.dat"};
        QTest::newRow("no learning characters") << QStringList{"Gelerntzeichendateien=Gelernt_els.dat ^ "
                                                               "Lernzeichen_abn.dat",
                                                               "Woerterdateien=Woerter_Test.dat"};
    }
    void positionsWithoutFallback()
    {
        QFETCH(QStringList, Lines);
        const TAufgabenTypSettings S = Build(atZeichenInWortFinden, Lines);
        QCOMPARE(ListField(S, atZeichenInWortFinden, u"WoerterlisteAlle"),
                 (QStringList{"ebbe", "esel", "nabel", "leben", "see"}));
        QCOMPARE(ListField(S, atZeichenInWortFinden, u"WoerterlisteLernen"), QStringList());
    }

    void sentences_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Lernzeichen");
        QTest::addColumn<QStringList>("Expected");
        const QStringList All{"ab nest", "ab see", "das ist gut."};
        // "ab nest": three learning characters against three others; "ab
        // see": two against three.
        QTest::newRow("a b n") << int(atSatzLesen) << "Lernzeichen_abn.dat" << QStringList{"ab nest"};
        QTest::newRow("a b n, typing") << int(atSatzTippen) << "Lernzeichen_abn.dat" << QStringList{"ab nest"};
        QTest::newRow("a longer first record does not stop the count")
            << int(atSatzLesen) << "Lernzeichen_Gruppe.dat" << QStringList{"ab nest"};
        QTest::newRow("e l s") << int(atSatzTippen) << "Gelernt_els.dat" << QStringList{"ab see"};
        QTest::newRow("no learning characters: all") << int(atSatzLesen) << "" << All;
    }
    void sentences()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Lernzeichen);
        QFETCH(QStringList, Expected);
        const TAufgabenTyp T = TAufgabenTyp(Typ);
        const TAufgabenTypSettings S =
            Build(T, {"Lernzeichendateien=" + Lernzeichen, QStringLiteral("Saetzedateien=Saetze.dat")});
        QCOMPARE(ListField(S, T, u"Saetzeliste"), Expected);
        QCOMPARE(FLog.Count(), 0);
    }

    void sentencesWithoutFallback()
    {
        // Learning characters that no sentence holds give no sentence at all.
        QTemporaryDir Dir;
        QVERIFY(Dir.isValid());
        QVERIFY(QFile::copy(Db() + "Saetze.dat", Dir.filePath("Saetze.dat")));
        QFile F(Dir.filePath("Lernzeichen_xy.dat"));
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.write("[HEADER]\r\nTitel=x y\r\nTyp=DT_Lernzeichen\r\n\r\n[DATA]\r\nx\r\ny\r\n");
        F.close();
        TDaten Daten;
        QVERIFY(Daten.LoadFiles(Dir.path()));
        TAT_SatzLesen_Settings R;
        R.SetStandard();
        QVERIFY(R.SetData(QStringLiteral("Lernzeichendateien=Lernzeichen_xy.dat")));
        QVERIFY(R.SetData(QStringLiteral("Saetzedateien=Saetze.dat")));
        R.CreateLists(Daten);
        QCOMPARE(R.Lernzeichenliste.size(), 2);
        QVERIFY(R.Saetzeliste.isEmpty());
    }

    void singleLists_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QStringList>("Lines");
        QTest::addColumn<QString>("List");
        QTest::addColumn<QStringList>("Expected");
        const QStringList Abn{"a", "b", "n"};
        QTest::newRow("Schnellkurs") << int(atSchnellkurs) << QStringList{"Lernzeichendateien=Lernzeichen_abn.dat"}
                                     << "Lernzeichenliste" << Abn;
        QTest::newRow("VerstecktesZeichen") << int(atVerstecktesZeichen)
                                            << QStringList{"Lernzeichendateien=Lernzeichen_abn.dat"}
                                            << "Lernzeichenliste" << Abn;
        QTest::newRow("name in other letter case") << int(atZeichenLesen)
                                                   << QStringList{"Lernzeichendateien=lernzeichen_ABN.DAT"}
                                                   << "Lernzeichenliste" << Abn;
        QTest::newRow("two files in the order named")
            << int(atZeichenTippen) << QStringList{"Lernzeichendateien=Gelernt_els.dat ^ Lernzeichen_abn.dat"}
            << "Lernzeichenliste" << QStringList{"e", "l", "s", "a", "b", "n"};
        QTest::newRow("one file twice") << int(atSchnellkurs)
                                        << QStringList{"Lernzeichendateien=Lernzeichen_abn.dat ^ LERNZEICHEN_ABN.dat"}
                                        << "Lernzeichenliste" << Abn + Abn;
        QTest::newRow("ZeichenFinden: learned characters")
            << int(atZeichenFinden)
            << QStringList{"Lernzeichendateien=Lernzeichen_abn.dat", "Gelerntzeichendateien=Gelernt_els.dat"}
            << "Gelerntzeichenliste" << QStringList{"e", "l", "s"};
        QTest::newRow("ZeichenFinden: learning characters")
            << int(atZeichenFinden)
            << QStringList{"Lernzeichendateien=Lernzeichen_abn.dat", "Gelerntzeichendateien=Gelernt_els.dat"}
            << "Lernzeichenliste" << Abn;
        QTest::newRow("FigurFinden") << int(atFigurFinden) << QStringList{"Figurendateien=Figuren.dat"}
                                     << "Figurenliste" << QStringList{"⠿⠿", "⠉⠒⠤", "⠇⠀⠸"};
        QTest::newRow("Fehlersuche") << int(atFehlersuche) << QStringList{"Fehlersuchedateien=Fehlersuche.dat"}
                                     << "Fehlersucheliste" << QStringList{"wir ^ist^ da", "er ^sind\\bin^ alt"};
        QTest::newRow("Brueckenwoerter") << int(atBrueckenwoerter)
                                         << QStringList{"Brueckenwoerterdateien=Brueckenwoerter.dat"}
                                         << "Brueckenwoerterliste"
                                         << QStringList{"haus^tuer^schloss", "hand^schuh^laden"};
        QTest::newRow("Lueckentext") << int(atLueckentext) << QStringList{"Lueckentextdateien=Lueckentext.dat"}
                                     << "Lueckentextliste"
                                     << QStringList{"der ^hund^ bellt", "die ^katze\\maus^ schlaeft"};
    }
    void singleLists()
    {
        QFETCH(int, Typ);
        QFETCH(QStringList, Lines);
        QFETCH(QString, List);
        QFETCH(QStringList, Expected);
        const TAufgabenTyp T = TAufgabenTyp(Typ);
        const TAufgabenTypSettings S = Build(T, Lines);
        QCOMPARE(ListField(S, T, List), Expected);
        QCOMPARE(FLog.Count(), 0);
        QVERIFY(FDaten.LastErrorString.isEmpty());
    }

    void missingDataFiles_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QStringList>("Lines");
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("List");
        QTest::addColumn<QStringList>("Expected");
        QTest::newRow("the other names still load")
            << int(atSchnellkurs) << QStringList{"Lernzeichendateien=Fehlt.dat ^ Lernzeichen_abn.dat"} << "Fehlt.dat"
            << "Lernzeichenliste" << QStringList{"a", "b", "n"};
        QTest::newRow("a file of another type") << int(atFigurFinden) << QStringList{"Figurendateien=Saetze.dat"}
                                                << "Saetze.dat" << "Figurenliste" << QStringList();
        QTest::newRow("the standard word list") << int(atWortLesen) << AbnEls.mid(0, 2) << "Woerterliste.txt"
                                                << "WoerterlisteAlle" << QStringList();
        QTest::newRow("the standard sentence list") << int(atSatzTippen) << QStringList{AbnEls[0]}
                                                    << "Saetzeliste.txt" << "Saetzeliste" << QStringList();
    }
    void missingDataFiles()
    {
        QFETCH(int, Typ);
        QFETCH(QStringList, Lines);
        QFETCH(QString, Name);
        QFETCH(QString, List);
        QFETCH(QStringList, Expected);
        const TAufgabenTyp T = TAufgabenTyp(Typ);
        const TAufgabenTypSettings S = Build(T, Lines);
        QCOMPARE(ListField(S, T, List), Expected);
        QCOMPARE(FLog.Count(), 1);
        QCOMPARE(LastLog(), Missing.arg(Name));
        QCOMPARE(FDaten.LastErrorString, Missing.arg(Name));
    }

    void closingStopsTheLists()
    {
        IsProgramClosing = true;
        const TAufgabenTypSettings Words = Build(atWortFinden, AbnEls);
        const TAufgabenTypSettings Positions = Build(atZeichenInWortFinden, AbnEls);
        const TAufgabenTypSettings Sentences =
            Build(atSatzLesen, {AbnEls[0], QStringLiteral("Saetzedateien=Saetze.dat")});
        IsProgramClosing = false;
        QVERIFY(Words.FAT_WortFinden_Settings.WoerterlisteAlle.isEmpty());
        QVERIFY(Words.FAT_WortFinden_Settings.WoerterlisteLernen.isEmpty());
        QVERIFY(Positions.FAT_ZeichenInWortFinden_Settings.WoerterlisteAlle.isEmpty());
        QVERIFY(Sentences.FAT_SatzLesen_Settings.Saetzeliste.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_AufgabenTypSettings)
#include "tst_AufgabenTypSettings.moc"
