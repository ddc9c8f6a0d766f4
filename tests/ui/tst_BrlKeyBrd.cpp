#include "app/SettingsC.h"
#include "braille/BrlKeyBrdC.h"
#include "braille/BrlUniCharC.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <thread>

namespace
{
// X key codes (evdev + 8) of the chord keys, as the platform reports them.
enum : quint32 { kA = 38, kS = 39, kD = 40, kF = 41, kJ = 44, kK = 45, kL = 46, kOe = 47, kX = 53 };

quint32 Code(QChar C)
{
    switch (C.toLower().unicode()) {
    case u'a':
        return kA;
    case u's':
        return kS;
    case u'd':
        return kD;
    case u'f':
        return kF;
    case u'j':
        return kJ;
    case u'k':
        return kK;
    case u'l':
        return kL;
    case u'o':
        return kOe;
    default:
        return kX;
    }
}

// Keys as the platform delivers them: with their hardware code, to the
// window, on to the focus widget.
void Deliver(QWidget *W, QEvent::Type Type, quint32 Code, Qt::KeyboardModifiers Mods = Qt::NoModifier,
             bool AutoRepeat = false)
{
    QKeyEvent Ev(Type, Qt::Key_unknown, Mods, Code, 0, 0, QString(), AutoRepeat);
    QCoreApplication::sendEvent(W->window()->windowHandle(), &Ev);
}
} // namespace

// The six-key braille keyboard: chords from key events with scan codes,
// whatever the order of presses and releases, and only for its own window.
class tst_BrlKeyBrd : public QObject
{
    Q_OBJECT

    TBrlUniChar FTable;
    QWidget FWindow;
    QPlainTextEdit *FEdit = nullptr;
    QStringList FChords;
    std::unique_ptr<TBrlKeyBrd> FKbd;

    // "+f +d -f -d": presses and releases in order; "F" in capitals means
    // with Shift held; "r" a repeated press.
    void Play(const QString &Script, QWidget *Target = nullptr)
    {
        for (const QString &Step : Script.split(u' ', Qt::SkipEmptyParts)) {
            const QChar Key = Step.at(1);
            const Qt::KeyboardModifiers Mods = Key.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
            const bool Repeat = Step.size() > 2 && Step.at(2) == u'r';
            Deliver(Target ? Target : FEdit, Step.at(0) == u'+' ? QEvent::KeyPress : QEvent::KeyRelease, Code(Key),
                    Mods, Repeat);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        BrlUniChar = &FTable;
        FEdit = new QPlainTextEdit(&FWindow);
        FWindow.show();
        QApplication::setActiveWindow(&FWindow);
        FEdit->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&FWindow));
    }
    void init()
    {
        Querztastatur = true;
        FChords.clear();
        FKbd = std::make_unique<TBrlKeyBrd>(&FWindow);
        FKbd->OnBrlKeyBrdNotify = [this](QChar C) {
            TBuc B;
            FChords.append(C.isNull() ? QStringLiteral("0") : FTable.FindUniBrl(C, B) ? B.Dots : QStringLiteral("?"));
            return true;
        };
        FKbd->SetActive(true);
        QApplication::setActiveWindow(&FWindow);
        FEdit->setFocus();
    }
    void cleanup() { FKbd.reset(); }
    void cleanupTestCase() { BrlUniChar = nullptr; }

    void chords_data()
    {
        QTest::addColumn<QString>("Script");
        QTest::addColumn<QStringList>("Chords");
        QTest::addColumn<QString>("Typed"); // what reached the text field
        QTest::newRow("f d j together, released in press order") << "+f +d +j -f -d -j" << QStringList{"124"} << "";
        QTest::newRow("released in reverse order") << "+f +d +j -j -d -f" << QStringList{"124"} << "";
        QTest::newRow("released in mixed order") << "+j +f +d -d -j -f" << QStringList{"124"} << "";
        QTest::newRow("one after the other") << "+f -f +d -d" << QStringList{"1", "2"} << "";
        QTest::newRow("f held while d comes and goes") << "+f +d -d -f" << QStringList{"12"} << "";
        QTest::newRow("five keys: q") << "+s +d +f +j +k -k -j -f -d -s" << QStringList{"12345"} << "";
        QTest::newRow("held key repeats its press") << "+f +fr +fr +fr -f" << QStringList{"1"} << "";
        QTest::newRow("repeat flagged as release and press") << "+f -fr +fr -fr +fr -f" << QStringList{"1"} << "";
        QTest::newRow("another press of a held key is a repeat") << "+d +f +f -f -d" << QStringList{"12"} << "";
        QTest::newRow("A alone: no dots") << "+a -a" << QStringList{"0"} << "";
        QTest::newRow("Ö alone: no dots") << "+o -o" << QStringList{"0"} << "";
        QTest::newRow("A adds nothing to a chord") << "+a +f -a -f" << QStringList{"1"} << "";
        QTest::newRow("with Shift the key passes") << "+F -F" << QStringList{} << "F";
        QTest::newRow("another key cancels the chord") << "+f +d +x -x -f -d" << QStringList{"0", "0"} << "x";
        QTest::newRow("dot 4 alone: no table entry") << "+j -j" << QStringList{"0"} << "";
        QTest::newRow("the full cell") << "+s +d +f +j +k +l -s -d -f -j -k -l" << QStringList{"123456"} << "";
        QTest::newRow("dot 5 alone: no table entry") << "+k -k" << QStringList{"0"} << "";
    }
    void chords()
    {
        QFETCH(QString, Script);
        QFETCH(QStringList, Chords);
        QFETCH(QString, Typed);
        // Keys that pass reach the field as typed letters.
        QStringList Passed;
        struct TCatcher : QObject {
            QStringList *Out;
            bool eventFilter(QObject *, QEvent *E) override
            {
                if (E->type() == QEvent::KeyPress)
                    Out->append(static_cast<QKeyEvent *>(E)->modifiers() & Qt::ShiftModifier ? QStringLiteral("F")
                                                                                             : QStringLiteral("x"));
                return true;
            }
        } Catcher;
        Catcher.Out = &Passed;
        FEdit->installEventFilter(&Catcher);
        Play(Script);
        FEdit->removeEventFilter(&Catcher);
        QCOMPARE(FChords, Chords);
        QCOMPARE(Passed.join(QString()), Typed);
    }

    void querztastaturOff_keysPass()
    {
        Querztastatur = false;
        int Passed = 0;
        struct TCounter : QObject {
            int *N;
            bool eventFilter(QObject *, QEvent *E) override
            {
                if (E->type() == QEvent::KeyPress)
                    ++*N;
                return true;
            }
        } Counter;
        Counter.N = &Passed;
        FEdit->installEventFilter(&Counter);
        Play("+f -f +j -j");
        FEdit->removeEventFilter(&Counter);
        QVERIFY(FChords.isEmpty());
        QCOMPARE(Passed, 2);
    }

    void inactive_nothingCaught()
    {
        FKbd->SetActive(false);
        Play("+f -f");
        QVERIFY(FChords.isEmpty());
    }

    void anotherWindowActive_nothingCaught()
    {
        QWidget Other;
        auto *Edit = new QLineEdit(&Other);
        Other.show();
        QApplication::setActiveWindow(&Other);
        Edit->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&Other));
        Play("+f -f", Edit);
        QVERIFY(FChords.isEmpty());
        QCOMPARE(Edit->text(), QString()); // Key_unknown types nothing, but the event was not swallowed
    }

    void modalDialogOpen_nothingCaught()
    {
        QDialog Dlg(&FWindow);
        auto *Edit = new QLineEdit(&Dlg);
        Dlg.setModal(true);
        Dlg.show();
        QApplication::setActiveWindow(&Dlg);
        Edit->setFocus();
        Play("+f -f", Edit);
        QVERIFY(FChords.isEmpty());
        Dlg.hide();
    }

    void eachKeyDeliveredTwice_oneChord()
    {
        // With a screen reader the key also passes the filter at the window
        // before the accessibility bridge hands on its copy.
        for (auto [Type, Key] : {std::pair{QEvent::KeyPress, kF},
                                 {QEvent::KeyPress, kJ},
                                 {QEvent::KeyRelease, kF},
                                 {QEvent::KeyRelease, kJ}}) {
            QKeyEvent Copy(Type, Qt::Key_unknown, Qt::NoModifier, Key, 0, 0, QString(), false);
            QCoreApplication::sendEvent(&FWindow, &Copy);
            Deliver(FEdit, Type, Key);
        }
        QCOMPARE(FChords, QStringList{"14"});
    }

    void keyDownBeforeActivation_completesAtOnce()
    {
        FKbd->SetActive(false);
        Deliver(FEdit, QEvent::KeyPress, kF);
        FKbd->SetActive(true);
        Play("-f");
        QCOMPARE(FChords, QStringList{"0"});
    }

    void creationFailsWithoutApplicationThread()
    {
        std::unique_ptr<TBrlKeyBrd> Other;
        QString Message;
        std::thread([&] {
            TBrlKeyBrd K(&FWindow);
            try {
                K.SetActive(true);
            } catch (const std::exception &E) {
                Message = QString::fromLatin1(E.what());
            }
            QVERIFY(!K.Active());
        }).join();
        QCOMPARE(Message, QStringLiteral("TBrlKeyBrd CREATION FAILED!"));
    }
};

QTEST_MAIN(tst_BrlKeyBrd)
#include "tst_BrlKeyBrd.moc"
