// Pictures of the program's windows for the README: the main window after
// the start, the exercise window in a finding and a typing lesson, and the
// BraillePad. Runs the real windows over the shipped learning material with a
// fresh profile in a temporary folder; speech, sounds and the introduction
// stay off. Started by make-screenshots on a private X server.
//
//   tastwerk-screenshots SHARE-FOLDER OUTPUT-FOLDER

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "common/AccessibilityC.h"
#include "common/PlainTextMemoC.h"
#include "content/JobsC.h"
#include "content/LektionenC.h"
#include "content/PathsC.h"
#include "content/RandomC.h"
#include "exercise/AtTextDlgC.h"
#include "main/HauptC.h"
#include "main/ProgramStartC.h"
#include "pad/BraillePadDlgC.h"
#include "run/SpeakTextDlgC.h"
#include "sound/SoundsHelperC.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>
#include <memory>

namespace
{
// Every picture has the same size, whatever the screen.
const QSize PictureSize(1024, 700);

const QString Area = QStringLiteral("01 Buchstaben a bis j");

// A lesson and a collective lesson chosen, a few points, no introduction, no
// close question, no voice and no sounds.
const char *Settings = "[Settings]\r\n"
                       "ShowEinleitung=0\r\n"
                       "CloseCheck=0\r\n"
                       "ShowSplashScreen=0\r\n"
                       "Lernmaterial=Lernmaterial-1\r\n"
                       "Bereich=01 Buchstaben a bis j\r\n"
                       "LektionName=06 Zeichen tippen a bis e.lek\r\n"
                       "SammelName=Tastwerk_erlernen.sam\r\n"
                       "SammelNameIndex=4\r\n"
                       "HighScore=42\r\n"
                       "SoundsEnabled=0\r\n"
                       "SapiSpeech.Stimme=\r\n";

void Fail(const QString &Text)
{
    std::fprintf(stderr, "tastwerk-screenshots: %s\n", qPrintable(Text));
}

// Runs the event loop until Done holds or Ms have passed.
bool WaitFor(const std::function<bool()> &Done, int Ms = 15000)
{
    QElapsedTimer T;
    T.start();
    while (!Done()) {
        if (T.elapsed() > Ms)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Lets layout, repaints and late timers run before a picture.
void Settle(int Ms = 400)
{
    WaitFor([] { return false; }, Ms);
}

void Activate(QWidget *W, QWidget *Focus)
{
    W->activateWindow();
    QApplication::setActiveWindow(W);
    Focus->setFocus();
    WaitFor([W] { return QApplication::activeWindow() == W; }, 3000);
}

bool Save(QWidget *W, const QString &OutFolder, const QString &Name)
{
    W->resize(PictureSize);
    Settle();
    const QString File = QDir(OutFolder).filePath(Name);
    if (!W->grab().save(File, "PNG")) {
        Fail(QStringLiteral("cannot write ") + File);
        return false;
    }
    std::printf("%s\n", qPrintable(File));
    return true;
}

void Key(QWidget *W, int K, const QString &Text)
{
    for (auto Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent Ev(Type, K, Qt::NoModifier, 0, 0, 0, Text, false);
        QCoreApplication::sendEvent(W->windowHandle(), &Ev);
    }
}

// Opens the exercise window for a shipped lesson and confirms its
// description (a modal window that comes up while the window is shown).
std::unique_ptr<TAT_Text_Dlg> OpenLesson(TForm1_TW &Main, const QString &File)
{
    TLektionendatei *L = Main.Jobs()->Lektionen().FindLektionendatei(Area, File);
    if (!L) {
        Fail(QStringLiteral("no lesson ") + File);
        return nullptr;
    }
    // The same exercise every run.
    RandSeed(7);
    auto D = std::make_unique<TAT_Text_Dlg>(nullptr, L);
    bool Answered = L->Beschreibung().isEmpty();
    QTimer Poll;
    QObject::connect(&Poll, &QTimer::timeout, [&Answered] {
        auto *Desc = qobject_cast<TSpeakTextDlg *>(QApplication::activeModalWidget());
        if (Desc && Desc->isVisible() && !Answered) {
            Answered = true;
            QTimer::singleShot(0, Desc->Btn1, &QPushButton::click);
        }
    });
    Poll.start(20);
    D->show();
    if (!WaitFor([&] { return Answered && !QApplication::activeModalWidget(); })) {
        Fail(QStringLiteral("the description of ") + File + QStringLiteral(" was not answered"));
        return nullptr;
    }
    Activate(D.get(), D->Re1);
    return D;
}

void Close(std::unique_ptr<TAT_Text_Dlg> &D)
{
    if (!D)
        return;
    D->setProperty("AutoClose", true);
    D->done(2);
    D.reset();
    Settle(100);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tastwerk"));
    if (argc != 3) {
        Fail(QStringLiteral("usage: tastwerk-screenshots SHARE-FOLDER OUTPUT-FOLDER"));
        return 2;
    }
    const QString Share = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString Out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(Out);

    QTemporaryDir Temp;
    if (!Temp.isValid()) {
        Fail(QStringLiteral("no temporary folder"));
        return 1;
    }
    InitPaths(Share, QStringLiteral("screenshots"), Temp.path());
    InstallGermanQtTexts();
    InstallAccessibilityMends();
    InstallBeep([] {});
    // A caret that does not blink is in every picture.
    QGuiApplication::styleHints()->setCursorFlashTime(0);

    QDir().mkpath(ProfilePath);
    {
        QFile Ini(ProfilePath + SettingsFileName);
        if (!Ini.open(QIODevice::WriteOnly) || Ini.write(Settings) < 0) {
            Fail(QStringLiteral("cannot write the settings"));
            return 1;
        }
    }

    int Result = 0;
    {
        TForm1_TW Main;
        Main.AutoClose = true;
        if (!Main.LoadIni())
            Fail(QStringLiteral("the settings did not load"));
        CreateFolders();
        Main.StartLoading();
        Main.show();
        Activate(&Main, Main.Re1);
        if (!WaitFor([&] {
                return Main.IsStarted() && Main.Re1->toPlainText().startsWith(QStringLiteral("Folgende Daten")) &&
                       Main.BtnEinzellektion->isEnabled();
            })) {
            Fail(QStringLiteral("the main window did not finish loading"));
            return 1;
        }
        // The voice list may still arrive; nothing of it shows.
        Settle(800);
        if (!Save(&Main, Out, QStringLiteral("hauptfenster.png")))
            Result = 1;

        // The exercise windows and the BraillePad with the largest braille
        // the settings offer: the cells stay readable in a picture scaled
        // down on a web page.
        BrailleSize = 9;

        // Finding: the caret on a target, Space: one right answer.
        if (auto D = OpenLesson(Main, QStringLiteral("11 Zeichen finden a bis j.lek"))) {
            if (D->ClickPos().Count() > 0) {
                TPlainTextMemo(D->Re1).SetSelStart(D->ClickPos().FPos.first().FromPos);
                Key(D.get(), Qt::Key_Space, QStringLiteral(" "));
                Settle(200);
                // Show where the next target is.
                if (D->ClickPos().Count() > 0)
                    TPlainTextMemo(D->Re1).SetSelStart(D->ClickPos().FPos.first().FromPos);
            }
            if (D->RichtigFalschCounter().FRichtig != 1)
                Fail(QStringLiteral("the finding lesson did not count the answer"));
            if (!Save(D.get(), Out, QStringLiteral("uebung-finden.png")))
                Result = 1;
            Close(D);
        } else {
            Result = 1;
        }

        // Typing: the first cell of the answer typed into the field.
        if (auto D = OpenLesson(Main, QStringLiteral("06 Zeichen tippen a bis e.lek"))) {
            if (D->TippenPos().Count() > 0 && !D->TippenPos().FPos[0].FTypeText.isEmpty())
                D->BrlKeyBrdInput(D->TippenPos().FPos[0].FTypeText.first().at(0));
            else
                Fail(QStringLiteral("the typing lesson has no input field"));
            if (!Save(D.get(), Out, QStringLiteral("uebung-tippen.png")))
                Result = 1;
            Close(D);
        } else {
            Result = 1;
        }

        // The BraillePad with a short text.
        {
            TBraillePadDlg Pad(nullptr);
            Pad.show();
            Activate(&Pad, Pad.Re1);
            Pad.Re1->insertPlainText(
                BrlUniChar->ConvertTextToBrlString(QStringLiteral("hallo welt")) + QLatin1Char('\n') +
                BrlUniChar->ConvertTextToBrlString(QStringLiteral("ich lerne braille mit tastwerk")));
            if (!Save(&Pad, Out, QStringLiteral("braillepad.png")))
                Result = 1;
            // Nothing to save: the text is only for the picture.
            Pad.Re1->document()->setModified(false);
        }

        Main.close();
        Settle(100);
    }
    return Result;
}
