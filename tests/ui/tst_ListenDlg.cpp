#include "ProgramCopy.h"
#include "RecordingSpeech.h"

#include "app/SettingsC.h"
#include "content/JobsC.h"
#include "content/PathsC.h"
#include "help/HelpSystemC.h"
#include "lists/ListenDlgC.h"
#include "main/HauptC.h"
#include "main/ProgramStartC.h"
#include "sound/SoundsHelperC.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
const char *Settings = "[Settings]\r\n"
                       "ShowEinleitung=0\r\n"
                       "CloseCheck=0\r\n"
                       "Lernmaterial=Lernmaterial-1\r\n"
                       "Bereich=Bereich 1\r\n"
                       "LektionName=01 WOERTER lesen.lek\r\n"
                       "SammelName=Kurs.sam\r\n"
                       "SammelNameIndex=0\r\n"
                       "SapiSpeech.Stimme=\r\n";

// What the description pane shows for a description: one line per entry.
QString Pane(const QStringList &Lines)
{
    return Lines.join(u'\n') + u'\n';
}
} // namespace

// The list selection window over the fixture course, loaded by a running
// main window: each kind of list with its rows, marks and descriptions, the
// area list inside the lesson list, and the keys of the description pane.
class tst_ListenDlg : public QObject
{
    Q_OBJECT

    QTemporaryDir FFolder;
    std::unique_ptr<TForm1_TW> W;
    int FBeeps = 0;

    TJobs &Jobs() { return *W->Jobs(); }
    int BereichIndex(const QString &Bereich) { return Jobs().Bereiche().IndexOf(Bereich); }
    static QStringList Rows(const TListenDlg &D)
    {
        QStringList L;
        for (int I = 0; I < D.LvListe->count(); ++I)
            L << D.LvListe->item(I)->text();
        return L;
    }
    static QStringList Entries(const QComboBox *C)
    {
        QStringList L;
        for (int I = 0; I < C->count(); ++I)
            L << C->itemText(I);
        return L;
    }
    static void Show(TListenDlg &D)
    {
        D.show();
        QApplication::setActiveWindow(&D);
        QVERIFY(QTest::qWaitForWindowExposed(&D));
    }

private slots:
    void initTestCase()
    {
        const QString Program = FFolder.path() + QStringLiteral("/programm");
        TProgramCopy::Copy(QStringLiteral(TASTWERK_TEST_DATA "/programm"), Program);
        // An area without lessons whose description holds braille.
        const QString Material = Program + QStringLiteral("/Lernmaterialien/Lernmaterial-1/");
        QVERIFY(QDir().mkpath(Material + QStringLiteral("Bereich 4")));
        QFile Ini(Material + QStringLiteral("Lernmaterial.ini"));
        QVERIFY(Ini.open(QIODevice::Append));
        Ini.write("Bereich 4=Leerer Bereich ^ Zeichen [abc] und [[x]]\r\n");
        Ini.close();
        InitPaths(Program, QStringLiteral("lerner"), Program);
        InstallGermanQtTexts();
        InstallBeep([this] { ++FBeeps; });

        QDir().mkpath(ProfilePath);
        QFile F(ProfilePath + SettingsFileName);
        QVERIFY(F.open(QIODevice::WriteOnly | QIODevice::Truncate));
        F.write(Settings);
        F.close();
        W = std::make_unique<TForm1_TW>();
        QVERIFY(W->LoadIni());
        CreateFolders();
        W->StartLoading();
        W->show();
        QApplication::setActiveWindow(W.get());
        QTRY_VERIFY_WITH_TIMEOUT(W->IsStarted(), 10000);
    }
    void cleanupTestCase()
    {
        if (W) {
            W->AutoClose = true;
            W->close();
            W.reset();
        }
    }

    void modes_data()
    {
        QTest::addColumn<int>("Modus");
        QTest::addColumn<int>("Start");
        QTest::addColumn<QString>("Caption");
        QTest::addColumn<int>("HelpId");
        QTest::addColumn<QStringList>("Columns");
        QTest::addColumn<QStringList>("Expected");
        QTest::addColumn<int>("Selected");
        QTest::addColumn<QString>("Beschreibung");

        QTest::newRow("areas") << int(lmBereich) << 2 << "Bereich wählen" << 7 << QStringList{"Bereich", "Lektionen"}
                               << QStringList{"andere Aufgaben", "Leerer Bereich", "*Wörter und Texte"} << 2
                               << Pane({"Wörter lesen und finden", "und ein Text"});
        QTest::newRow("areas, no current one")
            << int(lmBereich) << -1 << "Bereich wählen" << 7 << QStringList{"Bereich", "Lektionen"}
            << QStringList{"andere Aufgaben", "Leerer Bereich", "Wörter und Texte"} << 0
            << Pane({"Zeichen, Sätze, Figuren und Lücken"});
        // The next lesson of the collective lesson is the current one.
        QTest::newRow("lessons of a collective lesson")
            << int(lmLektion) << 1 << "Lektion wählen" << 14 << QStringList{"Lektion"}
            << QStringList{"Wörter lesen", "*Zeichen im Wort finden", "Satz lesen", "Wörter lesen"} << 1
            << Pane({"Wo steht das Zeichen?"});
        QTest::newRow("collective lessons")
            << int(lmSammellektion) << 0 << "Sammellektion wählen" << 16 << QStringList{"Sammellektion", "Lektionen"}
            << QStringList{"*Ganzer Kurs", "Leerer Kurs"} << 0
            << Pane({"Lektionen aus beiden Bereichen", "der Reihe nach"});
        QTest::newRow("learning materials") << int(lmLernmaterial) << 1 << "Lernmaterial wählen" << 15
                                            << QStringList{"Lernmaterial"} << QStringList{"anfängerkurs", "*Testkurs"}
                                            << 1 << Pane({"Ein Kurs für die Tests", "mit allen Aufgabentypen"});
    }
    void modes()
    {
        QFETCH(int, Modus);
        QFETCH(int, Start);
        QFETCH(QString, Caption);
        QFETCH(int, HelpId);
        QFETCH(QStringList, Columns);
        QFETCH(QStringList, Expected);
        QFETCH(int, Selected);
        QFETCH(QString, Beschreibung);

        HelpSystem->SetHelpId(1);
        {
            TListenDlg D(W.get(), TListenModus(Modus), Start, -1, W->Sammellektion);
            QCOMPARE(HelpSystem->HelpId(), HelpId);
            Show(D);
            QCOMPARE(D.windowTitle(), Caption);
            QCOMPARE(Rows(D), Expected);
            QCOMPARE(D.ItemIndex(), Selected);
            QCOMPARE(D.LvListe->currentRow(), Selected);
            QVERIFY(D.Btn1Ok->isEnabled());
            QCOMPARE(D.Re1->toPlainText(), Beschreibung);
            QCOMPARE(D.Re1->textCursor().position(), 0);
            QCOMPARE(QApplication::focusWidget(), D.LvListe);
            QVERIFY(!D.Btn3Bereiche->isVisible());
            QVERIFY(!D.CbBereiche->isVisible());

            // The header line names the columns; each row tells both to the
            // screen reader.
            auto *Header = D.LvListe->findChild<QHeaderView *>();
            QVERIFY(Header && Header->isVisible());
            QStringList Seen;
            for (int C = 0; C < Header->count(); ++C)
                Seen << Header->model()->headerData(C, Qt::Horizontal).toString();
            QCOMPARE(Seen, Columns);
            QCOMPARE(D.LvListe->accessibleName(), Columns.first());
            QListWidgetItem *Row = D.LvListe->item(Selected);
            if (Columns.size() > 1)
                QCOMPARE(Row->data(Qt::AccessibleTextRole).toString(),
                         QStringLiteral("%1, Lektionen: %2")
                             .arg(Row->text(), Row->data(TListenDlg::Column2Role).toString()));
            else
                QVERIFY(Row->data(Qt::AccessibleTextRole).isNull());
            QVERIFY(!D.GetLektion());
        }
        QCOMPARE(HelpSystem->HelpId(), 1);
    }

    void areasCountTheirLessons()
    {
        TListenDlg D(W.get(), lmBereich, -1, -1, nullptr);
        QStringList Counts;
        for (int I = 0; I < D.LvListe->count(); ++I)
            Counts << D.LvListe->item(I)->data(TListenDlg::Column2Role).toString();
        QCOMPARE(Counts, (QStringList{"9", "0", "6"}));
        QCOMPARE(D.LvListe->item(2)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Wörter und Texte, Lektionen: 6"));
    }

    void descriptionShowsBraille()
    {
        TListenDlg D(W.get(), lmBereich, -1, -1, nullptr);
        D.LvListe->setCurrentRow(BereichIndex(QStringLiteral("Bereich 4")));
        // Single brackets make braille; doubled ones stay as one bracket.
        QCOMPARE(D.Re1->toPlainText(), Pane({QStringLiteral("Zeichen ⠁⠃⠉ und [x]")}));
    }

    void areasAndLessons()
    {
        const int Start = BereichIndex(QStringLiteral("Bereich 1"));
        TListenDlg D(W.get(), lmBereichAndLektion, -1, Start, nullptr);
        Show(D);
        QCOMPARE(D.windowTitle(), QStringLiteral("Bereich und Lektion wählen"));
        QCOMPARE(HelpSystem->HelpId(), 6);
        QVERIFY(D.Btn3Bereiche->isVisible());
        QCOMPARE(QApplication::focusWidget(), D.Btn3Bereiche);
        QCOMPARE(Entries(D.CbBereiche), (QStringList{"andere Aufgaben (Lektionen: 9)", "Leerer Bereich (Lektionen: 0)",
                                                     "*Wörter und Texte (Lektionen: 6)"}));
        QCOMPARE(D.CbBereiche->currentIndex(), Start);
        QCOMPARE(D.GetBereichName(), QStringLiteral("Bereich 1"));
        // The current lesson, found by its file name whatever the case.
        QCOMPARE(D.LvListe->count(), 6);
        QCOMPARE(Rows(D), (QStringList{"Ein Text", "Schnellkurs", "Unbekannter Typ", "Wörter finden", "*Wörter lesen",
                                       "Zeichen tippen"}));
        QCOMPARE(D.ItemIndex(), 4);
        QCOMPARE(D.StartIndex(), 4);
        QCOMPARE(D.GetLektion()->FileInfo().Name, QStringLiteral("01 Woerter lesen.lek"));
        QCOMPARE(D.Re1->toPlainText(), Pane({QStringLiteral("Lies die Wörter, zum Beispiel ⠑⠃⠃⠑."),
                                             QStringLiteral("Drücke dann die Eingabetaste.")}));
        D.LvListe->setCurrentRow(0);
        QCOMPARE(D.GetLektion()->Titel(), QStringLiteral("Ein Text"));
        QCOMPARE(D.Re1->toPlainText(), Pane({QStringLiteral("Lies den Text.")}));

        // In another area nothing is marked and the first lesson is chosen.
        D.CbBereiche->setCurrentIndex(BereichIndex(QStringLiteral("Bereich 2")));
        QCOMPARE(D.GetBereichName(), QStringLiteral("Bereich 2"));
        QCOMPARE(D.LvListe->count(), 9);
        QVERIFY(!Rows(D).join(QString()).contains(u'*'));
        QCOMPARE(D.ItemIndex(), 0);
        QCOMPARE(D.StartIndex(), 0);
        QCOMPARE(D.GetLektion(), Jobs().Bereiche().Get(D.CbBereiche->currentIndex()).Lektionen.first());
        QVERIFY(D.Btn1Ok->isEnabled());

        // An area without lessons leaves nothing to choose.
        D.CbBereiche->setCurrentIndex(BereichIndex(QStringLiteral("Bereich 4")));
        QCOMPARE(D.LvListe->count(), 0);
        QCOMPARE(D.ItemIndex(), -1);
        QVERIFY(!D.GetLektion());
        QVERIFY(!D.Btn1Ok->isEnabled());
        QCOMPARE(D.Re1->toPlainText(), Pane({"(Keine Beschreibung)"}));

        D.CbBereiche->setCurrentIndex(Start);
        QCOMPARE(D.LvListe->item(4)->text(), QStringLiteral("*Wörter lesen"));
        QCOMPARE(D.ItemIndex(), 4);
        QVERIFY(D.Btn1Ok->isEnabled());
    }

    // With no current area ("Kein Bereich ausgewählt!") no area is marked,
    // though the first one is shown.
    void noCurrentAreaNoMark()
    {
        TListenDlg D(W.get(), lmBereichAndLektion, -1, -1, nullptr);
        Show(D);
        QCOMPARE(D.CbBereiche->currentIndex(), 0);
        for (int I = 0; I < D.CbBereiche->count(); ++I)
            QVERIFY2(!D.CbBereiche->itemText(I).startsWith(u'*'), qPrintable(D.CbBereiche->itemText(I)));
        QVERIFY(!Rows(D).join(QString()).contains(u'*'));
    }

    // Down in the closed list of areas says the area it comes to.
    void areaChangeIsSaid()
    {
        TSpeech *Before = Speech;
        {
            TRecordingSpeech Recording;
            TListenDlg D(W.get(), lmBereichAndLektion, -1, 0, nullptr);
            Show(D);
            D.CbBereiche->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), D.CbBereiche);
            Recording.Engine->Spoken.clear();
            QTest::keyClick(D.CbBereiche, Qt::Key_Down);
            QCOMPARE(D.CbBereiche->currentIndex(), 1);
            QCOMPARE(Recording.Engine->Spoken.value(0), D.CbBereiche->itemText(1).remove(u'*'));
        }
        Speech = Before;
    }

    void comboBoxFocus()
    {
        TListenDlg D(W.get(), lmBereichAndLektion, -1, 0, nullptr);
        Show(D);
        D.LvListe->setFocus();
        QVERIFY(D.Btn1Ok->isDefault());
        D.CbBereiche->setFocus();
        QVERIFY(!D.Btn1Ok->isDefault());
        // Enter goes on to the lessons instead of closing the window.
        QTest::keyClick(D.CbBereiche, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), D.LvListe);
        QVERIFY(D.isVisible());
        QVERIFY(D.Btn1Ok->isDefault());
    }

    void nestedAreaList_data()
    {
        QTest::addColumn<QString>("Choice"); // the area chosen in the inner list, "" to cancel
        QTest::addColumn<QString>("Shown");  // the area CbBereiche shows afterwards
        QTest::addColumn<bool>("Refilled");
        QTest::newRow("another area") << "Bereich 2"
                                      << "Bereich 2" << true;
        // Choosing the start area again changes nothing: the combo box
        // keeps the area picked in it.
        QTest::newRow("same area") << "Bereich 1"
                                   << "Bereich 4" << false;
        QTest::newRow("cancelled") << ""
                                   << "Bereich 4" << false;
    }
    void nestedAreaList()
    {
        QFETCH(QString, Choice);
        QFETCH(QString, Shown);
        QFETCH(bool, Refilled);
        const int Start = BereichIndex(QStringLiteral("Bereich 1"));
        TListenDlg D(W.get(), lmBereichAndLektion, -1, Start, nullptr);
        Show(D);
        D.CbBereiche->setCurrentIndex(BereichIndex(QStringLiteral("Bereich 4")));
        QStringList Inner;
        int InnerHelpId = -1;
        QTimer::singleShot(50, this, [&] {
            auto *N = qobject_cast<TListenDlg *>(QApplication::activeModalWidget());
            QVERIFY(N && N != &D);
            InnerHelpId = HelpSystem->HelpId();
            Inner = Rows(*N);
            QCOMPARE(N->ItemIndex(), Start);
            if (Choice.isEmpty()) {
                QTest::keyClick(N->LvListe, Qt::Key_Escape);
                return;
            }
            N->LvListe->setCurrentRow(BereichIndex(Choice));
            N->Btn1Ok->click();
        });
        D.Btn3Bereiche->click();
        QCOMPARE(Inner, (QStringList{"andere Aufgaben", "Leerer Bereich", "*Wörter und Texte"}));
        QCOMPARE(InnerHelpId, 7);
        QCOMPARE(HelpSystem->HelpId(), 6);
        QCOMPARE(D.GetBereichName(), Shown);
        QCOMPARE(D.StartBereichIndex(), Refilled ? BereichIndex(Choice) : Start);
        // The mark stays on the current area: an area looked at is not chosen yet.
        for (int I = 0; I < D.CbBereiche->count(); ++I)
            QCOMPARE(D.CbBereiche->itemText(I).startsWith(u'*'), I == Start);
        QCOMPARE(D.LvListe->count(), Jobs().Bereiche().Get(D.CbBereiche->currentIndex()).Lektionen.size());
        QTRY_COMPARE(QApplication::focusWidget(), D.CbBereiche);
    }

    void descriptionKeys_data()
    {
        QTest::addColumn<QString>("Bereich");
        QTest::addColumn<int>("Key");
        QTest::addColumn<int>("Result"); // 0: the window stays open
        QTest::addColumn<int>("Beeps");
        QTest::newRow("Enter chooses") << "Bereich 1" << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("Enter without a row beeps") << "Bereich 4" << int(Qt::Key_Return) << 0 << 1;
        QTest::newRow("Esc cancels") << "Bereich 1" << int(Qt::Key_Escape) << 2 << 0;
        QTest::newRow("Esc without a row cancels") << "Bereich 4" << int(Qt::Key_Escape) << 2 << 0;
        QTest::newRow("letters do nothing") << "Bereich 1" << int(Qt::Key_X) << 0 << 0;
    }
    void descriptionKeys()
    {
        QFETCH(QString, Bereich);
        QFETCH(int, Key);
        QFETCH(int, Result);
        QFETCH(int, Beeps);
        TListenDlg D(W.get(), lmBereichAndLektion, -1, BereichIndex(Bereich), nullptr);
        Show(D);
        D.Re1->setFocus();
        const QString Before = D.Re1->toPlainText();
        FBeeps = 0;
        D.setResult(0);
        QTest::keyClick(D.Re1, Qt::Key(Key));
        QCOMPARE(D.result(), Result);
        QCOMPARE(D.isVisible(), Result == 0);
        QCOMPARE(FBeeps, Beeps);
        QCOMPARE(D.Re1->toPlainText(), Before);
    }

    void descriptionCaretMoves()
    {
        TListenDlg D(W.get(), lmBereich, 2, -1, nullptr);
        Show(D);
        D.Re1->setFocus();
        QStringList Played;
        InstallSoundPlayer([&Played](const QString &F) { Played << QFileInfo(F).fileName(); });
        SoundsEnabled = true;
        QTest::keyClick(D.Re1, Qt::Key_Up);
        QCOMPARE(Played, QStringList{"LineEnd.wav"});
        QTest::keyClick(D.Re1, Qt::Key_Down);
        QCOMPARE(D.Re1->textCursor().blockNumber(), 1);
        QCOMPARE(Played.size(), 1);
        InstallSoundPlayer(nullptr);
        QTest::keyClick(D.Re1, Qt::Key_End);
        QTest::keyClick(D.Re1, Qt::Key_Home);
        QCOMPARE(D.Re1->textCursor().positionInBlock(), 0);
        QTest::keyClick(D.Re1, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(D.Re1->textCursor().selectedText().size(), D.Re1->toPlainText().size());
        // The paragraph keys of every text pane; above the first line a beep.
        QTest::keyClick(D.Re1, Qt::Key_Home, Qt::ControlModifier);
        FBeeps = 0;
        QTest::keyClick(D.Re1, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(FBeeps, 1);
        QTest::keyClick(D.Re1, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(D.Re1->textCursor().blockNumber(), 1);
    }

    void layout()
    {
        TListenDlg D(W.get(), lmBereichAndLektion, -1, 0, nullptr);
        Show(D);
        const int ClientW = D.width(), ClientH = D.height();
        const int BtnW = D.Btn1Ok->width(), BtnH = D.Btn1Ok->height();
        QCOMPARE(D.Btn3Bereiche->geometry(), QRect(10, 10, BtnW, BtnH));
        QCOMPARE(D.CbBereiche->x(), 20 + BtnW);
        QCOMPARE(D.CbBereiche->geometry().right(), ClientW - 11);
        const QRect L = D.LvListe->geometry();
        QCOMPARE(L, QRect(10, 20 + BtnH, qRound((ClientW - 30) * 0.6), ClientH - BtnH - (20 + BtnH) - 20));
        QCOMPARE(D.LblBeschreibung->x(), L.right() + 11);
        QVERIFY(D.LblBeschreibung->font().bold() && D.LblBeschreibung->font().underline());
        QCOMPARE(D.Re1->geometry(), QRect(L.right() + 11, L.top() + D.LblBeschreibung->height() + 5,
                                          ClientW - 10 - (L.right() + 11), L.height() / 2));
        const int Left = (ClientW - 2 * BtnW) / 3;
        QCOMPARE(D.Btn1Ok->pos(), QPoint(Left, L.bottom() + 11));
        QCOMPARE(D.Btn2Abbrechen->pos(), QPoint(2 * Left + BtnW, L.bottom() + 11));

        // Tab order as the learner walks it.
        D.Btn3Bereiche->setFocus();
        QList<QWidget *> Order{QApplication::focusWidget()};
        for (int I = 0; I < 5; ++I) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            Order << QApplication::focusWidget();
        }
        QCOMPARE(Order, (QList<QWidget *>{D.Btn3Bereiche, D.CbBereiche, D.LvListe, D.Re1, D.Btn1Ok, D.Btn2Abbrechen}));
    }

    void noLearningMaterials()
    {
        TLernmaterialien &M = Jobs().Lernmaterialien();
        M.Clear();
        {
            TListenDlg D(W.get(), lmLernmaterial, 0, -1, nullptr);
            Show(D);
            QCOMPARE(D.LvListe->count(), 0);
            QCOMPARE(D.Re1->toPlainText(), Pane({"(Keine Beschreibung)"}));
            QVERIFY(!D.Btn1Ok->isEnabled());
            D.Btn2Abbrechen->click();
            QCOMPARE(D.result(), 2);
        }
        QVERIFY(M.LoadOrdner());
    }
};

QTEST_MAIN(tst_ListenDlg)
#include "tst_ListenDlg.moc"
