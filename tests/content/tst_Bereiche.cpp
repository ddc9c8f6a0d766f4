#include "content/BereicheC.h"
#include "content/GlobalsC.h"
#include "content/LektionenC.h"
#include "content/LernmaterialienC.h"
#include "content/PathsC.h"
#include "content/SammellektionenC.h"
#include "log/LogC.h"

#include <QTemporaryDir>
#include <QtTest>

namespace
{

QStringList Titles(const TLektionendateiDynArray &List)
{
    QStringList Result;
    for (const TLektionendatei *L : List)
        Result.append(L->Titel());
    return Result;
}

} // namespace

// The areas of a learning material, its collective lessons, and the list of
// installed learning materials.
class tst_Bereiche : public QObject
{
    Q_OBJECT

    static QString Programm() { return QStringLiteral(TASTWERK_TEST_DATA "/programm/"); }
    static QString Materialien() { return Programm() + "Lernmaterialien/"; }
    static QString Lm1() { return Materialien() + "Lernmaterial-1/"; }
    static QString Lm2() { return Materialien() + "Lernmaterial-2/"; }

    TLog FLog{nullptr, QString()};
    QTemporaryDir FTemp;
    // The lessons of the first learning material; areas and collective
    // lessons refer to them. No database: their lists do not matter here.
    TLektionen FLektionen{nullptr, nullptr};

    QString LastLog() const { return FLog.Get(0).mid(16); }
    // The log, oldest entry first.
    QStringList LogLines() const
    {
        QStringList Result;
        for (const QString &E : FLog.Strings())
            Result.prepend(E.mid(16));
        return Result;
    }

    // Writes a file of CR LF lines below the temporary folder.
    QString Write(const QString &Rel, const QStringList &Lines)
    {
        const QString File = FTemp.filePath(Rel);
        QDir().mkpath(QFileInfo(File).path());
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
        InitPaths(Programm(), QStringLiteral("test"), FTemp.path());
        QVERIFY(FLektionen.LoadFiles());
        FLektionen.WaitForLists();
        QCOMPARE(FLektionen.Count(), 16);
    }
    void cleanupTestCase() { InstallLog(nullptr); }
    void init()
    {
        FLog.Clear();
        SetLernmaterialPath(QStringLiteral("Lernmaterial-1"));
    }

    // --- areas -----------------------------------------------------------------

    void areas()
    {
        TBereiche B(nullptr, &FLektionen);
        QVERIFY(B.LoadFile());
        QCOMPARE(B.Titel(), QStringLiteral("Testkurs"));
        QCOMPARE(B.Beschreibung(), QStringLiteral("Ein Kurs für die Tests\r\nmit allen Aufgabentypen"));
        QCOMPARE(B.FileInfo().GetFilename(), Lm1() + "Lernmaterial.ini");
        QVERIFY(B.FileInfo().TimeStamp.isValid());
        QVERIFY(!B.FileInfo().Checked);
        QVERIFY(!B.Changed());
        // Sorted by title without regard to case: "andere" before "Wörter".
        QCOMPARE(B.Count(), 2);
        const TBereich Zwei = B.Get(0);
        QCOMPARE(Zwei.Bereich, QStringLiteral("Bereich 2"));
        QCOMPARE(Zwei.Path, Lm1() + "Bereich 2/");
        QCOMPARE(Zwei.Titel, QStringLiteral("andere Aufgaben"));
        QCOMPARE(Zwei.Beschreibung, QStringLiteral("Zeichen, Sätze, Figuren und Lücken"));
        QCOMPARE(Titles(Zwei.Lektionen),
                 (QStringList{"Brückenwörter", "Fehler suchen", "Figuren finden", "Katalog", "Lückentext", "Satz lesen",
                              "zeichen finden", "Zeichen finden", "Zeichen im Wort finden"}));
        const TBereich Eins = B.Get(1);
        QCOMPARE(Eins.Titel, QStringLiteral("Wörter und Texte"));
        QCOMPARE(Eins.Beschreibung, QStringLiteral("Wörter lesen und finden\r\nund ein Text"));
        // The lesson that could not be read belongs to no area.
        QCOMPARE(Titles(Eins.Lektionen), (QStringList{"Ein Text", "Schnellkurs", "Unbekannter Typ", "Wörter finden",
                                                      "Wörter lesen", "Zeichen tippen"}));
        QCOMPARE(Eins.Lektionen.at(4), FLektionen.FindLektionendatei(Lm1() + "Bereich 1/01 Woerter lesen.lek"));
        // The missing folder and the line without "=" are reported and
        // skipped.
        const QString Ini = Lm1() + "Lernmaterial.ini";
        QCOMPARE(LogLines(), (QStringList{"Der Bereicheordner \"" + Lm1() + "Bereich 3/\" existiert nicht!",
                                          "Die Bereichedatei \"" + Ini +
                                              "\" ist fehlerhaft in Zeile 10 (\"Bereich ohne Gleichheitszeichen\")!"}));
        QCOMPARE(B.LastErrorString, LastLog());

        QCOMPARE(B.IndexOf(QStringLiteral("bereich 1")), 1);
        QCOMPARE(B.IndexOf(QStringLiteral("Bereich 3")), -1);
        QCOMPARE(B.IndexOf(QString()), -1);
        QVERIFY(B.Get(2).Bereich.isEmpty());
        QVERIFY(B.Get(-1).Lektionen.isEmpty());
    }

    void areaNameInOtherLetterCase()
    {
        // "KAPITEL" in the file, "Kapitel" on the disk.
        TLektionen Lektionen(nullptr, nullptr);
        QVERIFY(Lektionen.LoadFiles(Lm2()));
        Lektionen.WaitForLists();
        TBereiche B(nullptr, &Lektionen);
        QVERIFY(B.LoadFile(Lm2() + "Lernmaterial.ini"));
        QCOMPARE(B.Titel(), QStringLiteral("anfängerkurs"));
        QCOMPARE(B.Count(), 1);
        QCOMPARE(B.Get(0).Bereich, QStringLiteral("KAPITEL"));
        QCOMPARE(B.Get(0).Path, Lm2() + "Kapitel/");
        QCOMPARE(Titles(B.Get(0).Lektionen), (QStringList{"Schnellkurs a b c", "Zeichen lesen a b c"}));
        QCOMPARE(B.IndexOf(QStringLiteral("kapitel")), 0);
        QCOMPARE(FLog.Count(), 0);
    }

    void headerOnly()
    {
        TBereiche B(nullptr, &FLektionen);
        QVERIFY(B.LoadFile(Lm1() + "Lernmaterial.ini", true));
        QCOMPARE(B.Titel(), QStringLiteral("Testkurs"));
        QCOMPARE(B.Count(), 0);
        QCOMPARE(FLog.Count(), 0); // the faulty area lines are not read
        // Without a title line the title is "-".
        const QString Ini = Write("ohne-titel/Lernmaterial.ini",
                                  {"[HEADER]", "Beschreibung=Ohne Titel", "", "[DIRECTORIES]", "A=Eins"});
        QVERIFY(B.LoadFile(Ini, true));
        QCOMPARE(B.Titel(), QStringLiteral("-"));
        QCOMPARE(B.Beschreibung(), QStringLiteral("Ohne Titel"));
        QCOMPARE(B.Count(), 0);
    }

    void faultyAreaFiles_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<QString>("Message");
        QTest::newRow("missing") << Lm1() + "Fehlt.ini"
                                 << "Die Bereichedatei \"%1\" existiert nicht!";
        QTest::newRow("[HEADER] with a trailing blank") << Materialien() + "Kopf-mit-Leerzeichen/Lernmaterial.ini"
                                                        << "Die Bereichedatei \"%1\" ist fehlerhaft!";
        QTest::newRow("three lines") << FTemp.filePath("drei/Lernmaterial.ini")
                                     << "Die Bereichedatei \"%1\" ist fehlerhaft!";
        QTest::newRow("unreadable") << "/proc/self/mem"
                                    << "Die Bereichedatei \"%1\" konnte nicht geladen werden!";
    }
    void faultyAreaFiles()
    {
        QFETCH(QString, File);
        QFETCH(QString, Message);
        Write("drei/Lernmaterial.ini", {"[HEADER]", "Titel=Drei", "[DIRECTORIES]"});
        TBereiche B(nullptr, &FLektionen);
        QVERIFY(B.LoadFile());
        FLog.Clear();
        // Reading only the header, nothing is reported.
        QVERIFY(!B.LoadFile(File, true));
        QCOMPARE(FLog.Count(), 0);
        QVERIFY(!B.LoadFile(File));
        QCOMPARE(B.LastErrorString, Message.arg(File));
        QCOMPARE(LastLog(), Message.arg(File));
        QCOMPARE(FLog.Count(), 1);
        // The areas read before are kept.
        QCOMPARE(B.Count(), 2);
        QCOMPARE(B.Titel(), QStringLiteral("Testkurs"));
    }

    void directoryLines_data()
    {
        QTest::addColumn<QString>("Line");
        QTest::addColumn<QString>("Bereich");
        QTest::addColumn<QString>("Folder"); // below the temporary learning material
        QTest::addColumn<QString>("Titel");
        QTest::addColumn<QString>("Beschreibung");
        QTest::newRow("title and description") << "A = Titel ^ Text \\zweite Zeile"
                                               << "A"
                                               << "A/"
                                               << "Titel"
                                               << "Text\r\nzweite Zeile";
        QTest::newRow("trimmed separator is no separator") << "A=Titel ^ "
                                                           << "A"
                                                           << "A/"
                                                           << "Titel ^"
                                                           << "";
        QTest::newRow("no title") << "A="
                                  << "A"
                                  << "A/"
                                  << "-"
                                  << "";
        QTest::newRow("a leading separator is trimmed away too") << "A= ^ Nur Text"
                                                                 << "A"
                                                                 << "A/"
                                                                 << "^ Nur Text"
                                                                 << "";
        QTest::newRow("further = belong to the value") << "A=x=y"
                                                       << "A"
                                                       << "A/"
                                                       << "x=y"
                                                       << "";
        QTest::newRow("trailing delimiter") << "A/=Mit Schrägstrich"
                                            << "A/"
                                            << "A/"
                                            << "Mit Schrägstrich"
                                            << "";
        QTest::newRow("backslash and letter case") << "a\\B=Tief"
                                                   << "a\\B"
                                                   << "A/b/"
                                                   << "Tief"
                                                   << "";
    }
    void directoryLines()
    {
        QFETCH(QString, Line);
        QFETCH(QString, Bereich);
        QFETCH(QString, Folder);
        QFETCH(QString, Titel);
        QFETCH(QString, Beschreibung);
        QVERIFY(QDir().mkpath(FTemp.filePath("lm/A/b")));
        const QString Ini = Write("lm/Lernmaterial.ini", {"[HEADER]", "Titel=T", "", "[DIRECTORIES]", Line});
        TBereiche B(nullptr, &FLektionen);
        QVERIFY(B.LoadFile(Ini));
        QCOMPARE(FLog.Count(), 0);
        QCOMPARE(B.Count(), 1);
        QCOMPARE(B.Get(0).Bereich, Bereich);
        QCOMPARE(B.Get(0).Path, FTemp.filePath("lm/") + Folder);
        QCOMPARE(B.Get(0).Titel, Titel);
        QCOMPARE(B.Get(0).Beschreibung, Beschreibung);
        QVERIFY(B.Get(0).Lektionen.isEmpty());
    }

    // Area names that would lead out of the learning material are refused
    // with a message; the other areas load.
    void areaOutsideTheMaterial_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::newRow("parent folders") << "../..";
        QTest::newRow("parent in the middle") << "A/../../x";
        QTest::newRow("Windows parent") << "..\\..";
        QTest::newRow("absolute") << "/tmp";
        QTest::newRow("drive") << "C:\\Windows";
    }
    void areaOutsideTheMaterial()
    {
        QFETCH(QString, Name);
        QVERIFY(QDir().mkpath(FTemp.filePath("lm/A")));
        const QString Ini =
            Write("lm/Lernmaterial.ini", {"[HEADER]", "Titel=T", "", "[DIRECTORIES]", Name + "=Draußen", "A=Drinnen"});
        TBereiche B(nullptr, &FLektionen);
        QVERIFY(B.LoadFile(Ini));
        QCOMPARE(LastLog(), QStringLiteral("Der Bereicheordner \"%1\" liegt nicht im Lernmaterial!").arg(Name));
        QCOMPARE(B.Count(), 1);
        QCOMPARE(B.Get(0).Titel, QStringLiteral("Drinnen"));
    }

    void faultyDirectoryLines_data()
    {
        QTest::addColumn<QString>("Line");
        QTest::newRow("without =") << "A";
        QTest::newRow("nothing before =") << "=Titel";
        QTest::newRow("blanks before =") << "   =Titel";
    }
    void faultyDirectoryLines()
    {
        QFETCH(QString, Line);
        QVERIFY(QDir().mkpath(FTemp.filePath("lm/A")));
        const QString Ini =
            Write("lm/Lernmaterial.ini", {"[HEADER]", "Titel=T", "", "[DIRECTORIES]", Line, "A=Die andere Zeile"});
        TBereiche B(nullptr, &FLektionen);
        QVERIFY(B.LoadFile(Ini));
        // The line as it stands in the file, untrimmed.
        const QString Message =
            QStringLiteral("Die Bereichedatei \"%1\" ist fehlerhaft in Zeile 5 (\"%2\")!").arg(Ini, Line);
        QCOMPARE(LastLog(), Message);
        QCOMPARE(B.LastErrorString, Message);
        QCOMPARE(B.Count(), 1);
        QCOMPARE(B.Get(0).Titel, QStringLiteral("Die andere Zeile"));
    }

    // --- collective lessons ------------------------------------------------------

    void collectiveLessons()
    {
        TSammellektionen S(nullptr, &FLektionen);
        QVERIFY(S.LoadFiles());
        QCOMPARE(S.Path(), Lm1() + "Sammellektionen/");
        QCOMPARE(S.Count(), 2); // only ".sam" files
        TSammeldatei *Kurs = S.Get(0);
        QCOMPARE(Kurs->Titel(), QStringLiteral("Ganzer Kurs"));
        QCOMPARE(Kurs->Beschreibung(), QStringLiteral("Lektionen aus beiden Bereichen\r\nder Reihe nach"));
        QVERIFY(!Kurs->Changed());
        QVERIFY(!Kurs->FileInfo().Checked);
        // Names with backslashes and in other letter case are found; a
        // lesson named twice is there twice.
        QCOMPARE(Kurs->Count(), 4);
        QStringList Lessons;
        for (int I = 0; I < Kurs->Count(); ++I)
            Lessons.append(Kurs->Get(I)->Titel());
        QCOMPARE(Lessons, (QStringList{"Wörter lesen", "Zeichen im Wort finden", "Satz lesen", "Wörter lesen"}));
        QCOMPARE(Kurs->Get(0), FLektionen.FindLektionendatei(Lm1() + "Bereich 1/01 Woerter lesen.lek"));
        QCOMPARE(Kurs->Get(3), Kurs->Get(0));
        QVERIFY(!Kurs->Get(4));
        QVERIFY(!Kurs->Get(-1));
        const QString Sam = Lm1() + "Sammellektionen/Kurs.sam";
        QCOMPARE(LogLines(),
                 (QStringList{"Die Lektionendatei \"" + Lm1() + "Bereich 1/99 Gibt es nicht.lek\" existiert nicht!",
                              "Die Sammeldatei \"" + Sam + "\" ist fehlerhaft in Zeile 9 (\"Lektion 1.lek\")!",
                              "Die Sammeldatei \"" + Sam + "\" ist fehlerhaft in Zeile 12 (\"File=\")!"}));
        QCOMPARE(Kurs->LastErrorString, LastLog());
        TSammeldatei *Leer = S.Get(1);
        QCOMPARE(Leer->Titel(), QStringLiteral("Leerer Kurs"));
        QCOMPARE(Leer->Count(), 0);
        QVERIFY(!S.Get(2));
    }

    void findCollectiveLessons()
    {
        TSammellektionen S(nullptr, &FLektionen);
        QVERIFY(S.LoadFiles());
        QCOMPARE(S.FindSammeldatei(QStringLiteral("C:\\irgendwo\\kurs.SAM")), S.Get(0));
        QCOMPARE(S.IndexOf(QStringLiteral("/irgendwo/LEER.sam")), 1);
        QCOMPARE(S.IndexOf(QStringLiteral("Leer.sam")), 1);
        QVERIFY(!S.FindSammeldatei(QString()));
        QVERIFY(!S.FindSammeldatei(QStringLiteral("Fehlt.sam")));
        QCOMPARE(S.IndexOf(QStringLiteral("Notiz.txt")), -1);
        IsProgramClosing = true;
        const int WhileClosing = S.IndexOf(QStringLiteral("Kurs.sam"));
        IsProgramClosing = false;
        QCOMPARE(WhileClosing, -1);
    }

    void collectiveLessonFolders()
    {
        TSammellektionen S(nullptr, &FLektionen);
        QVERIFY(S.LoadFiles());
        FLog.Clear();
        const QString Missing = Lm1() + "Fehlt/";
        QVERIFY(!S.LoadFiles(Lm1() + "Fehlt"));
        const QString Message =
            QStringLiteral("Sammeldateien konnten nicht vom Ordner \"%1\" geladen werden!").arg(Missing);
        QCOMPARE(S.LastErrorString, Message);
        QCOMPARE(LastLog(), Message);
        QCOMPARE(S.Count(), 2); // left as it was
        // A folder without collective lesson files empties the list.
        QVERIFY(!S.LoadFiles(Lm1() + "Texte"));
        QCOMPARE(S.Count(), 0);
    }

    void faultyCollectiveLessonFiles_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<QString>("Message");
        QTest::newRow("missing") << Lm1() + "Sammellektionen/Fehlt.sam"
                                 << "Die Sammeldatei \"%1\" existiert nicht!";
        QTest::newRow("three lines") << FTemp.filePath("sam/Drei.sam") << "Die Sammeldatei \"%1\" ist fehlerhaft!";
        QTest::newRow("[HEADER] in lower case")
            << FTemp.filePath("sam/Klein.sam") << "Die Sammeldatei \"%1\" ist fehlerhaft!";
        QTest::newRow("unreadable") << "/proc/self/mem"
                                    << "Die Sammeldatei \"%1\" konnte nicht geladen werden!";
    }
    void faultyCollectiveLessonFiles()
    {
        QFETCH(QString, File);
        QFETCH(QString, Message);
        Write("sam/Drei.sam", {"[HEADER]", "Titel=Drei", "[FILES]"});
        Write("sam/Klein.sam", {"[header]", "Titel=Klein", "", "[FILES]", "File=Bereich 1\\02 Text.lek"});
        TSammeldatei D(nullptr, TFileInfo::Create(Lm1() + "Sammellektionen/Kurs.sam"), &FLektionen);
        FLog.Clear();
        QVERIFY(!D.LoadFile(TFileInfo::Create(File)));
        QCOMPARE(D.LastErrorString, Message.arg(File));
        QCOMPARE(LastLog(), Message.arg(File));
        // What was read before is kept.
        QCOMPARE(D.Count(), 4);
        QCOMPARE(D.Titel(), QStringLiteral("Ganzer Kurs"));
        QCOMPARE(D.FileInfo().Name, QStringLiteral("Kurs.sam"));
    }

    void collectiveLessonWithoutTitle()
    {
        // Lessons are named relative to the current learning material,
        // wherever the collective lesson file lies.
        const QString File =
            Write("sam/Ohne Titel.sam", {"[HEADER]", "Beschreibung=Ohne Titel", "", "[FILES]",
                                         "  File = Bereich 1\\02 Text.lek", "File=Bereich 1\\02 Text.lek"});
        TSammeldatei D(nullptr, TFileInfo::Create(File), &FLektionen);
        QCOMPARE(D.Titel(), QStringLiteral("-"));
        // "File = ..." is not the key "File=".
        QCOMPARE(D.Count(), 1);
        QCOMPARE(D.Get(0)->Titel(), QStringLiteral("Ein Text"));
        QCOMPARE(LastLog(), QStringLiteral("Die Sammeldatei \"%1\" ist fehlerhaft in Zeile 5 (\"  File = Bereich "
                                           "1\\02 Text.lek\")!")
                                .arg(File));
    }

    void reloadOtherLearningMaterial()
    {
        TLektionen Lektionen(nullptr, nullptr);
        TSammellektionen S(nullptr, &Lektionen);
        QVERIFY(Lektionen.LoadFiles());
        Lektionen.WaitForLists();
        QVERIFY(S.LoadFiles());
        QCOMPARE(S.Count(), 2);
        // The learner chose the other learning material: lessons first, then
        // the collective lessons, which now refer to the new lessons.
        SetLernmaterialPath(QStringLiteral("Lernmaterial-2"));
        QVERIFY(Lektionen.LoadFiles());
        Lektionen.WaitForLists();
        FLog.Clear();
        QVERIFY(S.LoadFiles());
        QCOMPARE(S.Path(), Lm2() + "Sammellektionen/");
        QCOMPARE(S.Count(), 1);
        QCOMPARE(S.Get(0)->Titel(), QStringLiteral("Alles"));
        QCOMPARE(S.Get(0)->Count(), 2);
        QCOMPARE(S.Get(0)->Get(0), Lektionen.FindLektionendatei(Lm2() + "Kapitel/01 Schnellkurs.lek"));
        QCOMPARE(S.Get(0)->Get(1)->Titel(), QStringLiteral("Zeichen lesen a b c"));
        QVERIFY(!S.FindSammeldatei(QStringLiteral("Kurs.sam")));
        QCOMPARE(FLog.Count(), 0);
    }

    void closingStopsCollectiveLessons()
    {
        TSammellektionen S(nullptr, &FLektionen);
        IsProgramClosing = true;
        const bool Loaded = S.LoadFiles();
        IsProgramClosing = false;
        QVERIFY(!Loaded);
        QCOMPARE(S.Count(), 0);
    }

    // --- learning materials ------------------------------------------------------

    void learningMaterials()
    {
        TLernmaterialien M;
        QVERIFY(M.LoadOrdner());
        QCOMPARE(M.Path(), Materialien());
        // Only folders with a valid Lernmaterial.ini, without a message for
        // the others; sorted by title without regard to case.
        QCOMPARE(M.Count(), 2);
        QCOMPARE(M.Get(0).Lernmaterial, QStringLiteral("Lernmaterial-2"));
        QCOMPARE(M.Get(0).Titel, QStringLiteral("anfängerkurs"));
        QCOMPARE(M.Get(0).Beschreibung, QStringLiteral("Ein kleiner zweiter Kurs"));
        QCOMPARE(M.Get(1).Lernmaterial, QStringLiteral("Lernmaterial-1"));
        QCOMPARE(M.Get(1).Titel, QStringLiteral("Testkurs"));
        QCOMPARE(M.Get(1).Beschreibung, QStringLiteral("Ein Kurs für die Tests\r\nmit allen Aufgabentypen"));
        QCOMPARE(FLog.Count(), 0);
        QCOMPARE(M.IndexOf(QStringLiteral("LERNMATERIAL-1")), 1);
        QCOMPARE(M.IndexOf(QStringLiteral("Ohne-Ini")), -1);
        QCOMPARE(M.IndexOf(QStringLiteral("Kopf-mit-Leerzeichen")), -1);
        QCOMPARE(M.IndexOf(QString()), -1);
        QVERIFY(M.Get(2).Lernmaterial.isEmpty());
        QVERIFY(M.Get(-1).Titel.isEmpty());
    }

    void learningMaterialFolders()
    {
        TLernmaterialien M;
        QVERIFY(M.LoadOrdner(Materialien()));
        const QString Missing = Programm() + "Fehlt/";
        QVERIFY(!M.LoadOrdner(Programm() + "Fehlt"));
        const QString Message =
            QStringLiteral("Lernmaterialien konnten nicht vom Ordner \"%1\" geladen werden!").arg(Missing);
        QCOMPARE(M.LastErrorString, Message);
        QCOMPARE(LastLog(), Message);
        QCOMPARE(M.Count(), 2); // left as it was
        // An empty folder: an empty list, and no failure.
        QVERIFY(QDir().mkpath(FTemp.filePath("leer")));
        QVERIFY(M.LoadOrdner(FTemp.filePath("leer")));
        QCOMPARE(M.Count(), 0);
    }

    void learningMaterialWithoutTitle()
    {
        Write("materialien/Zweitkurs/Lernmaterial.ini", {"[HEADER]", "Titel=Zweitkurs", "", "[DIRECTORIES]"});
        Write("materialien/Ohne/Lernmaterial.ini", {"[HEADER]", "Beschreibung=Kein Titel", "", "[DIRECTORIES]"});
        Write("materialien/Erst/Lernmaterial.ini", {"[HEADER]", "Titel=anfänger", "", "[DIRECTORIES]"});
        TLernmaterialien M;
        QVERIFY(M.LoadOrdner(FTemp.filePath("materialien")));
        QCOMPARE(M.Count(), 3);
        QCOMPARE(M.Get(0).Titel, QStringLiteral("-"));
        QCOMPARE(M.Get(0).Beschreibung, QStringLiteral("Kein Titel"));
        QCOMPARE(M.Get(1).Titel, QStringLiteral("anfänger"));
        QCOMPARE(M.Get(2).Titel, QStringLiteral("Zweitkurs"));
    }

    // The learning order a material gives in its header comes first (the
    // shipped three: Basisschrift, Vollschrift, Kurzschrift, though the
    // titles sort otherwise); materials without one follow by title; a
    // value that is no number from 1 is reported and counts as none.
    void learningOrder()
    {
        Write("reihe/Kurz/Lernmaterial.ini", {"[HEADER]", "Titel=Kurzschrift", "Reihenfolge=3", "[DIRECTORIES]"});
        Write("reihe/Voll/Lernmaterial.ini", {"[HEADER]", "Titel=Vollschrift", "reihenfolge=2", "[DIRECTORIES]"});
        Write("reihe/Basis/Lernmaterial.ini", {"[HEADER]", "Titel=Basisschrift", "Reihenfolge=1", "[DIRECTORIES]"});
        Write("reihe/Eigen/Lernmaterial.ini", {"[HEADER]", "Titel=Anhang", "", "[DIRECTORIES]"});
        Write("reihe/Falsch/Lernmaterial.ini", {"[HEADER]", "Titel=Zahlen", "Reihenfolge=zwei", "[DIRECTORIES]"});
        TLernmaterialien M;
        QVERIFY(M.LoadOrdner(FTemp.filePath("reihe")));
        QStringList Titles;
        for (int I = 0; I < M.Count(); ++I)
            Titles << M.Get(I).Titel;
        QCOMPARE(Titles, (QStringList{"Basisschrift", "Vollschrift", "Kurzschrift", "Anhang", "Zahlen"}));
        QVERIFY2(LogLines().join(u'\n').contains(QStringLiteral("Reihenfolge braucht eine Zahl ab 1.")),
                 qPrintable(LogLines().join(u'\n')));

        TLernmaterialien Shipped;
        QVERIFY(Shipped.LoadOrdner(QStringLiteral(TASTWERK_SHARE "/Lernmaterialien")));
        QCOMPARE(Shipped.Get(0).Lernmaterial, QStringLiteral("Lernmaterial-1"));
        QCOMPARE(Shipped.Get(1).Lernmaterial, QStringLiteral("Lernmaterial-2"));
        QCOMPARE(Shipped.Get(2).Lernmaterial, QStringLiteral("Lernmaterial-3"));
    }

    // A folder whose name the settings file cannot hold as it is would, once
    // chosen, lead to another folder after a restart: it is not offered.
    void learningMaterialNameThatCannotBeStored_data()
    {
        QTest::addColumn<QString>("Folder");
        QTest::newRow("trailing CR") << QStringLiteral("Kurs\r");
        QTest::newRow("leading space") << QStringLiteral(" Kurs");
        QTest::newRow("trailing tab") << QStringLiteral("Kurs\t");
        QTest::newRow("backslash") << QStringLiteral("Alt\\Kurs");
    }
    void learningMaterialNameThatCannotBeStored()
    {
        QFETCH(QString, Folder);
        const QString Base = FTemp.filePath(QStringLiteral("namen/"));
        QDir(Base).removeRecursively();
        Write("namen/Kurs/Lernmaterial.ini", {"[HEADER]", "Titel=Richtig", "", "[DIRECTORIES]"});
        Write("namen/" + Folder + "/Lernmaterial.ini", {"[HEADER]", "Titel=Seltsam", "", "[DIRECTORIES]"});
        QVERIFY(QFileInfo::exists(Base + Folder + "/Lernmaterial.ini"));
        TLernmaterialien M;
        QVERIFY(M.LoadOrdner(Base));
        QCOMPARE(M.Count(), 1);
        QCOMPARE(M.Get(0).Lernmaterial, QStringLiteral("Kurs"));
        QCOMPARE(LastLog(), QStringLiteral("Der Lernmaterialordner \"%1\" wird nicht angeboten: sein Name beginnt oder "
                                           "endet mit einem Leer- oder Steuerzeichen oder enthält \"\\\".")
                                .arg(Base + Folder));
    }
};

QTEST_GUILESS_MAIN(tst_Bereiche)
#include "tst_Bereiche.moc"
