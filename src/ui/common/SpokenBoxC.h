#pragma once

#include <QMessageBox>

// A standard message box or question whose text the program speaks whole
// when it opens, as it speaks its own message window: heard also when no
// screen reader runs, and not cut off by the screen reader's announcement.
// Speech stops when the box closes.
QMessageBox::StandardButton ShowSpokenBox(QMessageBox::Icon Icon, QWidget *Parent, const QString &Title,
                                          const QString &Text, QMessageBox::StandardButtons Buttons = QMessageBox::Ok,
                                          QMessageBox::StandardButton Default = QMessageBox::NoButton);

// A yes/no question, spoken (see ShowSpokenBox).
inline QMessageBox::StandardButton AskSpoken(QWidget *Parent, const QString &Title, const QString &Text,
                                             QMessageBox::StandardButtons Buttons = QMessageBox::Yes | QMessageBox::No,
                                             QMessageBox::StandardButton Default = QMessageBox::NoButton)
{
    return ShowSpokenBox(QMessageBox::Question, Parent, Title, Text, Buttons, Default);
}
