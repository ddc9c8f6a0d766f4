#pragma once

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;
class TMemo;

// The popup menu every read-only text pane of the program has: "Alles
// markieren" (Ctrl+A) and "Kopieren" (Ctrl+C), each enabled when it can act,
// and the paragraph keys Ctrl+Down and Ctrl+Up, which are not shown in the
// menu but work all the same (a beep where the caret cannot go).
struct TTextPaneMenu {
    QMenu *Menu = nullptr;
    QAction *AllSelect = nullptr;
    QAction *Copy = nullptr;
    QAction *LinesDown = nullptr;
    QAction *LinesUp = nullptr;

    // Builds the menu for Pane (Memo is the pane as the core sees it); the
    // menu and its actions belong to Owner.
    static TTextPaneMenu Install(QWidget *Owner, QPlainTextEdit *Pane, TMemo *Memo);
    // Enables the two visible entries for the pane's state now.
    void Update(QPlainTextEdit *Pane) const;
};
