#pragma once

#include <QString>
#include <functional>

class QDialog;

// Shows a window modally the way every window of the program is shown. Make
// builds it (and may throw); Shown, when set, runs once it is up (tests
// answer windows from there); After, when set, reads what the window holds
// before it goes. A failure is written to the log as FailureText(error
// message), the log is saved at once, and the result is 0. Without a window
// manager nothing becomes active when a modal window closes: the window that
// was active before is activated again.
int ShowModal(const std::function<QDialog *()> &Make, const std::function<void(QDialog *)> &Shown,
              const std::function<void(QDialog *, int Result)> &After,
              const std::function<QString(const QString &Error)> &FailureText);
