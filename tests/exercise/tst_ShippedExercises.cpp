#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/LektionenC.h"
#include "content/PathsC.h"
#include "content/RandomC.h"
#include "exercise/ExerciseC.h"
#include "log/LogC.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// Ten exercises of every shipped lesson, at three braille line widths, as
// the exercise window makes them: none fails, none leaves the exercise line
// empty, and none is wider than the braille line where the lesson keeps to
// it (characters, words and finding lines always; sentences when the lesson
// asks for it; gap texts, error search and bridge words are as long as their
// record).
namespace {
bool KeepsToWidth(const TLektionendatei &L)
{
    switch (L.Typ()) {
    case atSatzLesen:
        return L.Settings().FAT_SatzLesen_Settings.CheckBraillezeilenbreite;
    case atSatzTippen:
        return L.Settings().FAT_SatzTippen_Settings.CheckBraillezeilenbreite;
    case atFehlersuche:
    case atBrueckenwoerter:
    case atLueckentext:
        return false;
    default:
        return true;
    }
}
} // namespace

class tst_ShippedExercises : public QObject
{
    Q_OBJECT

    QTemporaryDir FUser;
    TBrlUniChar FTable;
    TLog FLog{nullptr, QString()};

private slots:
    void initTestCase()
    {
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("test"), FUser.path());
        QVERIFY(FTable.LoadFile());
        BrlUniChar = &FTable;
        InstallLog(&FLog);
    }
    void cleanupTestCase()
    {
        BrlUniChar = nullptr;
        InstallLog(nullptr);
        BrailleChars = 40;
    }

    void everyLesson_data()
    {
        QTest::addColumn<QString>("Material");
        QTest::addColumn<int>("Width");
        const QStringList Materials =
            QDir(LernmaterialienPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY(Materials.size() >= 2);
        for (const QString &M : Materials)
            for (int Width : {20, 40, 80})
                QTest::addRow("%s, %d cells", qPrintable(M), Width) << M << Width;
    }
    void everyLesson()
    {
        QFETCH(QString, Material);
        QFETCH(int, Width);
        SetLernmaterialPath(Material);
        TDaten Daten;
        TLektionen Lektionen(nullptr, &Daten);
        Lektionen.SetListsInline(true);
        QVERIFY(Daten.LoadFiles());
        QVERIFY(Lektionen.LoadFiles());
        FLog.Clear();
        BrailleChars = Width;
        RandSeed(quint64(Width));
        for (int I = 0; I < Lektionen.Count(); ++I) {
            const TLektionendatei *L = Lektionen.Get(I);
            const QString Name = L->FileInfo().Name;
            const TExerciseGroup Group = ExerciseGroup(L->Typ());
            QVERIFY2(Group != egNone, qPrintable(Name));
            TExercise E;
            for (int N = 0; N < 10; ++N) {
                const QString Task = E.Next(L->Settings(), L->Typ(), N % 3 != 2);
                QVERIFY2(!Task.isEmpty(), qPrintable(Name));
                const QStringList Lines = E.Memo.Text().split(QStringLiteral("\r\n"));
                QVERIFY2(!Task.startsWith(QStringLiteral("Kein")), qPrintable(Name + ": " + Task));
                if (Group == egText)
                    continue; // texts and tables are read with the arrow keys
                QVERIFY2(Lines.size() >= 2, qPrintable(Name));
                const QString &Line = Lines[1];
                QVERIFY2(!Line.trimmed().isEmpty(), qPrintable(Name + ": empty exercise line"));
                // A line never passes the braille line, but for a single
                // item that is longer on its own.
                const bool SingleItem = !Line.trimmed().contains(u' ');
                if (KeepsToWidth(*L))
                    QVERIFY2(Line.size() <= Width || SingleItem,
                             qPrintable(QStringLiteral("%1: %2 cells: %3").arg(Name).arg(Line.size()).arg(Line)));
                if (Group == egFind)
                    QVERIFY2(E.ClickPos.Count() > 0, qPrintable(Name + ": no target"));
                if (Group == egType)
                    QVERIFY2(E.TippenPos.Count() > 0, qPrintable(Name + ": no field"));
            }
        }
        QCOMPARE(FLog.Strings(), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_ShippedExercises)
#include "tst_ShippedExercises.moc"
