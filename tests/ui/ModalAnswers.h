#pragma once

#include "run/SpeakTextDlgC.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

// Answers the modal windows a test brings up, in turn: each queued handler
// gets the next modal window once it is up. A handler that leaves its window
// open is followed by the next one for the window that comes up after it.
// Windows under test (Own) are never answered.
class TModalAnswers : public QObject
{
public:
    TModalAnswers()
    {
        connect(&FTimer, &QTimer::timeout, this, [this] { Poll(); });
        FTimer.start(10);
    }

    QList<QPointer<QWidget>> Own;
    QStringList Seen; // "caption: text" of every answered window

    void Answer(std::function<void(QWidget *)> Handler) { FAnswers.append(std::move(Handler)); }
    // A standard question, answered with Button.
    void AnswerBox(QMessageBox::StandardButton Button)
    {
        Answer([this, Button](QWidget *W) {
            auto *Box = qobject_cast<QMessageBox *>(W);
            QVERIFY2(Box, "a message box was expected");
            Seen.append(Box->windowTitle() + QStringLiteral(": ") + Box->text());
            Box->button(Button)->click();
        });
    }
    // A message window of the program, answered with its first or second
    // button.
    void AnswerSpeakText(int Button)
    {
        Answer([this, Button](QWidget *W) {
            auto *Dlg = qobject_cast<TSpeakTextDlg *>(W);
            QVERIFY2(Dlg, "a message window was expected");
            Seen.append(Dlg->windowTitle() + QStringLiteral(": ") + Dlg->Text());
            (Button == 1 ? Dlg->Btn1 : Dlg->Btn2)->click();
        });
    }
    bool IsEmpty() const { return FAnswers.isEmpty(); }
    void Clear()
    {
        FAnswers.clear();
        Seen.clear();
    }

private:
    void Poll()
    {
        QWidget *W = QApplication::activeModalWidget();
        if (!W || Own.contains(W) || W == FLastAnswered || FAnswers.isEmpty() || !W->isVisible())
            return;
        FLastAnswered = W;
        auto Handler = FAnswers.takeFirst();
        // Outside the timer: the handler may open the next modal window.
        QTimer::singleShot(0, W, [this, Handler, W] {
            Handler(W);
            if (QTest::currentTestFailed())
                CloseAll();
        });
    }
    // After a failed check inside a modal window nothing may stay open.
    void CloseAll()
    {
        FAnswers.clear();
        QTimer::singleShot(0, this, [this] {
            if (auto *D = qobject_cast<QDialog *>(QApplication::activeModalWidget()); D && !Own.contains(D)) {
                D->done(2);
                CloseAll();
            }
        });
    }

    QList<std::function<void(QWidget *)>> FAnswers;
    QPointer<QWidget> FLastAnswered;
    QTimer FTimer;
};
