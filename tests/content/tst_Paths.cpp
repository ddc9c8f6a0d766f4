#include "app/SettingsC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The program's folder tree: where content is read and where the program
// writes, switching learning material and area, creating missing folders.
class tst_Paths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void portableCopy()
    {
        QTemporaryDir Dir;
        const QString P = Dir.path() + '/';
        InitPaths(P, QStringLiteral("anna"));
        QCOMPARE(ProgramPath, P);
        QCOMPARE(UserDataPath, P);
        QCOMPARE(ProfilePath, P + "Benutzer/anna/");
        QCOMPARE(LogPath, ProfilePath);
        QCOMPARE(LernmaterialienPath, P + "Lernmaterialien/");
        QCOMPARE(LernmaterialPath, P + "Lernmaterialien/Lernmaterial-1/");
        QCOMPARE(DatenbankenPath, P + "Lernmaterialien/Lernmaterial-1/Datenbanken/");
        QCOMPARE(SammellektionenPath, P + "Lernmaterialien/Lernmaterial-1/Sammellektionen/");
        QCOMPARE(TextePath, P + "Lernmaterialien/Lernmaterial-1/Texte/");
        QCOMPARE(ProgramTextePath, TextePath);
        QCOMPARE(BereichPath, LernmaterialPath);
        QCOMPARE(DataPath, P + "Data/");
        QCOMPARE(HilfePath, P + "Hilfe/");
        QCOMPARE(HilfetextePath, P + "Hilfetexte/");
        QCOMPARE(SoundsPath, P + "Sounds/");
        QVERIFY(DesktopLinkFile.endsWith(QStringLiteral("/tastwerk.desktop")));
        QVERIFY(CommonDesktopLinkFile.isEmpty());
    }

    void separateWritableFolder()
    {
        // An installed copy reads its tree and writes into the user's folder,
        // keeping the same relative layout.
        QTemporaryDir Program;
        QTemporaryDir User;
        InitPaths(Program.path(), QStringLiteral("ben"), User.path());
        const QString U = User.path() + '/';
        const QString P = Program.path() + '/';
        QCOMPARE(ProfilePath, U + "Benutzer/ben/");
        QCOMPARE(HilfePath, U + "Hilfe/");
        QCOMPARE(TextePath, U + "Lernmaterialien/Lernmaterial-1/Texte/");
        QCOMPARE(ProgramTextePath, P + "Lernmaterialien/Lernmaterial-1/Texte/");
        QCOMPARE(DatenbankenPath, P + "Lernmaterialien/Lernmaterial-1/Datenbanken/");
        QCOMPARE(DataPath, P + "Data/");
    }

    void findProgramFolder()
    {
        QTemporaryDir Dir;
        const QString Root = Dir.path();
        QVERIFY(QDir(Root).mkpath("portable/Data"));
        QVERIFY(QDir(Root).mkpath("usr/bin"));
        QVERIFY(QDir(Root).mkpath("usr/share/tastwerk/Data"));
        QCOMPARE(FindProgramFolder(Root + "/portable"), Root + "/portable/");
        QCOMPARE(FindProgramFolder(Root + "/usr/bin"), Root + "/usr/share/tastwerk/");
    }

    void setLernmaterialPath_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Selected");
        QTest::newRow("Windows path") << QStringLiteral("D:\\x\\Lernmaterial-2\\") << QStringLiteral("Lernmaterial-2");
        QTest::newRow("Unix path") << QStringLiteral("/x/Lernmaterial-3/") << QStringLiteral("Lernmaterial-3");
        QTest::newRow("bare name") << QStringLiteral("Mein Kurs") << QStringLiteral("Mein Kurs");
        // Stored as the settings file reads it back.
        QTest::newRow("blank after the separator") << QStringLiteral("x/ Kurs") << QStringLiteral("Kurs");
        QTest::newRow("control character after the separator")
            << QStringLiteral("x\\\tKurs ") << QStringLiteral("Kurs");
        // Never a way out of the learning materials folder.
        QTest::newRow("parent folder") << QStringLiteral("../..") << QString();
        QTest::newRow("this folder") << QStringLiteral("x/.") << QString();
    }
    void setLernmaterialPath()
    {
        QFETCH(QString, Name);
        QFETCH(QString, Selected);
        InitPaths(QStringLiteral("/p/"), QStringLiteral("anna"), QStringLiteral("/u/"));
        SetBereichPath(QStringLiteral("Bereich 1"));
        SetLernmaterialPath(Name);
        QCOMPARE(LernmaterialPath, "/p/Lernmaterialien/" + Selected + '/');
        QCOMPARE(DatenbankenPath, LernmaterialPath + "Datenbanken/");
        QCOMPARE(SammellektionenPath, LernmaterialPath + "Sammellektionen/");
        QCOMPARE(TextePath, "/u/Lernmaterialien/" + Selected + "/Texte/");
        QCOMPARE(BereichPath, LernmaterialPath); // a new learning material clears the area
        // What is saved is what is read.
        QCOMPARE(GetAktLernmaterialName(), Selected);
        SetAktLernmaterialName(TrimCtl(GetAktLernmaterialName()));
        QCOMPARE(LernmaterialPath, "/p/Lernmaterialien/" + Selected + '/');
    }

    void setBereichPath()
    {
        InitPaths(QStringLiteral("/p/"), QStringLiteral("anna"), QStringLiteral("/u/"));
        SetBereichPath(QStringLiteral("Teil\\Bereich 3"));
        QCOMPARE(BereichPath, LernmaterialPath + "Bereich 3/");
        SetBereichPath(QString());
        QCOMPARE(BereichPath, LernmaterialPath);
        SetBereichPath(QStringLiteral("Teil/ Bereich 4\t"));
        QCOMPARE(GetAktBereichName(), QStringLiteral("Bereich 4"));
        SetBereichPath(QStringLiteral(".."));
        QCOMPARE(BereichPath, LernmaterialPath);
    }

    void createFolders()
    {
        QTemporaryDir Dir;
        InitPaths(Dir.path(), QStringLiteral("anna"));
        TLog Log(nullptr, QString());
        InstallLog(&Log);
        CreateFolders();
        InstallLog(nullptr);
        QCOMPARE(Log.Count(), 0);
        for (const QString *P : {&ProfilePath, &LernmaterialienPath, &DatenbankenPath, &SammellektionenPath, &TextePath,
                                 &HilfePath, &SoundsPath})
            QVERIFY2(QFileInfo(*P).isDir(), qPrintable(*P));
        QVERIFY(!QFileInfo::exists(DataPath)); // comes with the program, never created
    }

    void createFoldersReportsEachFailureAndGoesOn()
    {
        // A file where the profile folder's parent should be: the profile
        // cannot be created (also not as root), the other folders still are.
        QTemporaryDir Dir;
        InitPaths(Dir.path(), QStringLiteral("anna"));
        QFile Blocker(Dir.path() + "/Benutzer");
        QVERIFY(Blocker.open(QIODevice::WriteOnly));
        Blocker.close();
        TLog Log(nullptr, QString());
        InstallLog(&Log);
        CreateFolders();
        InstallLog(nullptr);
        QCOMPARE(Log.Count(), 1);
        QVERIFY(Log.Get(0).endsWith(
            QStringLiteral("Der Profile-Ordner \"%1\" konnte nicht angelegt werden!").arg(ProfilePath)));
        QVERIFY(QFileInfo(DatenbankenPath).isDir());
        QVERIFY(QFileInfo(SoundsPath).isDir());
    }

    void installedCopyCreatesOnlyTheUsersFolders()
    {
        QTemporaryDir Program;
        QTemporaryDir User;
        InitPaths(Program.path(), QStringLiteral("anna"), User.path());
        CreateFolders();
        QVERIFY(QFileInfo(ProfilePath).isDir());
        QVERIFY(QFileInfo(TextePath).isDir());
        QVERIFY(QFileInfo(HilfePath).isDir());
        QVERIFY(!QFileInfo::exists(LernmaterialienPath));
        QVERIFY(!QFileInfo::exists(SoundsPath));
    }
};

QTEST_GUILESS_MAIN(tst_Paths)
#include "tst_Paths.moc"
