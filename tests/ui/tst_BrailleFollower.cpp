#include "common/BrailleFollowerC.h"

#include "BrailleDisplay.h"
#include "RecordingSpeech.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

// With no screen reader running but BRLTTY, the program shows on the
// display what has the focus, and follows the caret. Lines are compared as
// the display's dots; BRLTTY is started by the test on a port of its own.
class tst_BrailleFollower : public QObject
{
    Q_OBJECT

    TBrailleDisplay FDisplay;
    std::unique_ptr<TRecordingSpeech> FSpeech;

private slots:
    void initTestCase()
    {
        qputenv("BRLAPI_HOST", TBrailleDisplay::Host);
        QVERIFY(FDisplay.Start());
        qputenv("BRLAPI_AUTH", FDisplay.KeyFile().toLocal8Bit());
        FSpeech = std::make_unique<TRecordingSpeech>();
        EnsureBrailleFollower();
        QCOMPARE(Speech->Tolk().DetectScreenReader(), QStringLiteral("BRLTTY"));
    }
    void cleanupTestCase() { FSpeech.reset(); }

    // What each kind of control puts on the display, and where the caret is.
    void lineOfTheFocus_data()
    {
        QTest::addColumn<QString>("Kind");
        QTest::addColumn<QString>("Line");
        QTest::addColumn<int>("Caret");
        QTest::newRow("text pane: the line at the caret") << "pane" << QStringLiteral("⠉⠙⠑") << 1;
        QTest::newRow("field: label and value") << "field" << QStringLiteral("Name: Anna") << 10;
        QTest::newRow("password: hidden") << "password" << QStringLiteral("Kennwort: ***") << 13;
        QTest::newRow("button") << "button" << QStringLiteral("Weiter") << -1;
        QTest::newRow("check box") << "check" << QStringLiteral("<x> Töne") << -1;
        QTest::newRow("combo box") << "combo" << QStringLiteral("Stimme: Anna") << -1;
        QTest::newRow("list") << "list" << QStringLiteral("Zwei") << -1;
        QTest::newRow("table: the row") << "table" << QStringLiteral("j ⠚  86 %") << -1;
    }
    void lineOfTheFocus()
    {
        QFETCH(QString, Kind);
        QFETCH(QString, Line);
        QFETCH(int, Caret);
        QWidget W;
        auto *Lay = new QVBoxLayout(&W);
        QWidget *Focus = nullptr;
        const auto Labeled = [&](const QString &Label, QWidget *Control) {
            auto *L = new QLabel(Label, &W);
            L->setBuddy(Control);
            Lay->addWidget(L);
            Lay->addWidget(Control);
            Focus = Control;
        };
        if (Kind == u"pane") {
            auto *P = new QPlainTextEdit(QStringLiteral("⠁⠃\n⠉⠙⠑"), &W);
            QTextCursor C = P->textCursor();
            C.setPosition(4);
            P->setTextCursor(C);
            Lay->addWidget(Focus = P);
        } else if (Kind == u"field" || Kind == u"password") {
            auto *E = new QLineEdit(Kind == u"field" ? QStringLiteral("Anna") : QStringLiteral("geh"), &W);
            if (Kind == u"password")
                E->setEchoMode(QLineEdit::Password);
            Labeled(Kind == u"field" ? QStringLiteral("&Name:") : QStringLiteral("&Kennwort:"), E);
        } else if (Kind == u"button") {
            Lay->addWidget(Focus = new QPushButton(QStringLiteral("&Weiter"), &W));
        } else if (Kind == u"check") {
            auto *B = new QCheckBox(QStringLiteral("&Töne"), &W);
            B->setChecked(true);
            Lay->addWidget(Focus = B);
        } else if (Kind == u"combo") {
            auto *B = new QComboBox(&W);
            B->addItems({QStringLiteral("Keine"), QStringLiteral("Anna")});
            B->setCurrentIndex(1);
            Labeled(QStringLiteral("&Stimme:"), B);
        } else if (Kind == u"list") {
            auto *L = new QListWidget(&W);
            L->addItems({QStringLiteral("Eins"), QStringLiteral("Zwei")});
            L->setCurrentRow(1);
            Lay->addWidget(Focus = L);
        } else if (Kind == u"table") {
            auto *T = new QTableWidget(1, 2, &W);
            T->setItem(0, 0, new QTableWidgetItem(QStringLiteral("j ⠚")));
            T->setItem(0, 1, new QTableWidgetItem(QStringLiteral("86 %")));
            T->setCurrentCell(0, 0);
            Lay->addWidget(Focus = T);
        }
        int Got = -2;
        QCOMPARE(BrailleLineOf(Focus, &Got), Line);
        QCOMPARE(Got, Caret);
    }

    // The display follows the focus and the caret of a text pane.
    void displayFollowsTheCaret()
    {
        QWidget W;
        auto *Lay = new QVBoxLayout(&W);
        auto *Btn = new QPushButton(QStringLiteral("⠃"), &W);
        auto *P = new QPlainTextEdit(QStringLiteral("⠁⠃\n⠉⠙⠑"), &W);
        Lay->addWidget(Btn);
        Lay->addWidget(P);
        W.show();
        QApplication::setActiveWindow(&W);
        QVERIFY(QTest::qWaitForWindowActive(&W));
        Btn->setFocus();
        QVERIFY2(FDisplay.WaitFor(QStringLiteral("Braille \"12| |"), 10000), qPrintable(FDisplay.Received()));
        P->setFocus();
        // The caret at the start of the first line: dots 7 and 8 in cell 1.
        QVERIFY2(FDisplay.WaitFor(QStringLiteral("Braille \"178|12| |"), 10000), qPrintable(FDisplay.LastBraille(10)));
        QTest::keyClick(P, Qt::Key_Down);
        QVERIFY(FDisplay.WaitFor(QStringLiteral("Braille \"1478|145|15| |"), 10000));
        QTest::keyClick(P, Qt::Key_Right);
        QVERIFY(FDisplay.WaitFor(QStringLiteral("Braille \"14|14578|15| |"), 10000));
    }

    // A question: its text first, then the buttons as the learner moves.
    void questionTextFirst()
    {
        QWidget W;
        auto *Lay = new QVBoxLayout(&W);
        auto *P = new QPlainTextEdit(QStringLiteral("⠁"), &W);
        Lay->addWidget(P);
        W.show();
        QApplication::setActiveWindow(&W);
        QVERIFY(QTest::qWaitForWindowActive(&W));
        P->setFocus();
        QVERIFY(FDisplay.WaitFor(QStringLiteral("Braille \"178| |"), 10000));
        QMessageBox Box(QMessageBox::Question, QStringLiteral("Frage"), QStringLiteral("⠋⠗⠁⠛⠑"),
                        QMessageBox::Yes | QMessageBox::No, &W);
        Box.setDefaultButton(QMessageBox::Yes);
        Box.button(QMessageBox::Yes)->setText(QStringLiteral("⠚"));
        Box.button(QMessageBox::No)->setText(QStringLiteral("⠝"));
        Box.open();
        QApplication::setActiveWindow(&Box);
        QVERIFY(QTest::qWaitForWindowActive(&Box));
        QVERIFY(FDisplay.WaitFor(QStringLiteral("Braille \"124|1235|1|1245|15| |"), 10000));
        Box.button(QMessageBox::No)->setFocus();
        QVERIFY(FDisplay.WaitFor(QStringLiteral("Braille \"1345| |"), 10000));
        Box.done(QMessageBox::No);
    }
};

QTEST_MAIN(tst_BrailleFollower)
#include "tst_BrailleFollower.moc"
