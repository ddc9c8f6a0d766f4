#include "common/ModalC.h"

#include "log/LogC.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace
{
QWidget *ReturnWindow(const QDialog *Dlg)
{
    if (QWidget *Owner = Dlg->parentWidget())
        return Owner->window();
    for (QWidget *W : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(W) && W->isVisible())
            return W;
    return nullptr;
}
} // namespace

int ShowModal(const std::function<QDialog *()> &Make, const std::function<void(QDialog *)> &Shown,
              const std::function<void(QDialog *, int Result)> &After,
              const std::function<QString(const QString &Error)> &FailureText)
{
    QPointer<QWidget> Before = QApplication::activeWindow();
    int Result = 0;
    auto Fail = [&](const QString &Error) {
        LogAdd(FailureText(Error));
        if (TLog *L = ProcessLog())
            L->SaveFile();
        Result = 0;
    };
    try {
        std::unique_ptr<QDialog> Dlg(Make());
        // Opened while no window was active (from a timer after another
        // window closed): the owner, or the program's main window, comes
        // back afterwards, or the learner's keys would go nowhere.
        if (!Before)
            Before = ReturnWindow(Dlg.get());
        if (Shown)
            QTimer::singleShot(0, Dlg.get(), [&Shown, D = Dlg.get()] { Shown(D); });
        Result = Dlg->exec();
        if (After)
            After(Dlg.get(), Result);
    } catch (const std::exception &E) {
        Fail(QString::fromLocal8Bit(E.what()));
    } catch (...) {
        Fail(QString());
    }
    if (Before)
        Before->activateWindow();
    return Result;
}
