#include "app/SettingsC.h"
#include "common/AccessibilityC.h"
#include "common/DisplayHelperC.h"
#include "common/LabeledEditC.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

// What every window takes from the shared display helper: shortcut names,
// captions, sizes and colours from the learner's settings.
class tst_DisplayHelper : public QObject
{
    Q_OBJECT

private slots:
    void shortCutToText_data()
    {
        QTest::addColumn<QKeySequence>("Key");
        QTest::addColumn<QString>("Text");
        QTest::newRow("function key") << QKeySequence(Qt::Key_F4) << "F4";
        QTest::newRow("Ctrl") << QKeySequence(Qt::CTRL | Qt::Key_M) << "Strg+M";
        QTest::newRow("Alt") << QKeySequence(Qt::ALT | Qt::Key_F4) << "Alt+F4";
        QTest::newRow("Shift") << QKeySequence(Qt::SHIFT | Qt::Key_F1) << "Umsch+F1";
        QTest::newRow("arrow") << QKeySequence(Qt::CTRL | Qt::Key_Down) << "Strg+Ab";
        QTest::newRow("none") << QKeySequence() << "";
    }
    void shortCutToText()
    {
        QFETCH(QKeySequence, Key);
        QFETCH(QString, Text);
        QCOMPARE(ShortCutToText(Key), Text);
    }

    void stripAmpersands_data()
    {
        QTest::addColumn<QString>("Caption");
        QTest::addColumn<QString>("Stripped");
        QTest::newRow("one") << "Einzel&lektion"
                             << "Einzellektion";
        QTest::newRow("doubled goes too") << "A&&B"
                                          << "AB";
        QTest::newRow("none") << "OK"
                              << "OK";
    }
    void stripAmpersands()
    {
        QFETCH(QString, Caption);
        QFETCH(QString, Stripped);
        QCOMPARE(StripAmpersands(Caption), Stripped);
    }

    void controlHeightByKind()
    {
        const QFont F(QStringLiteral("DejaVu Sans"), 12);
        const int M = QFontMetrics(F).height();
        QPushButton Button;
        QCheckBox Check;
        QStatusBar Bar;
        QLabel Label;
        QCOMPARE(ControlHeightForFont(F, &Button), M + 12);
        QCOMPARE(ControlHeightForFont(F, &Check), M + 8);
        QCOMPARE(ControlHeightForFont(F, &Bar), M + 6);
        QCOMPARE(ControlHeightForFont(F, &Label), M);
        QCOMPARE(TextWidthForFont(F, QStringLiteral("MM")), QFontMetrics(F).horizontalAdvance(QStringLiteral("MM ")));
    }

    void windowsColoursAndFonts()
    {
        QCOMPARE(ToQColor(0x0000FF), QColor(255, 0, 0)); // 0x00BBGGRR
        QCOMPARE(ToWinColor(QColor(1, 2, 3)), 0x030201u);
        TAktFont F;
        F.Name = QStringLiteral("Courier New");
        F.Size = 14;
        F.Bold = true;
        const QFont Q = ToQFont(F);
        QCOMPARE(Q.family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(Q.pointSize(), 14);
        QVERIFY(Q.bold());
    }

    void lineEditAsTheScreenReaderSeesIt_data()
    {
        QTest::addColumn<int>("Offset");
        QTest::addColumn<int>("Boundary");
        QTest::addColumn<QString>("At");
        const int Word = QAccessible::WordBoundary, Char = QAccessible::CharBoundary;
        QTest::newRow("word at the start") << 0 << Word << "Berta ";
        QTest::newRow("last word") << 8 << Word << "Müller";
        QTest::newRow("word at the end: nothing, and no endless loop") << 12 << Word << "";
        QTest::newRow("last character") << 11 << Char << "r";
        QTest::newRow("character at the end") << 12 << Char << "";
    }
    void lineEditAsTheScreenReaderSeesIt()
    {
        QFETCH(int, Offset);
        QFETCH(int, Boundary);
        QFETCH(QString, At);
        InstallAccessibilityMends();
        QWidget W;
        auto *Edit = new QLineEdit(QStringLiteral("Berta Müller"), &W);
        Edit->setAccessibleName(QStringLiteral("Name"));
        QAccessibleInterface *I = QAccessible::queryAccessibleInterface(Edit);
        QVERIFY(I && I->textInterface());
        int Start = -1, End = -1;
        QCOMPARE(I->textInterface()->textAtOffset(Offset, QAccessible::TextBoundaryType(Boundary), &Start, &End), At);
        // One run of attributes over the whole text: the screen reader
        // reads the last character too.
        I->textInterface()->attributes(5, &Start, &End);
        QCOMPARE(Start, 0);
        QCOMPARE(End, 12);
        QCOMPARE(I->text(QAccessible::Value), QStringLiteral("Berta Müller"));
        QCOMPARE(I->text(QAccessible::Name), QStringLiteral("Name"));
    }

    void labeledEdit_namesItsField()
    {
        QWidget W;
        TLabeledEdit L(QStringLiteral("Datei&name:"), &W);
        QCOMPARE(L.EditLabel->buddy(), L.Edit);
        QCOMPARE(L.Edit->accessibleName(), QStringLiteral("Dateiname"));
        L.Place(10, 10, 200, 30);
        QCOMPARE(L.Edit->x(), L.EditLabel->width() + TLabeledEdit::LabelSpacing);
    }

    void applyByKindOfControl()
    {
        AktFont = TAktFont();
        AktFont.Size = 13;
        AktFont.Color = 0x000080;
        AktBackColor = 0x00FFFF; // yellow
        BrailleSize = 3;
        QWidget W;
        auto *Label = new QLabel(QStringLiteral("L"), &W);
        auto *Pane = new QPlainTextEdit(&W);
        auto *Button = new QPushButton(QStringLiteral("B"), &W);
        const QPalette ButtonBefore = Button->palette();
        ApplyDisplaySettings(&W);
        QCOMPARE(Label->font().pointSize(), 13);
        QCOMPARE(Pane->font().pointSize(), 16);
        QCOMPARE(Pane->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(Pane->palette().color(QPalette::Text), QColor(128, 0, 0));
        QCOMPARE(Button->font().pointSize(), 13);
        QCOMPARE(Button->palette().color(QPalette::Button), ButtonBefore.color(QPalette::Button));
        AktFont = TAktFont();
        AktBackColor = 0xFFFFFF;
        BrailleSize = 3;
    }
};

QTEST_MAIN(tst_DisplayHelper)
#include "tst_DisplayHelper.moc"
