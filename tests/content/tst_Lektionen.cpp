#include "content/DatenC.h"
#include "content/GlobalsC.h"
#include "content/LektionenC.h"
#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "log/LogC.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace
{

// A window stand-in: records every message it receives as
// "message/wParam/lParam".
class TRecorder : public QObject
{
public:
    QStringList Events;

    bool event(QEvent *E) override
    {
        if (E->type() < QEvent::Type(WM_USER) || E->type() > QEvent::Type(WM_USER_ACTIVATE))
            return QObject::event(E);
        auto *M = static_cast<TMessageEvent *>(E);
        Events.append(QStringLiteral("%1/%2/%3").arg(M->Msg()).arg(M->WParam).arg(M->LParam));
        M->Result = 1;
        return true;
    }
};

const QString ListsStarted = QStringLiteral("1025/1045/1");
const QString ListsReady = QStringLiteral("1025/1045/0");
const QStringList ListWork{QStringLiteral("1045/0/1"), QStringLiteral("1045/0/-1")};

QStringList Titles(const TLektionendateiDynArray &List)
{
    QStringList Result;
    for (const TLektionendatei *L : List)
        Result.append(L->Titel());
    return Result;
}

QStringList Titles(const TLektionen &C)
{
    QStringList Result;
    for (int I = 0; I < C.Count(); ++I)
        Result.append(C.Get(I)->Titel());
    return Result;
}

} // namespace

// Lesson files, and the collection of all lessons of a learning material
// with its count of the lessons' background list work.
class tst_Lektionen : public QObject
{
    Q_OBJECT

    static QString Programm() { return QStringLiteral(TASTWERK_TEST_DATA "/programm/"); }
    static QString Lm1() { return Programm() + "Lernmaterialien/Lernmaterial-1/"; }
    static QString Lm2() { return Programm() + "Lernmaterialien/Lernmaterial-2/"; }
    static TFileInfo Lesson(const QString &Rel) { return TFileInfo::Create(Lm1() + Rel); }

    TLog FLog{nullptr, QString()};
    QTemporaryDir FTemp;
    TDaten FDaten;

    QString LastLog() const { return FLog.Get(0).mid(16); }
    // The log, oldest entry first, in a fixed order for entries that
    // background work added in any order.
    QStringList LogSorted() const
    {
        QStringList Result;
        for (const QString &E : FLog.Strings())
            Result.append(E.mid(16));
        Result.sort();
        return Result;
    }

    // Writes a lesson file of CR LF lines into the temporary folder.
    QString Write(const QString &Name, const QStringList &Lines)
    {
        const QString File = FTemp.filePath(Name);
        QFile F(File);
        if (!F.open(QIODevice::WriteOnly))
            return QString();
        F.write((Lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        return File;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FTemp.isValid());
        InstallLog(&FLog);
        // Nothing is written; the writable folder is a temporary one all the
        // same.
        InitPaths(Programm(), QStringLiteral("test"), FTemp.path());
        QCOMPARE(LernmaterialPath, Lm1());
        QVERIFY(FDaten.LoadFiles());
        QCOMPARE(FDaten.Count(), 9);
    }
    void cleanupTestCase() { InstallLog(nullptr); }
    void init() { FLog.Clear(); }

    // --- one lesson ----------------------------------------------------------

    void wordLesson()
    {
        TRecorder Counter;
        TLektionendatei L(&Counter, Lesson("Bereich 1/01 Woerter lesen.lek"), &FDaten);
        QCOMPARE(L.Titel(), QStringLiteral("Wörter lesen"));
        QCOMPARE(L.Typ(), atWortLesen);
        QCOMPARE(L.Beschreibung(),
                 QStringLiteral("Lies die Wörter, zum Beispiel [ebbe].\r\nDrücke dann die Eingabetaste."));
        QVERIFY(!L.BrailleKeyboard());
        QVERIFY(L.SapiSpeechEnabled());
        QVERIFY(L.Sounds());
        QCOMPARE(L.Score(), 3);
        QVERIFY(!L.Changed());
        QVERIFY(!L.Checked());
        QVERIFY(!L.FileInfo().Checked);
        QCOMPARE(L.FileInfo().GetFilename(), Lm1() + "Bereich 1/01 Woerter lesen.lek");
        QCOMPARE(L.GetToSammellektionPath(), QStringLiteral("Bereich 1/01 Woerter lesen.lek"));
        const TAT_WortLesen_Settings &S = L.Settings().FAT_WortLesen_Settings;
        QCOMPARE(S.Woerterdateien, QStringList{"woerter_test.DAT"});
        QVERIFY(S.Sperrdruck);
        QCOMPARE(S.Leerzeichen, -1);
        QCOMPARE(L.Settings().Wiederholungen(L.Typ()), 5);
        QCOMPARE(L.Settings().Zeitfaktor(L.Typ()), 60);
        // Built at once without a pool; the word list named in other letter
        // case is found.
        QVERIFY(!L.IsCreatingLists());
        QCOMPARE(S.WoerterlisteAlle.size(), 5);
        QCOMPARE(S.WoerterlisteLernen.size(), 3);
        QCOMPARE(Counter.Events, ListWork);
        QVERIFY(L.Hinweise().isEmpty());
        QCOMPARE(FLog.Count(), 0);
    }

    void valuesAtTheirLimits()
    {
        TLektionendatei L(nullptr, Lesson("Bereich 1/03 Grenzwerte.lek"), &FDaten);
        QCOMPARE(L.Typ(), atWortFinden);
        QCOMPARE(L.Score(), 123); // "12345" reads "123"
        const TAT_WortFinden_Settings &S = L.Settings().FAT_WortFinden_Settings;
        QCOMPARE(S.Wiederholungen, 25);
        QCOMPARE(S.Zeitfaktor, 100);
        QCOMPARE(S.MaxWortLen, 15);
        QCOMPARE(S.MinWortLen, 2);
        QCOMPARE(S.Leerzeichen, TLeerzeichen::Create(ltByWords, 1));
        QCOMPARE(S.WoerterlisteAlle.size(), 5);
        QCOMPARE(L.Hinweise(),
                 (QStringList{"Zeile 10: \"Punkte=12345\" wird nur als \"123\" gelesen, es gilt 123",
                              "Zeile 16: \"Leerzeichen=2.10\" wird nur als \"2.1\" gelesen",
                              "Zeile 18: \"MinWortLen=12\" liegt außerhalb von 2 bis 9, es gilt 2",
                              "Zeile 19: \"MaxWortLen=20\" liegt außerhalb von 2 bis 15, es gilt 15",
                              "Zeile 20: \"Wiederholungen=250\" wird nur als \"25\" gelesen, es gilt 25",
                              "Zeile 21: \"Zeitfaktor=1000\" wird nur als \"100\" gelesen, es gilt 100"}));
        QCOMPARE(FLog.Count(), 0);
    }

    void textLesson()
    {
        TRecorder Counter;
        TLektionendatei L(&Counter, Lesson("Bereich 1/02 Text.lek"), &FDaten);
        QCOMPARE(L.Typ(), atText);
        QCOMPARE(L.Settings().FAT_Text_Settings.Text, QStringLiteral("Zeile 1\r\nZeile 2"));
        QVERIFY(L.BrailleKeyboard());
        QVERIFY(!L.SapiSpeechEnabled());
        QVERIFY(!L.Sounds());
        // "Farbe=rot" is unknown, the repeated "[AT_Text]" is not.
        QCOMPARE(FLog.Count(), 1);
        QCOMPARE(LastLog(), QStringLiteral("Unbekannter Eintrag in Lektionsdatei: \"Farbe=rot\""));
        QVERIFY(Counter.Events.isEmpty()); // a text has no lists
    }

    void sectionsInTheWrongOrder()
    {
        // The type section before [SETTINGS] is read in the header state,
        // where its lines mean nothing; a title in [SETTINGS] is ignored.
        TLektionendatei L(nullptr, Lesson("Bereich 1/05 Reihenfolge.lek"), &FDaten);
        QCOMPARE(L.Typ(), atZeichenTippen);
        QCOMPARE(L.Titel(), QStringLiteral("Zeichen tippen"));
        QCOMPARE(L.Score(), 4);
        QVERIFY(L.BrailleKeyboard());
        const TAT_ZeichenTippen_Settings &S = L.Settings().FAT_ZeichenTippen_Settings;
        QVERIFY(S.Lernzeichendateien.isEmpty());
        QCOMPARE(S.MaxLernzeichenAnzahl, 3);
        QCOMPARE(S.Wiederholungen, 1);
        QVERIFY(S.Lernzeichenliste.isEmpty());
        QCOMPARE(FLog.Count(), 0);
    }

    void unknownType()
    {
        TRecorder Counter;
        TLektionendatei L(&Counter, TFileInfo(), &FDaten);
        const TFileInfo Info = Lesson("Bereich 1/06 Unsinn.lek");
        QVERIFY(!L.LoadFile(Info));
        const QString Message =
            QStringLiteral("Der Typ der Lektionendatei \"%1\" ist unbekannt!").arg(Info.GetFilename());
        QCOMPARE(L.LastErrorString, Message);
        QCOMPARE(LastLog(), Message);
        // It keeps what it read, but builds no lists.
        QCOMPARE(L.Typ(), atNone);
        QCOMPARE(L.Titel(), QStringLiteral("Unbekannter Typ"));
        QCOMPARE(L.FileInfo().Name, Info.Name);
        QCOMPARE(L.Settings().FAT_ZeichenLesen_Settings.Lernzeichendateien, QStringList{"Lernzeichen_abn.dat"});
        QVERIFY(L.Settings().FAT_ZeichenLesen_Settings.Lernzeichenliste.isEmpty());
        QVERIFY(Counter.Events.isEmpty());
    }

    void faultyFiles_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<QString>("Message");
        QTest::newRow("[Header]") << Lm1() + "Bereich 1/04 Kopf falsch.lek"
                                  << "Die Lektionendatei \"%1\" ist fehlerhaft!";
        QTest::newRow("three lines") << FTemp.filePath("drei.lek") << "Die Lektionendatei \"%1\" ist fehlerhaft!";
        QTest::newRow("header indented") << FTemp.filePath("eingerueckt.lek")
                                         << "Die Lektionendatei \"%1\" ist fehlerhaft!";
        QTest::newRow("missing") << Lm1() + "Bereich 1/fehlt.lek"
                                 << "Die Lektionendatei \"%1\" existiert nicht!";
        QTest::newRow("unreadable") << "/proc/self/mem"
                                    << "Die Lektionendatei \"%1\" konnte nicht geladen werden!";
    }
    void faultyFiles()
    {
        QFETCH(QString, File);
        QFETCH(QString, Message);
        Write("drei.lek", {"[HEADER]", "Titel=Drei Zeilen", "Typ=AT_Text"});
        Write("eingerueckt.lek", {" [HEADER]", "Titel=Eingerückt", "Typ=AT_Text", "", "[SETTINGS]"});
        TRecorder Counter;
        TLektionendatei L(&Counter, Lesson("Bereich 2/03 Figuren finden.lek"), &FDaten);
        Counter.Events.clear();
        QVERIFY(!L.LoadFile(TFileInfo::Create(File)));
        QCOMPARE(L.LastErrorString, Message.arg(File));
        QCOMPARE(LastLog(), Message.arg(File));
        // The lesson keeps what it had.
        QCOMPARE(L.Titel(), QStringLiteral("Figuren finden"));
        QCOMPARE(L.Typ(), atFigurFinden);
        QCOMPARE(L.Settings().FAT_FigurFinden_Settings.Figurenliste.size(), 3);
        QVERIFY(Counter.Events.isEmpty());
    }

    void points_data()
    {
        // Every remark names the line (5) and says what was read instead.
        QTest::addColumn<QString>("Line");
        QTest::addColumn<int>("Score");
        QTest::addColumn<QString>("Remark");
        const QString Range = QStringLiteral("Zeile 5: \"%1\" liegt außerhalb von 0 bis 127, es gilt %2");
        QTest::newRow("12345 reads 123") << "Punkte=12345" << 123
                                         << "Zeile 5: \"Punkte=12345\" wird nur als \"123\" gelesen, es gilt 123";
        QTest::newRow("127") << "Punkte=127" << 127 << "";
        QTest::newRow("128 is capped") << "Punkte=128" << 127 << Range.arg("Punkte=128").arg(127);
        QTest::newRow("200 is capped") << "Punkte=200" << 127 << Range.arg("Punkte=200").arg(127);
        QTest::newRow("300 is capped") << "Punkte=300" << 127 << Range.arg("Punkte=300").arg(127);
        QTest::newRow("-5") << "Punkte=-5" << 0 << Range.arg("Punkte=-5").arg(0);
        QTest::newRow("empty") << "Punkte=" << 0 << "";
        QTest::newRow("letters") << "Punkte=viel" << 0 << "Zeile 5: \"Punkte=viel\" ist keine Zahl, es gilt 0";
        QTest::newRow("a blank after = uses up the width")
            << "Punkte= 123" << 12 << "Zeile 5: \"Punkte= 123\" wird nur als \"12\" gelesen, es gilt 12";
        QTest::newRow("key in lower case") << "punkte=5" << 0 << "";
        // A teacher's %1 is text, not a place for the next value.
        QTest::newRow("percent sign kept")
            << "Punkte=200 %1" << 127 << "Zeile 5: \"Punkte=200 %1\" liegt außerhalb von 0 bis 127, es gilt 127";
    }
    void points()
    {
        QFETCH(QString, Line);
        QFETCH(int, Score);
        QFETCH(QString, Remark);
        const QString File = Write("punkte.lek", {"[HEADER]", "Titel=Punkte", "Typ=AT_Text", "[SETTINGS]", Line});
        TLektionendatei L(nullptr, TFileInfo::Create(File), nullptr);
        QCOMPARE(L.Score(), Score);
        QCOMPARE(L.Hinweise(), Remark.isEmpty() ? QStringList() : QStringList{Remark});
    }

    // The remarks on a task type's settings quote the teacher's line as it
    // is, placeholders included.
    void settingsRemarks_keepPercentSigns()
    {
        const QString File = Write("prozent.lek", {"[HEADER]", "Titel=Prozent", "Typ=AT_WortLesen", "[SETTINGS]",
                                                   "[AT_WortLesen]", "Wiederholungen=%1", "Zeitfaktor=9999 %2"});
        TLektionendatei L(nullptr, TFileInfo::Create(File), nullptr);
        const QStringList H = L.Hinweise();
        QCOMPARE(H.size(), 2);
        QVERIFY2(H[0].startsWith(QStringLiteral("Zeile 6: \"Wiederholungen=%1\" ist keine Zahl, es gilt ")),
                 qPrintable(H[0]));
        QVERIFY2(H[1].startsWith(QStringLiteral("Zeile 7: \"Zeitfaktor=9999 %2\" ")), qPrintable(H[1]));
    }

    void switches_data()
    {
        QTest::addColumn<QString>("Line");
        QTest::addColumn<QString>("Switch");
        QTest::addColumn<bool>("On");
        QTest::newRow("true") << "BrailleKeyboard=true"
                              << "BrailleKeyboard" << false;
        QTest::newRow("blanks around 1") << "BrailleKeyboard= 1 "
                                         << "BrailleKeyboard" << true;
        QTest::newRow("SapiSpeech 1") << "SapiSpeech=1"
                                      << "SapiSpeech" << true;
        QTest::newRow("SapiSpeech 01") << "SapiSpeech=01"
                                       << "SapiSpeech" << false;
        QTest::newRow("Sounds 1") << "Sounds=1"
                                  << "Sounds" << true;
        QTest::newRow("key in lower case") << "sounds=1"
                                           << "Sounds" << false;
    }
    void switches()
    {
        QFETCH(QString, Line);
        QFETCH(QString, Switch);
        QFETCH(bool, On);
        const QString File = Write("schalter.lek", {"[HEADER]", "Typ=AT_Text", "", "[SETTINGS]", Line});
        TLektionendatei L(nullptr, TFileInfo::Create(File), nullptr);
        const bool Value = Switch == u"BrailleKeyboard" ? L.BrailleKeyboard()
                           : Switch == u"SapiSpeech"    ? L.SapiSpeechEnabled()
                                                        : L.Sounds();
        QCOMPARE(Value, On);
    }

    void reader_data()
    {
        // The lines after "[HEADER]", and what is read of them.
        QTest::addColumn<QStringList>("Lines");
        QTest::addColumn<QString>("Titel");
        QTest::addColumn<int>("Typ");
        QTest::addColumn<int>("Score");
        QTest::addColumn<int>("WortLesen");    // Wiederholungen of the AT_WortLesen section
        QTest::addColumn<int>("ZeichenLesen"); // Wiederholungen of the AT_ZeichenLesen section
        QTest::addColumn<QStringList>("Logged");
        const QString Unknown = QStringLiteral("Unbekannter Eintrag in Lektionsdatei: \"%1\"");
        QTest::newRow("all sections in order") << QStringList{"Titel=A",  "Typ=AT_WortLesen", "[SETTINGS]",
                                                              "Punkte=3", "[AT_WortLesen]",   "Wiederholungen=5"}
                                               << "A" << int(atWortLesen) << 3 << 5 << 1 << QStringList();
        QTest::newRow("type section without [SETTINGS] is ignored")
            << QStringList{"Titel=A", "Typ=AT_WortLesen", "[AT_WortLesen]", "Wiederholungen=5", "Punkte=3"} << "A"
            << int(atWortLesen) << 0 << 1 << 1 << QStringList();
        QTest::newRow("Titel in [SETTINGS] is ignored")
            << QStringList{"Titel=A", "Typ=AT_WortLesen", "[SETTINGS]", "Titel=B"} << "A" << int(atWortLesen) << 0 << 1
            << 1 << QStringList();
        QTest::newRow("type key in lower case")
            << QStringList{"Titel=A", "Typ=at_wortlesen"} << "A" << int(atWortLesen) << 0 << 1 << 1 << QStringList();
        QTest::newRow("no title gives -")
            << QStringList{"Typ=AT_WortLesen", "Titel="} << "-" << int(atWortLesen) << 0 << 1 << 1 << QStringList();
        QTest::newRow("keys are case-sensitive, lines trimmed")
            << QStringList{"titel=klein", "   Typ=AT_WortLesen  ", "\tTitel=Eingerückt"} << "Eingerückt"
            << int(atWortLesen) << 0 << 1 << 1 << QStringList();
        QTest::newRow("several type sections")
            << QStringList{"Typ=AT_WortLesen", "[SETTINGS]",        "[AT_WortLesen]",
                           "Wiederholungen=5", "[AT_ZeichenLesen]", "Wiederholungen=6"}
            << "-" << int(atWortLesen) << 0 << 5 << 6 << QStringList();
        QTest::newRow("comments and blank lines in every section")
            << QStringList{";Titel=Kommentar", "Typ=AT_WortLesen",   "",   "[SETTINGS]",      ";Punkte=9",
                           "[AT_WortLesen]",   "; Wiederholungen=9", "  ", "Wiederholungen=4"}
            << "-" << int(atWortLesen) << 0 << 4 << 1 << QStringList();
        QTest::newRow("[SETTINGS] cannot come back after a type section")
            << QStringList{"Typ=AT_WortLesen", "[SETTINGS]",     "[AT_WortLesen]",  "[SETTINGS]",
                           "Punkte=9",         "[AT_WortLesen]", "Wiederholungen=7"}
            << "-" << int(atWortLesen) << 0 << 1 << 1 << QStringList();
        QTest::newRow("after an unknown section only [HEADER] counts")
            << QStringList{"Titel=A",    "Typ=AT_WortLesen", "[SETTINGS]",        "[AT_WortLesen]",  "Wiederholungen=5",
                           "[Anderes]",  "Wiederholungen=7", "Farbe=rot",         "[HEADER]",        "Titel=Neu",
                           "[SETTINGS]", "Punkte=9",         "[AT_ZeichenLesen]", "Wiederholungen=8"}
            << "Neu" << int(atWortLesen) << 9 << 5 << 8 << QStringList();
        QTest::newRow("section line itself is never an entry")
            << QStringList{"Typ=AT_WortLesen", "[SETTINGS]", "[AT_WortLesen]", "[AT_WortLesen]", "Farbe=rot"} << "-"
            << int(atWortLesen) << 0 << 1 << 1 << QStringList{Unknown.arg("Farbe=rot")};
        QTest::newRow("sections are case-sensitive; [SETTINGS] goes on")
            << QStringList{"Typ=AT_WortLesen", "[SETTINGS]", "[at_wortlesen]",
                           "Wiederholungen=5", "[settings]", "Punkte=2"}
            << "-" << int(atWortLesen) << 2 << 1 << 1 << QStringList();
        QTest::newRow("catalogue section lines are ignored")
            << QStringList{"Typ=at2A", "[SETTINGS]", "[at2A]", "Farbe=rot", "Wiederholungen=5"} << "-" << int(at2A) << 0
            << 1 << 1 << QStringList();
    }
    void reader()
    {
        QFETCH(QStringList, Lines);
        QFETCH(QString, Titel);
        QFETCH(int, Typ);
        QFETCH(int, Score);
        QFETCH(int, WortLesen);
        QFETCH(int, ZeichenLesen);
        QFETCH(QStringList, Logged);
        // A closing comment line keeps the short cases from being faulty files.
        const QString File = Write("lesen.lek", QStringList{"[HEADER]"} + Lines + QStringList{"; Ende"});
        TLektionendatei L(nullptr, TFileInfo::Create(File), nullptr);
        QCOMPARE(L.Titel(), Titel);
        QCOMPARE(int(L.Typ()), Typ);
        QCOMPARE(L.Score(), Score);
        QCOMPARE(L.Settings().FAT_WortLesen_Settings.Wiederholungen, WortLesen);
        QCOMPARE(L.Settings().FAT_ZeichenLesen_Settings.Wiederholungen, ZeichenLesen);
        QCOMPARE(LogSorted(), Logged);
    }

    void listWorkMessages_data()
    {
        QTest::addColumn<QString>("Rel");
        QTest::addColumn<bool>("Counted");
        QTest::newRow("word lesson") << "Bereich 1/01 Woerter lesen.lek" << true;
        QTest::newRow("catalogue type: messages only") << "Bereich 2/04 Katalog.lek" << true;
        QTest::newRow("text") << "Bereich 1/02 Text.lek" << false;
        QTest::newRow("unknown type") << "Bereich 1/06 Unsinn.lek" << false;
        QTest::newRow("faulty file") << "Bereich 1/04 Kopf falsch.lek" << false;
    }
    void listWorkMessages()
    {
        QFETCH(QString, Rel);
        QFETCH(bool, Counted);
        TRecorder Counter;
        TLektionendatei L(&Counter, Lesson(Rel), &FDaten);
        QCOMPARE(Counter.Events, Counted ? ListWork : QStringList());
        QVERIFY(!L.IsCreatingLists());
    }

    void closingStopsReading()
    {
        TRecorder Counter;
        TLektionendatei L(&Counter, TFileInfo(), &FDaten);
        IsProgramClosing = true;
        const bool Loaded = L.LoadFile(Lesson("Bereich 1/01 Woerter lesen.lek"));
        IsProgramClosing = false;
        QVERIFY(!Loaded);
        QCOMPARE(L.Titel(), QString());
        QVERIFY(Counter.Events.isEmpty());
        QCOMPARE(FLog.Count(), 0);
    }

    void clearGivesStandardValues()
    {
        TLektionendatei L(nullptr, Lesson("Bereich 1/03 Grenzwerte.lek"), &FDaten);
        L.Clear();
        QCOMPARE(L.Titel(), QString());
        QCOMPARE(L.Typ(), atNone);
        QCOMPARE(L.Score(), 0);
        QVERIFY(L.FileInfo().IsEmpty());
        QVERIFY(L.Hinweise().isEmpty());
        QCOMPARE(L.Settings().FAT_WortFinden_Settings.Wiederholungen, 1);
        QCOMPARE(L.Settings().FAT_WortFinden_Settings.Woerterdateien, QStringList{"Woerterliste.txt"});
        QVERIFY(L.Settings().FAT_WortFinden_Settings.WoerterlisteAlle.isEmpty());
        QCOMPARE(L.Settings().FAT_Fehlersuche_Settings.Wiederholungen, 10);
    }

    void typeKeys_data()
    {
        QTest::addColumn<QString>("Key");
        QTest::addColumn<int>("Typ");
        QTest::newRow("AT_WortLesen") << "AT_WortLesen" << int(atWortLesen);
        QTest::newRow("lower case") << "at_wortlesen" << int(atWortLesen);
        QTest::newRow("catalogue") << "AT2A" << int(at2A);
        QTest::newRow("last") << "at4k" << int(at4K);
        QTest::newRow("unknown") << "AT_Unsinn" << int(atNone);
        QTest::newRow("empty") << "" << int(atNone);
    }
    void typeKeys()
    {
        QFETCH(QString, Key);
        QFETCH(int, Typ);
        QCOMPARE(int(TLektionendatei::ConvertStrToAufgabenTyp(Key)), Typ);
        if (Typ != atNone)
            QVERIFY(SameText(TLektionendatei::ConvertAufgabenTypToStr(TAufgabenTyp(Typ)), Key));
    }

    // --- the collection --------------------------------------------------------

    void loadCollection_data()
    {
        QTest::addColumn<bool>("Inline");
        QTest::newRow("lists in the background") << false;
        QTest::newRow("lists while loading") << true;
    }
    void loadCollection()
    {
        QFETCH(bool, Inline);
        TRecorder MainWindow;
        TLektionen C(&MainWindow, &FDaten);
        C.SetListsInline(Inline);
        QVERIFY(C.LoadFiles(Lm1()));
        C.WaitForLists();
        QCOMPARE(C.Path(), Lm1());
        // Every lesson file of the two area folders, the faulty ones too;
        // none of the deeper folder. Sorted by title, description and file
        // name without regard to case: the lesson that could not be read has
        // no title at all.
        QCOMPARE(Titles(C), (QStringList{"", "Brückenwörter", "Ein Text", "Fehler suchen", "Figuren finden", "Katalog",
                                         "Lückentext", "Satz lesen", "Schnellkurs", "Unbekannter Typ", "Wörter finden",
                                         "Wörter lesen", "zeichen finden", "Zeichen finden", "Zeichen im Wort finden",
                                         "Zeichen tippen"}));
        QCOMPARE(C.Get(12)->Beschreibung(), QString());
        QCOMPARE(C.Get(13)->Beschreibung(), QStringLiteral("Versteckt"));
        QVERIFY(!C.Get(-1));
        QVERIFY(!C.Get(C.Count()));
        // Thirteen lessons built lists: one start and one end for all.
        QCOMPARE(MainWindow.Events, (QStringList{ListsStarted, ListsReady}));
        QVERIFY(C.StatusOK());
        QVERIFY(!C.Status());
        QCOMPARE(C.StatusCounterThread(), 0);
        const QString B1 = Lm1() + "Bereich 1/";
        QCOMPARE(LogSorted(),
                 (QStringList{"Der Typ der Lektionendatei \"" + B1 + "06 Unsinn.lek\" ist unbekannt!",
                              "Die Datendatei \"Fehlt.dat\" konnte nicht in der Datenbank gefunden werden!",
                              "Die Lektionendatei \"" + B1 + "04 Kopf falsch.lek\" ist fehlerhaft!",
                              "Unbekannter Eintrag in Lektionsdatei: \"Farbe=rot\""}));
        // The lists are there.
        const TLektionendatei *Satz = C.FindLektionendatei(Lm1() + "Bereich 2/02 Saetze lesen.lek");
        QVERIFY(Satz);
        QCOMPARE(Satz->Settings().FAT_SatzLesen_Settings.Saetzeliste.size(), 1);
        const TLektionendatei *Schnell = C.FindLektionendatei(B1 + "07 Datei fehlt.lek");
        QVERIFY(Schnell);
        QCOMPARE(Schnell->Settings().FAT_Schnellkurs_Settings.Lernzeichenliste.size(), 3);
    }

    void reloadCountsAgain()
    {
        TRecorder MainWindow;
        TLektionen C(&MainWindow, &FDaten);
        QVERIFY(C.LoadFiles());
        QVERIFY(C.LoadFiles());
        C.WaitForLists();
        QCOMPARE(C.Count(), 16);
        QVERIFY(C.LoadFiles(Lm2()));
        C.WaitForLists();
        QCOMPARE(Titles(C), (QStringList{"Schnellkurs a b c", "Zeichen lesen a b c"}));
        QCOMPARE(C.Path(), Lm2());
        QCOMPARE(MainWindow.Events,
                 (QStringList{ListsStarted, ListsReady, ListsStarted, ListsReady, ListsStarted, ListsReady}));
        QCOMPARE(C.StatusCounterThread(), 0);
    }

    void withoutAreaFolders()
    {
        TRecorder MainWindow;
        TLektionen C(&MainWindow, &FDaten);
        QVERIFY(C.LoadFiles(Lm2()));
        C.WaitForLists();
        MainWindow.Events.clear();
        FLog.Clear();
        // A folder that holds a file but no sub-folder: nothing, no message.
        QVERIFY(!C.LoadFiles(Programm() + "Lernmaterialien/Ohne-Ini"));
        QCOMPARE(C.Count(), 0);
        QVERIFY(MainWindow.Events.isEmpty());
        QVERIFY(C.LastErrorString.isEmpty());
        QCOMPARE(FLog.Count(), 0);
    }

    void missingFolder()
    {
        TLektionen C(nullptr, &FDaten);
        QVERIFY(C.LoadFiles(Lm2()));
        C.WaitForLists();
        const QString Missing = Programm() + "Lernmaterialien/Fehlt/";
        QVERIFY(!C.LoadFiles(Programm() + "Lernmaterialien/Fehlt"));
        const QString Message =
            QStringLiteral("Lektionen konnten nicht vom Ordner \"%1\" geladen werden!").arg(Missing);
        QCOMPARE(C.LastErrorString, Message);
        QCOMPARE(LastLog(), Message);
        QCOMPARE(C.Count(), 2); // left as it was
    }

    void closingStopsLoading()
    {
        TRecorder MainWindow;
        TLektionen C(&MainWindow, &FDaten);
        QVERIFY(C.LoadFiles(Lm2()));
        C.WaitForLists();
        MainWindow.Events.clear();
        IsProgramClosing = true;
        const bool Loaded = C.LoadFiles(Lm1());
        const bool Status = C.Status();
        IsProgramClosing = false;
        QVERIFY(!Loaded);
        QVERIFY(!Status);
        QCOMPARE(C.Count(), 0);
        QVERIFY(MainWindow.Events.isEmpty());
    }

    void find()
    {
        TLektionen C(nullptr, &FDaten);
        QVERIFY(C.LoadFiles());
        C.WaitForLists();
        const QString B1 = Lm1() + "Bereich 1/";
        TLektionendatei *Woerter = C.FindLektionendatei(B1 + "01 Woerter lesen.lek");
        QVERIFY(Woerter);
        QCOMPARE(Woerter->Titel(), QStringLiteral("Wörter lesen"));
        QCOMPARE(C.FindLektionendatei(Lm1() + "BEREICH 1/01 woerter LESEN.lek"), Woerter);
        QVERIFY(!C.FindLektionendatei(QString()));
        QVERIFY(!C.FindLektionendatei(B1 + "Unterordner/Tief.lek")); // never loaded
        // The same by area folder and file name.
        QCOMPARE(C.FindLektionendatei(QStringLiteral("Bereich 1"), QStringLiteral("01 Woerter lesen.lek")), Woerter);
        QCOMPARE(C.FindLektionendatei(QStringLiteral("bereich 1/"), QStringLiteral("01 WOERTER lesen.lek")), Woerter);
        QVERIFY(!C.FindLektionendatei(QString(), QStringLiteral("01 Woerter lesen.lek")));
        QVERIFY(!C.FindLektionendatei(QStringLiteral("Bereich 2"), QStringLiteral("01 Woerter lesen.lek")));

        // The lesson that could not be read has no file; it is in no area.
        QCOMPARE(Titles(C.FindLektionenWithBereich(QStringLiteral("Bereich 1"), true)),
                 (QStringList{"Ein Text", "Schnellkurs", "Unbekannter Typ", "Wörter finden", "Wörter lesen",
                              "Zeichen tippen"}));
        QCOMPARE(C.FindLektionenWithBereich(QStringLiteral("bereich 2"), false).size(), 9);
        QVERIFY(C.FindLektionenWithBereich(QStringLiteral("Bereich"), true).isEmpty());
        QVERIFY(C.FindLektionenWithBereich(QStringLiteral("Bereich 1/Unterordner"), true).isEmpty());
        QCOMPARE(C.FindLektionenWithPath(Lm1() + "BEREICH 2/", true).size(), 9);
        QVERIFY(C.FindLektionenWithPath(Lm1() + "Bereich 2", true).isEmpty()); // without the delimiter
        QVERIFY(C.FindLektionenWithPath(QString(), true).isEmpty());

        QCOMPARE(Titles(C.FindLektionenWithTypSet({atWortLesen, atWortFinden, atText}, true)),
                 (QStringList{"Ein Text", "Wörter finden", "Wörter lesen"}));
        QCOMPARE(Titles(C.FindLektionenWithTypSet({atNone}, false)), (QStringList{"", "Unbekannter Typ"}));
        QVERIFY(C.FindLektionenWithTypSet({}, true).isEmpty());

        IsProgramClosing = true;
        const bool FoundWhileClosing = C.FindLektionendatei(B1 + "01 Woerter lesen.lek") ||
                                       !C.FindLektionenWithBereich(QStringLiteral("Bereich 1"), true).isEmpty() ||
                                       !C.FindLektionenWithPath(B1, false).isEmpty() ||
                                       !C.FindLektionenWithTypSet({atWortLesen}, false).isEmpty();
        IsProgramClosing = false;
        QVERIFY(!FoundWhileClosing);
    }

    void sortedResults()
    {
        // A result in file order comes out in the collection's order when
        // sorted.
        TLektionen C(nullptr, &FDaten);
        QVERIFY(C.LoadFiles());
        C.WaitForLists();
        TLektionendateiDynArray List = C.FindLektionenWithBereich(QStringLiteral("Bereich 2"), false);
        std::sort(List.begin(), List.end(), [](const TLektionendatei *A, const TLektionendatei *B) {
            return A->FileInfo().Name < B->FileInfo().Name;
        });
        QCOMPARE(Titles(List).first(), QStringLiteral("Zeichen im Wort finden"));
        SortLektionen(List);
        QCOMPARE(Titles(List),
                 (QStringList{"Brückenwörter", "Fehler suchen", "Figuren finden", "Katalog", "Lückentext", "Satz lesen",
                              "zeichen finden", "Zeichen finden", "Zeichen im Wort finden"}));
    }
};

QTEST_GUILESS_MAIN(tst_Lektionen)
#include "tst_Lektionen.moc"
