#include "app/SettingsC.h"
#include "common/AccessibilityC.h"
#include "common/LabeledEditC.h"
#include "content/PathsC.h"
#include "help/HelpSystemC.h"
#include "main/ProgramStartC.h"
#include "settings/BackFontDlgC.h"
#include "settings/BrailleCharsDlgC.h"
#include "sound/SoundsHelperC.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TBrailleCharsDlgTyp)

namespace
{
// Answers the next standard message box with the button whose text is
// Answer, and keeps the box's text.
void AnswerMessageBox(const QString &Answer, QString *Seen)
{
    QTimer::singleShot(50, [Answer, Seen] {
        auto *Box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!Box)
            return;
        *Seen = Box->text();
        for (QAbstractButton *B : Box->buttons())
            if (B->text().remove(QLatin1Char('&')) == Answer) {
                B->click();
                return;
            }
        Box->reject();
    });
}

// Runs Inspect on the number dialog once it is up (modal), then makes sure
// it closes; the dialog's result.
int ShowNumberDlg(TBrailleCharsDlgTyp Modus, const std::function<void(TBrailleCharsDlg *)> &Inspect)
{
    // The poll refers to itself weakly: this function keeps it alive while
    // the dialog runs, and nothing is left over afterwards.
    auto Wait = std::make_shared<std::function<void()>>();
    *Wait = [Inspect, Self = std::weak_ptr<std::function<void()>>(Wait)] {
        auto *D = qobject_cast<TBrailleCharsDlg *>(QApplication::activeModalWidget());
        if (!D || !D->isVisible()) {
            if (auto Poll = Self.lock())
                QTimer::singleShot(10, *Poll);
            return;
        }
        QApplication::setActiveWindow(D);
        Inspect(D);
        // A dialog the inspection left open ends with -1.
        QTimer::singleShot(100, D, [D] {
            if (D->isVisible())
                D->done(-1);
        });
    };
    QTimer::singleShot(0, *Wait);
    return ShowBrailleCharsDlg(Modus);
}

QStringList Rows(const QListWidget *L)
{
    QStringList R;
    for (int I = 0; I < L->count(); ++I)
        R.append(L->item(I)->text());
    return R;
}
} // namespace

// The display settings: the font and colour dialog (the installed families,
// the named colours, the size edit, the preview, the same-colour question,
// the way into the settings file) and the number dialog for the braille
// line width and the extra size of text panes.
class tst_DisplayDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir FFolder;
    THelpSystem FHelp;
    int FBeeps = 0;
    std::unique_ptr<TBackFontDlg> D;

    // The font dialog on the current settings, shown and active.
    void ShowFontDlg()
    {
        D = std::make_unique<TBackFontDlg>(nullptr, AktBackColor, AktFont, nullptr);
        D->show();
        QApplication::setActiveWindow(D.get());
        QVERIFY(QTest::qWaitForWindowActive(D.get()));
    }
    // Types into the focused widget, replacing what is selected.
    static void Type(QWidget *W, const QString &Text)
    {
        W->setFocus();
        if (auto *E = qobject_cast<QLineEdit *>(W))
            E->selectAll();
        QTest::keyClicks(W, Text);
    }

private slots:
    void initTestCase()
    {
        InstallAccessibilityMends();
        InstallGermanQtTexts();
        InitPaths(FFolder.path(), QStringLiteral("lerner"), FFolder.path());
        QDir().mkpath(ProfilePath);
        InstallBeep([this] { ++FBeeps; });
        HelpSystem = &FHelp;
        QVERIFY2(QFontDatabase::families().size() >= 3, "the tests need a few installed font families");
    }
    void cleanupTestCase()
    {
        HelpSystem = nullptr;
        InstallBeep(nullptr);
    }
    void init()
    {
        AktFont = TAktFont{QStringLiteral("DejaVu Serif"), 12, false, 0, 0};
        AktBackColor = 0xFFFFFF;
        BrailleChars = 40;
        BrailleSize = 3;
        FHelp.SetHelpId(1);
        FBeeps = 0;
    }
    void cleanup() { D.reset(); }

    // --- Font and colour dialog ---

    void fontDlg_openedOnTheSettings()
    {
        AktFont.Bold = true;
        AktFont.Size = 14;
        ShowFontDlg();
        QCOMPARE(D->windowTitle(), QStringLiteral("Schrifteinstellungen"));
        QCOMPARE(FHelp.HelpId(), 18);
        // The installed families in the desktop's order, the current one marked.
        QStringList Expected = QFontDatabase::families();
        const int Current = int(Expected.indexOf(QStringLiteral("DejaVu Serif")));
        QVERIFY(Current >= 0);
        Expected[Current].prepend(QLatin1Char('*'));
        QCOMPARE(Rows(D->LvFonts), Expected);
        QCOMPARE(D->LvFonts->currentRow(), Current);
        QVERIFY(D->LvFonts->currentItem()->isSelected());
        QCOMPARE(QApplication::focusWidget(), D->LvFonts);
        QCOMPARE(D->LeSize->EditLabel->text(), QStringLiteral("Schrift&größe (5-35):"));
        QCOMPARE(D->LeSize->Edit->text(), QStringLiteral("14"));
        QCOMPARE(D->UpDown1->value(), 14);
        QVERIFY(D->CbBold->isChecked());
        QCOMPARE(D->CoBoColors->currentText(), QStringLiteral("*Schwarz"));
        QCOMPARE(D->CoBoBackColors->currentText(), QStringLiteral("*Weiß (Hintergrund)"));
        QCOMPARE(D->CoBoBackColors->itemText(0), QStringLiteral("Schwarz (Hintergrund)"));
        QCOMPARE(D->CoBoColors->count(), 17);
        QCOMPARE(D->EditTest->text(), QStringLiteral("Das ist eine Vorschau, wie der Text aussehen wird."));
        // Every control has a name a screen reader can say.
        for (QWidget *W : {static_cast<QWidget *>(D->LvFonts), static_cast<QWidget *>(D->LeSize->Edit),
                           static_cast<QWidget *>(D->UpDown1), static_cast<QWidget *>(D->CoBoColors),
                           static_cast<QWidget *>(D->CoBoBackColors), static_cast<QWidget *>(D->EditTest)})
            QVERIFY2(!W->accessibleName().isEmpty(), W->metaObject()->className());
        // Every control inside the window, the buttons below the preview.
        for (QWidget *W : D->findChildren<QWidget *>())
            if (W->isVisible() && W->parentWidget() == D.get())
                QVERIFY2(D->rect().contains(W->geometry()), W->metaObject()->className());
        QVERIFY(D->EditTest->geometry().bottom() < D->Btn1OK->y());
        QVERIFY(D->LvFonts->geometry().right() < D->CoBoColors->x());
        D.reset();
        QCOMPARE(FHelp.HelpId(), 1);
    }

    void fontDlg_tabOrder()
    {
        ShowFontDlg();
        QList<QWidget *> Order{D->LvFonts,    D->LeSize->Edit,   D->UpDown1,  D->CbBold,
                               D->CoBoColors, D->CoBoBackColors, D->EditTest, D->Btn1OK};
        for (int I = 1; I < Order.size(); ++I) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Order[I]);
        }
    }

    void fontDlg_fontNotInstalled_firstFamilyChosen()
    {
        AktFont.Name = QStringLiteral("Gibt es nicht");
        ShowFontDlg();
        QCOMPARE(Rows(D->LvFonts), QFontDatabase::families());
        QCOMPARE(D->LvFonts->currentRow(), 0);
        QVERIFY(D->LvFonts->item(0)->isSelected());
        QCOMPARE(D->GetNewFont().Name, QFontDatabase::families().first());
    }

    void fontDlg_colours_data()
    {
        QTest::addColumn<unsigned>("FontColor");
        QTest::addColumn<unsigned>("BackColor");
        QTest::addColumn<QString>("TextEntry");
        QTest::addColumn<QString>("BackEntry");
        QTest::addColumn<unsigned>("NewFontColor");
        QTest::addColumn<unsigned>("NewBackColor");
        QTest::newRow("both named") << 0x0000FFu << 0xC0DCC0u << "*Rot"
                                    << "*Minzgrün (Hintergrund)" << 0x0000FFu << 0xC0DCC0u;
        // A colour outside the list becomes black when the dialog is left with OK.
        QTest::newRow("text colour not named") << 0x123456u << 0xFFFFFFu << "Schwarz"
                                               << "*Weiß (Hintergrund)" << 0u << 0xFFFFFFu;
        QTest::newRow("background not named") << 0xFFFFFFu << 0x654321u << "*Weiß"
                                              << "Schwarz (Hintergrund)" << 0xFFFFFFu << 0u;
    }
    void fontDlg_colours()
    {
        QFETCH(unsigned, FontColor);
        QFETCH(unsigned, BackColor);
        QFETCH(QString, TextEntry);
        QFETCH(QString, BackEntry);
        QFETCH(unsigned, NewFontColor);
        QFETCH(unsigned, NewBackColor);
        AktFont.Color = FontColor;
        AktBackColor = BackColor;
        ShowFontDlg();
        QCOMPARE(D->CoBoColors->currentText(), TextEntry);
        QCOMPARE(D->CoBoBackColors->currentText(), BackEntry);
        QTest::keyClick(D.get(), Qt::Key_Return);
        QCOMPARE(D->result(), 1);
        QCOMPARE(D->GetNewFont().Color, NewFontColor);
        QCOMPARE(D->GetNewBackColor(), NewBackColor);
    }

    void fontDlg_sameColours_asksAndNoKeepsOpen()
    {
        ShowFontDlg();
        D->CoBoColors->setCurrentIndex(1);     // Weiß
        D->CoBoBackColors->setCurrentIndex(1); // Weiß (Hintergrund)
        D->Btn1OK->setFocus();
        QString Seen;
        AnswerMessageBox(QStringLiteral("Nein"), &Seen);
        D->Btn1OK->click();
        QCOMPARE(Seen, QStringLiteral("Schriftfarbe und Hintergrundfarbe sind identisch!\r\n"
                                      "Soll trotzdem fortgesetzt werden?"));
        QVERIFY(D->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), D->CoBoColors);
        Seen.clear();
        AnswerMessageBox(QStringLiteral("Ja"), &Seen);
        D->Btn1OK->click();
        QVERIFY(!Seen.isEmpty());
        QVERIFY(!D->isVisible());
        QCOMPARE(D->result(), 1);
        QCOMPARE(D->GetNewFont().Color, 0xFFFFFFu);
        QCOMPARE(D->GetNewBackColor(), 0xFFFFFFu);
    }

    void fontDlg_previewFollowsChoices()
    {
        ShowFontDlg();
        const int Mono = int(QFontDatabase::families().indexOf(QStringLiteral("DejaVu Sans Mono")));
        QVERIFY(Mono >= 0);
        D->LvFonts->setCurrentRow(Mono);
        QTest::keyClick(D->UpDown1, Qt::Key_Up);
        QCOMPARE(D->LeSize->Edit->text(), QStringLiteral("13"));
        D->CbBold->click();
        D->CoBoColors->setCurrentIndex(2);     // Gelb
        D->CoBoBackColors->setCurrentIndex(4); // Marineblau
        const QFont F = D->EditTest->font();
        QCOMPARE(F.family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(F.pointSize(), 13);
        QVERIFY(F.bold());
        QCOMPARE(D->EditTest->palette().color(QPalette::Text), QColor(255, 255, 0));
        QCOMPARE(D->EditTest->palette().color(QPalette::Base), QColor(0, 0, 128));
        // The rest of the dialog keeps the settings' look until OK.
        QCOMPARE(D->CoBoColors->palette().color(QPalette::Base), QColor(255, 255, 255));
    }

    void fontDlg_sizeEdit_data()
    {
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<QString>("Shown");
        QTest::addColumn<bool>("OkEnabled");
        QTest::addColumn<QString>("AfterLeaving");
        QTest::newRow("empty") << ""
                               << "" << false << "5";
        QTest::newRow("below") << "4"
                               << "4" << false << "5";
        QTest::newRow("lowest") << "5"
                                << "5" << true << "5";
        QTest::newRow("highest") << "35"
                                 << "35" << true << "35";
        QTest::newRow("above") << "36"
                               << "36" << false << "35";
        QTest::newRow("letters refused") << "2x0"
                                         << "20" << true << "20";
        QTest::newRow("two digits at most") << "123"
                                            << "12" << true << "12";
    }
    void fontDlg_sizeEdit()
    {
        QFETCH(QString, Typed);
        QFETCH(QString, Shown);
        QFETCH(bool, OkEnabled);
        QFETCH(QString, AfterLeaving);
        ShowFontDlg();
        Type(D->LeSize->Edit, Typed);
        if (Typed.isEmpty())
            D->LeSize->Edit->clear();
        QCOMPARE(D->LeSize->Edit->text(), Shown);
        QCOMPARE(D->Btn1OK->isEnabled(), OkEnabled);
        D->CbBold->setFocus();
        QCOMPARE(D->LeSize->Edit->text(), AfterLeaving);
        QCOMPARE(D->UpDown1->value(), AfterLeaving.toInt());
        QCOMPARE(D->GetNewFont().Size, AfterLeaving.toInt());
        QVERIFY(D->Btn1OK->isEnabled());
    }

    void fontDlg_sizeEdit_refusesPaste()
    {
        ShowFontDlg();
        QApplication::clipboard()->setText(QStringLiteral("20"));
        QLineEdit *E = D->LeSize->Edit;
        E->setFocus();
        E->selectAll();
        QTest::keyClick(E, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(FBeeps, 1);
        QTest::keyClick(E, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(FBeeps, 2);
        QContextMenuEvent Menu(QContextMenuEvent::Keyboard, QPoint(2, 2), E->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(E, &Menu);
        QCOMPARE(FBeeps, 3);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(E->text(), QStringLiteral("12"));
    }

    void fontDlg_labelClickFocusesSize()
    {
        ShowFontDlg();
        QTest::mouseClick(D->LeSize->EditLabel, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), D->LeSize->Edit);
    }

    void fontDlg_ok_changesSettingsAndFile()
    {
        ShowFontDlg();
        const int Mono = int(QFontDatabase::families().indexOf(QStringLiteral("DejaVu Sans Mono")));
        D->LvFonts->setCurrentRow(Mono);
        Type(D->LeSize->Edit, QStringLiteral("20"));
        D->CbBold->setChecked(true);
        D->CoBoColors->setCurrentIndex(2);     // Gelb
        D->CoBoBackColors->setCurrentIndex(4); // Marineblau
        // Enter in the size edit presses OK.
        QTest::keyClick(D->LeSize->Edit, Qt::Key_Return);
        QCOMPARE(D->result(), 1);
        // What the main window does with the result.
        AktFont = D->GetNewFont();
        AktBackColor = D->GetNewBackColor();
        const QString File = ProfilePath + SettingsFileName;
        QVERIFY(SaveSettingsFile(File));
        QFile F(File);
        QVERIFY(F.open(QIODevice::ReadOnly));
        QString Text = QString::fromUtf8(F.readAll());
        Text.remove(QChar(0xFEFF));
        const QStringList Lines = Text.split(QStringLiteral("\r\n"));
        const int Section = int(Lines.indexOf(QStringLiteral("[MainForm]")));
        QVERIFY(Section >= 0);
        const QStringList MainForm = Lines.mid(Section + 1, 7);
        for (const char *Line :
             {"BackColor=8388608", "FontColor=65535", "FontName=DejaVu Sans Mono", "FontSize=20", "FontStyle=1"})
            QVERIFY2(MainForm.contains(QLatin1String(Line)), Line);
    }

    void fontDlg_cancel_keepsNothing()
    {
        ShowFontDlg();
        D->CoBoColors->setCurrentIndex(12);
        QTest::keyClick(D->CoBoColors, Qt::Key_Escape);
        QVERIFY(!D->isVisible());
        QCOMPARE(D->result(), 2);
    }

    // --- Number dialog ---

    void numberDlg_modes_data()
    {
        QTest::addColumn<TBrailleCharsDlgTyp>("Modus");
        QTest::addColumn<QString>("Caption");
        QTest::addColumn<QString>("Label");
        QTest::addColumn<QString>("Spoken");
        QTest::addColumn<int>("HelpId");
        QTest::addColumn<QString>("Shown");
        QTest::newRow("line width") << bcdChars << "Braillezeilenbreite eingeben"
                                    << "&Breite (20-80):"
                                    << "Breite (20 bis 80):" << 11 << "40";
        QTest::newRow("extra size") << bcdSize << "Schriftgröße in Textfenstern zusätzlich erhöhen"
                                    << "12 + &Größe (0-9):"
                                    << "12 + Größe (0 bis 9):" << 19 << "3";
    }
    void numberDlg_modes()
    {
        QFETCH(TBrailleCharsDlgTyp, Modus);
        QFETCH(QString, Caption);
        QFETCH(QString, Label);
        QFETCH(QString, Spoken);
        QFETCH(int, HelpId);
        QFETCH(QString, Shown);
        QString SeenCaption, SeenLabel, SeenSpoken, SeenText, SeenSelected;
        int SeenHelp = -1;
        QWidget *SeenFocus = nullptr, *Edit = nullptr;
        bool Named = true, Inside = true;
        const int R = ShowNumberDlg(Modus, [&](TBrailleCharsDlg *N) {
            SeenCaption = N->windowTitle();
            SeenLabel = N->LeBreite->EditLabel->text();
            SeenSpoken = N->SpokenLabel();
            SeenHelp = FHelp.HelpId();
            SeenText = N->LeBreite->Edit->text();
            SeenSelected = N->LeBreite->Edit->selectedText();
            SeenFocus = QApplication::focusWidget();
            Edit = N->LeBreite->Edit;
            Named = !N->LeBreite->Edit->accessibleName().isEmpty() && !N->UpDown1->accessibleName().isEmpty();
            for (QWidget *W : {static_cast<QWidget *>(N->LeBreite), static_cast<QWidget *>(N->UpDown1),
                               static_cast<QWidget *>(N->Btn1Weiter), static_cast<QWidget *>(N->Btn2Abbrechen)})
                Inside = Inside && N->rect().contains(W->geometry());
            QTest::keyClick(N->Btn2Abbrechen, Qt::Key_Space);
        });
        QCOMPARE(R, 2);
        QCOMPARE(SeenCaption, Caption);
        QCOMPARE(SeenLabel, Label);
        QCOMPARE(SeenSpoken, Spoken);
        QCOMPARE(SeenHelp, HelpId);
        QCOMPARE(FHelp.HelpId(), 1);
        QCOMPARE(SeenText, Shown);
        QCOMPARE(SeenSelected, Shown);
        QCOMPARE(SeenFocus, Edit);
        QVERIFY(Named);
        QVERIFY(Inside);
        QCOMPARE(BrailleChars, 40);
        QCOMPARE(BrailleSize, 3);
    }

    void numberDlg_okRule_data()
    {
        QTest::addColumn<TBrailleCharsDlgTyp>("Modus");
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<QString>("Shown");
        QTest::addColumn<bool>("OkEnabled");
        QTest::addColumn<int>("Setting"); // after Enter (and Esc when OK stays disabled)
        QTest::newRow("width 81") << bcdChars << "81"
                                  << "81" << false << 40;
        QTest::newRow("width 80") << bcdChars << "80"
                                  << "80" << true << 80;
        QTest::newRow("width 20") << bcdChars << "20"
                                  << "20" << true << 20;
        QTest::newRow("width 19") << bcdChars << "19"
                                  << "19" << false << 40;
        QTest::newRow("width 2") << bcdChars << "2"
                                 << "2" << false << 40;
        QTest::newRow("width empty") << bcdChars << ""
                                     << "" << false << 40;
        QTest::newRow("width three digits") << bcdChars << "555"
                                            << "55" << true << 55;
        QTest::newRow("width letters") << bcdChars << "a6b0"
                                       << "60" << true << 60;
        QTest::newRow("size 0") << bcdSize << "0"
                                << "0" << true << 0;
        QTest::newRow("size 9") << bcdSize << "9"
                                << "9" << true << 9;
        QTest::newRow("size one digit") << bcdSize << "10"
                                        << "1" << true << 1;
        QTest::newRow("size empty") << bcdSize << ""
                                    << "" << false << 3;
        QTest::newRow("size minus refused") << bcdSize << "-"
                                            << "3" << true << 3;
    }
    void numberDlg_okRule()
    {
        QFETCH(TBrailleCharsDlgTyp, Modus);
        QFETCH(QString, Typed);
        QFETCH(QString, Shown);
        QFETCH(bool, OkEnabled);
        QFETCH(int, Setting);
        QString SeenText;
        bool SeenEnabled = !OkEnabled;
        const int R = ShowNumberDlg(Modus, [&](TBrailleCharsDlg *N) {
            QLineEdit *E = N->LeBreite->Edit;
            // The text is selected: typing replaces it.
            QTest::keyClicks(E, Typed);
            if (Typed.isEmpty())
                QTest::keyClick(E, Qt::Key_Delete);
            SeenText = E->text();
            SeenEnabled = N->Btn1Weiter->isEnabled();
            QTest::keyClick(E, Qt::Key_Return);
            if (N->isVisible())
                QTest::keyClick(E, Qt::Key_Escape);
        });
        QCOMPARE(SeenText, Shown);
        QCOMPARE(SeenEnabled, OkEnabled);
        QCOMPARE(R, OkEnabled ? 1 : 2);
        QCOMPARE(Modus == bcdChars ? BrailleChars : BrailleSize, Setting);
        QCOMPARE(Modus == bcdChars ? BrailleSize : BrailleChars, Modus == bcdChars ? 3 : 40);
    }

    void numberDlg_spinButtonsStopAtTheRange()
    {
        BrailleChars = 79;
        QString Seen;
        const int R = ShowNumberDlg(bcdChars, [&](TBrailleCharsDlg *N) {
            QTest::keyClick(N->LeBreite->Edit, Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
            Seen = N->LeBreite->Edit->text();
            N->Btn1Weiter->click();
        });
        QCOMPARE(Seen, QStringLiteral("80"));
        QCOMPARE(R, 1);
        QCOMPARE(BrailleChars, 80);
    }

    void numberDlg_refusesPaste()
    {
        QApplication::clipboard()->setText(QStringLiteral("55"));
        QString Seen;
        ShowNumberDlg(bcdChars, [&](TBrailleCharsDlg *N) {
            QTest::keyClick(N->LeBreite->Edit, Qt::Key_V, Qt::ControlModifier);
            Seen = N->LeBreite->Edit->text();
            N->Btn2Abbrechen->click();
        });
        QCOMPARE(FBeeps, 1);
        QCOMPARE(Seen, QStringLiteral("40"));
        QCOMPARE(BrailleChars, 40);
    }
};

QTEST_MAIN(tst_DisplayDialogs)
#include "tst_DisplayDialogs.moc"
