#include "common/ModalC.h"

#include "log/LogC.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <memory>

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
