// The shipped learning materials loaded as the program loads them: every
// folder of share/Lernmaterialien is a learning material whose data files,
// lessons, collective lessons and areas load without a single message, every
// lesson is one of the eighteen task types and has material in the list its
// exercise draws from (so that no lesson shows only "Kein Wort gefunden!" or
// "Kein Zeichen vorhanden!"), and every area and collective lesson names
// lessons.

#include "braille/BrlUniCharC.h"
#include "content/BereicheC.h"
#include "content/DatenC.h"
#include "content/LektionenC.h"
#include "content/LernmaterialienC.h"
#include "content/PathsC.h"
#include "content/SammellektionenC.h"
#include "content/TypenHelperC.h"
#include "log/LogC.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// One loaded learning material. The members are destroyed in reverse order:
// areas and collective lessons before the lessons they refer to, the lessons
// before the database their lists came from.
struct TMaterial {
    QString Name;
    std::unique_ptr<TDaten> Daten;
    std::unique_ptr<TLektionen> Lektionen;
    std::unique_ptr<TSammellektionen> Sammel;
    std::unique_ptr<TBereiche> Bereiche;
    QStringList Messages; // what the loaders logged, oldest first
};

// A list an exercise draws from, with its size.
struct TDrawnList {
    const char *Name;
    qsizetype Size;
};

// The lists a lesson's exercise is made from: when one is empty, the lesson
// shows a "Kein ... gefunden!" or "... vorhanden!" line, only the heading, or
// a line of fillers instead of an exercise. A word-learning lesson shows its
// characters and then words with them; both halves are expected.
QList<TDrawnList> DrawnLists(const TLektionendatei &L)
{
    const TAufgabenTypSettings &S = L.Settings();
    switch (L.Typ()) {
    case atText:
        return {{"Text", S.FAT_Text_Settings.Text.size()}};
    case atSchnellkurs:
        return {{"Lernzeichenliste", S.FAT_Schnellkurs_Settings.Lernzeichenliste.size()}};
    case atBuchstabenLernen:
        return {{"Lernzeichenliste", S.FAT_BuchstabenLernen_Settings.Lernzeichenliste.size()},
                {"WoerterlisteLernen", S.FAT_BuchstabenLernen_Settings.WoerterlisteLernen.size()}};
    case atVerstecktesZeichen:
        return {{"Lernzeichenliste", S.FAT_VerstecktesZeichen_Settings.Lernzeichenliste.size()}};
    case atVerstecktesWort:
        return {{"WoerterlisteLernen", S.FAT_VerstecktesWort_Settings.WoerterlisteLernen.size()}};
    case atZeichenFinden:
        return {{"Lernzeichenliste", S.FAT_ZeichenFinden_Settings.Lernzeichenliste.size()}};
    case atWortFinden:
        return {{"WoerterlisteLernen", S.FAT_WortFinden_Settings.WoerterlisteLernen.size()}};
    case atZeichenInWortFinden:
        return {{"WoerterlisteLernen", S.FAT_ZeichenInWortFinden_Settings.WoerterlisteLernen.size()}};
    case atFigurFinden:
        return {{"Figurenliste", S.FAT_FigurFinden_Settings.Figurenliste.size()}};
    case atFehlersuche:
        return {{"Fehlersucheliste", S.FAT_Fehlersuche_Settings.Fehlersucheliste.size()}};
    case atZeichenLesen:
        return {{"Lernzeichenliste", S.FAT_ZeichenLesen_Settings.Lernzeichenliste.size()}};
    case atWortLesen:
        return {{"WoerterlisteLernen", S.FAT_WortLesen_Settings.WoerterlisteLernen.size()}};
    case atSatzLesen:
        return {{"Saetzeliste", S.FAT_SatzLesen_Settings.Saetzeliste.size()}};
    case atZeichenTippen:
        return {{"Lernzeichenliste", S.FAT_ZeichenTippen_Settings.Lernzeichenliste.size()}};
    case atWortTippen:
        return {{"WoerterlisteLernen", S.FAT_WortTippen_Settings.WoerterlisteLernen.size()}};
    case atSatzTippen:
        return {{"Saetzeliste", S.FAT_SatzTippen_Settings.Saetzeliste.size()}};
    case atBrueckenwoerter:
        return {{"Brueckenwoerterliste", S.FAT_Brueckenwoerter_Settings.Brueckenwoerterliste.size()}};
    case atLueckentext:
        return {{"Lueckentextliste", S.FAT_Lueckentext_Settings.Lueckentextliste.size()}};
    default:
        return {};
    }
}

} // namespace

class tst_ShippedLessons : public QObject
{
    Q_OBJECT

    TLog FLog{nullptr, QString()};
    QTemporaryDir FTemp;
    TBrlUniChar FTable;
    // Made once the paths are known: they read their files from the data folder.
    std::unique_ptr<TAufgabenTypen> FAufgaben;
    std::unique_ptr<TDatendateiTypen> FDatendateien;
    std::vector<std::unique_ptr<TMaterial>> FMaterials;

    // The log, oldest entry first, without the time stamps; then emptied.
    QStringList TakeLog()
    {
        QStringList Result;
        for (const QString &E : FLog.Strings())
            Result.prepend(E.mid(16));
        FLog.Clear();
        return Result;
    }

    // "Lernmaterial-2/01 Bereich/01 Lektion.lek"
    static QString Relative(const QString &File) { return QDir(LernmaterialienPath).relativeFilePath(File); }

private slots:
    void initTestCase()
    {
        QVERIFY(FTemp.isValid());
        InstallLog(&FLog);
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("test"), FTemp.path());
        FAufgaben = std::make_unique<TAufgabenTypen>();
        FDatendateien = std::make_unique<TDatendateiTypen>();
        BrlUniChar = &FTable;
        AufgabenTypen = FAufgaben.get();
        DatendateiTypen = FDatendateien.get();
        QVERIFY2(FTable.LoadFile(), qPrintable(FTable.LastErrorString));
        QVERIFY2(FAufgaben->LoadFile(), qPrintable(FAufgaben->LastErrorString));
        QVERIFY2(FDatendateien->LoadFile(), qPrintable(FDatendateien->LastErrorString));
        QCOMPARE(TakeLog(), QStringList());

        TLernmaterialien Lernmaterialien;
        QVERIFY(Lernmaterialien.LoadOrdner());
        const QStringList Folders = QDir(LernmaterialienPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY2(!Folders.isEmpty(), "no learning material in share/Lernmaterialien");
        for (const QString &Name : Folders) {
            // A folder that is no learning material would never be offered.
            QVERIFY2(
                Lernmaterialien.IndexOf(Name) >= 0,
                qPrintable(Name + QStringLiteral(": Lernmaterial.ini is missing or does not begin with [HEADER]")));
            SetLernmaterialPath(Name);
            auto M = std::make_unique<TMaterial>();
            M->Name = Name;
            M->Daten = std::make_unique<TDaten>();
            M->Lektionen = std::make_unique<TLektionen>(nullptr, M->Daten.get());
            M->Lektionen->SetListsInline(true);
            M->Sammel = std::make_unique<TSammellektionen>(nullptr, M->Lektionen.get());
            M->Bereiche = std::make_unique<TBereiche>(nullptr, M->Lektionen.get());
            M->Daten->LoadFiles();
            M->Lektionen->LoadFiles();
            M->Lektionen->WaitForLists();
            M->Sammel->LoadFiles();
            M->Bereiche->LoadFile();
            M->Messages = TakeLog();
            FMaterials.push_back(std::move(M));
        }
    }

    void cleanupTestCase()
    {
        FMaterials.clear();
        BrlUniChar = nullptr;
        AufgabenTypen = nullptr;
        DatendateiTypen = nullptr;
        InstallLog(nullptr);
    }

    void loadsWithoutMessages_data()
    {
        QTest::addColumn<int>("material");
        for (int I = 0; I < int(FMaterials.size()); ++I)
            QTest::newRow(qPrintable(FMaterials[I]->Name)) << I;
    }

    void loadsWithoutMessages()
    {
        QFETCH(int, material);
        const TMaterial &M = *FMaterials[material];
        QVERIFY2(M.Messages.isEmpty(), qPrintable(M.Messages.join(u'\n')));
        QVERIFY2(M.Bereiche->Count() > 0, "no area");
    }

    void lessonHasMaterial_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("lesson");
        for (int I = 0; I < int(FMaterials.size()); ++I) {
            const TLektionen &Lektionen = *FMaterials[I]->Lektionen;
            for (int J = 0; J < Lektionen.Count(); ++J)
                QTest::newRow(qPrintable(Relative(Lektionen.Get(J)->FileInfo().GetFilename()))) << I << J;
        }
    }

    void lessonHasMaterial()
    {
        QFETCH(int, material);
        QFETCH(int, lesson);
        const TLektionendatei &L = *FMaterials[material]->Lektionen->Get(lesson);
        QVERIFY2(L.Typ() >= atText && L.Typ() <= atLueckentext,
                 qPrintable(QStringLiteral("task type %1 has no exercise").arg(AufgabenTypKey(L.Typ()))));
        QVERIFY2(L.Hinweise().isEmpty(), qPrintable(L.Hinweise().join(u'\n')));
        for (const TDrawnList &List : DrawnLists(L))
            QVERIFY2(
                List.Size > 0,
                qPrintable(QStringLiteral("%1: %2 is empty").arg(AufgabenTypKey(L.Typ()), QLatin1String(List.Name))));
    }

    void areaNamesLessons_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("area");
        for (int I = 0; I < int(FMaterials.size()); ++I) {
            const TBereiche &Bereiche = *FMaterials[I]->Bereiche;
            for (int J = 0; J < Bereiche.Count(); ++J)
                QTest::newRow(qPrintable(FMaterials[I]->Name + u'/' + Bereiche.Get(J).Bereich)) << I << J;
        }
    }

    void areaNamesLessons()
    {
        QFETCH(int, material);
        QFETCH(int, area);
        QVERIFY(!FMaterials[material]->Bereiche->Get(area).Lektionen.isEmpty());
    }

    void collectiveLessonNamesLessons_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("sam");
        for (int I = 0; I < int(FMaterials.size()); ++I) {
            const TSammellektionen &Sammel = *FMaterials[I]->Sammel;
            for (int J = 0; J < Sammel.Count(); ++J)
                QTest::newRow(qPrintable(Relative(Sammel.Get(J)->FileInfo().GetFilename()))) << I << J;
        }
    }

    void collectiveLessonNamesLessons()
    {
        QFETCH(int, material);
        QFETCH(int, sam);
        QVERIFY(FMaterials[material]->Sammel->Get(sam)->Count() > 0);
    }
};

QTEST_GUILESS_MAIN(tst_ShippedLessons)
#include "tst_ShippedLessons.moc"
