#include "common/TextPaneMenuC.h"

#include "exercise/MemoC.h"
#include "run/ParagraphKeysC.h"
#include "sound/SoundsHelperC.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace
{
QAction *NewAction(QWidget *Owner, const QString &Caption, int Tag, const QKeySequence &Key)
{
    auto *A = new QAction(Caption, Owner);
    A->setProperty("Tag", Tag);
    A->setShortcut(Key);
    return A;
}

void MoveCaret(TMemo *Memo, int Pos)
{
    if (Pos < 0)
        SystemBeep();
    else
        Memo->SetSelStart(Pos);
}
} // namespace

TTextPaneMenu TTextPaneMenu::Install(QWidget *Owner, QPlainTextEdit *Pane, TMemo *Memo)
{
    TTextPaneMenu M;
    M.Menu = new QMenu(Owner);
    M.AllSelect = NewAction(Owner, QStringLiteral("Alles &markieren"), 1, QKeySequence(Qt::CTRL | Qt::Key_A));
    M.Copy = NewAction(Owner, QStringLiteral("&Kopieren"), 2, QKeySequence(Qt::CTRL | Qt::Key_C));
    M.LinesDown = NewAction(Owner, QStringLiteral("Nächster Absatz"), 1, QKeySequence(Qt::CTRL | Qt::Key_Down));
    M.LinesUp = NewAction(Owner, QStringLiteral("Vorheriger Absatz"), 2, QKeySequence(Qt::CTRL | Qt::Key_Up));
    for (QAction *A : {M.AllSelect, M.Copy, M.LinesDown, M.LinesUp}) {
        // The keys act in the pane only.
        A->setShortcutContext(Qt::WidgetShortcut);
        Pane->addAction(A);
    }
    // The paragraph entries stay out of the menu (a hidden action would
    // lose its key).
    M.Menu->addActions({M.AllSelect, M.Copy});
    QObject::connect(M.AllSelect, &QAction::triggered, Pane, &QPlainTextEdit::selectAll);
    QObject::connect(M.Copy, &QAction::triggered, Pane, &QPlainTextEdit::copy);
    QObject::connect(M.LinesDown, &QAction::triggered, Pane,
                     [Memo] { MoveCaret(Memo, NextParagraphPos(Memo->Text(), Memo->SelStart())); });
    QObject::connect(M.LinesUp, &QAction::triggered, Pane,
                     [Memo] { MoveCaret(Memo, PreviousParagraphPos(Memo->Text(), Memo->SelStart())); });
    Pane->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(Pane, &QWidget::customContextMenuRequested, M.Menu, [M, Pane](const QPoint &Pos) {
        M.Update(Pane);
        M.Menu->popup(Pane->viewport()->mapToGlobal(Pos));
    });
    return M;
}

void TTextPaneMenu::Update(QPlainTextEdit *Pane) const
{
    AllSelect->setEnabled(!Pane->document()->isEmpty());
    Copy->setEnabled(Pane->textCursor().hasSelection());
}
