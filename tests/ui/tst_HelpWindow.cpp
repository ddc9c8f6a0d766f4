#include "app/SettingsC.h"
#include "help/HelpWindowC.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

// Help never fails silently: when no program of the desktop opens a page
// (no opener at all, or one that reports failure), the page opens in the
// program's own help window, whose links work by keyboard. A working opener
// is left to do its job. The openers are real programs on a PATH of the
// test's own.
class tst_HelpWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir FDir;
    QByteArray FPath;

    QString Page(const QString &Name, const QString &Title, const QString &Body)
    {
        const QString File = FDir.filePath(Name);
        QFile F(File);
        F.open(QIODevice::WriteOnly);
        F.write(QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>").arg(Title, Body).toUtf8());
        return File;
    }
    // A PATH holding only an xdg-open that runs Script, or none.
    void Opener(const QByteArray &Script)
    {
        const QString Bin = FDir.filePath(QStringLiteral("bin"));
        QDir(Bin).removeRecursively();
        QDir().mkpath(Bin);
        if (!Script.isEmpty()) {
            QFile F(Bin + QStringLiteral("/xdg-open"));
            QVERIFY(F.open(QIODevice::WriteOnly));
            F.write("#!/bin/sh\n" + Script + "\n");
            F.close();
            F.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", Bin.toLocal8Bit());
    }

private slots:
    void initTestCase()
    {
        FPath = qgetenv("PATH");
        Page(QStringLiteral("Zwei.html"), QStringLiteral("Zweite Seite"),
             QStringLiteral("<p>Hier ist Seite zwei.</p>"));
    }
    void cleanup()
    {
        qputenv("PATH", FPath);
        OnHelpWindowShown = nullptr;
    }

    void noWorkingOpenerOpensTheHelpWindow_data()
    {
        QTest::addColumn<QByteArray>("Script"); // empty: no opener at all
        QTest::newRow("no opener") << QByteArray();
        QTest::newRow("opener finds no program") << QByteArray("echo 'xdg-open: no method available' >&2; exit 3");
        QTest::newRow("opener fails") << QByteArray("exit 4");
    }
    void noWorkingOpenerOpensTheHelpWindow()
    {
        QFETCH(QByteArray, Script);
        Opener(Script);
        const QString Eins = Page(
            QStringLiteral("Eins.html"), QStringLiteral("Erste Seite"),
            QStringLiteral("<h1>Erste Seite</h1><p>Ein Absatz.</p><p><a href=\"Zwei.html\">Weiter zu zwei</a></p>"));
        QStringList Seen;
        bool Shown = false;
        OnHelpWindowShown = [&](THelpWindow *W) {
            Shown = true;
            QApplication::setActiveWindow(W);
            Seen << W->windowTitle() << W->Browser->toPlainText().simplified();
            QCOMPARE(QApplication::focusWidget(), W->Browser);
            // Tab reaches the link, Enter follows it.
            QTest::keyClick(W->Browser, Qt::Key_Tab);
            QTest::keyClick(W->Browser, Qt::Key_Return);
            Seen << W->windowTitle() << W->Browser->toPlainText().simplified();
            QVERIFY(W->BtnZurueck->isEnabled());
            QTest::keyClick(W->Browser, Qt::Key_Escape);
        };
        OpenHelpPage(Eins);
        QTRY_VERIFY_WITH_TIMEOUT(Shown, 10000);
        QCOMPARE(Seen, (QStringList{"Hilfe - Erste Seite", "Erste Seite Ein Absatz. Weiter zu zwei",
                                    "Hilfe - Zweite Seite", "Hier ist Seite zwei."}));
    }

    void workingOpenerIsUsed()
    {
        const QString Marker = FDir.filePath(QStringLiteral("geoeffnet"));
        Opener("echo \"$1\" > '" + Marker.toLocal8Bit() + "'");
        bool Shown = false;
        OnHelpWindowShown = [&](THelpWindow *W) {
            Shown = true;
            W->reject();
        };
        OpenHelpPage(FDir.filePath(QStringLiteral("Zwei.html")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Marker), 10000);
        QTest::qWait(200);
        QVERIFY(!Shown);
    }
};

QTEST_MAIN(tst_HelpWindow)
#include "tst_HelpWindow.moc"
