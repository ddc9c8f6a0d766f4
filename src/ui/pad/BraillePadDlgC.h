#pragma once

#include "common/ProgramDialogC.h"
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class TBrlKeyBrd;
class TPlainTextMemo;

// A small editor in which the learner writes braille, with the six-key
// braille keyboard or with ordinary letters turned into cells, and keeps the
// texts in the texts folder of the current learning material.
class TBraillePadDlg : public TProgramDialog
{
    Q_OBJECT

public:
    explicit TBraillePadDlg(QWidget *AOwner);
    ~TBraillePadDlg() override;

    QMenuBar *MainMenu;
    QMenu *MM_Aktionen;
    QAction *MM_A_ReadOnly;
    QAction *MM_A_New;
    QAction *MM_A_Load;
    QAction *MM_A_Save;
    QAction *MM_A_SaveAs;
    QAction *MM_A_Close;
    QPlainTextEdit *Re1;
    QPushButton *Btn1Load;
    QPushButton *Btn2Save;
    QPushButton *Btn3Close;

    // The current file: full path, or the texts folder alone while the text
    // has no name.
    QString Filename() const { return FFilename; }
    TBrlKeyBrd *BrlKeyBrd() const { return FBrlKeyBrd.get(); }

    // A cell from the braille keyboard (null: a chord without a table entry).
    bool InsertBrailleCell(QChar Key);
    bool LoadBrailleText();
    bool SaveBrailleText(bool AskName);
    void NewText();
    void SetPadFilename(const QString &AFilename);
    void SetReadOnly(bool ReadOnly);

    void done(int Result) override;
    void reject() override;

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *E) override;
    void changeEvent(QEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    void LayoutControls();
    bool HasName() const;
    void SetModified(bool Modified);
    // The unsaved-changes question; false when the caller is to stop.
    bool AskSaveChanges();
    void ErrorBox(const QString &Text);
    bool Re1KeyPress(QKeyEvent *K);
    bool Re1InputMethod(class QInputMethodEvent *E);
    // Typed text after the typing rules; false when it is refused.
    bool TypedChar(QChar &C);
    // Switches the braille keyboard off, or on when the text field has the
    // focus in the active window with no modal window or menu open.
    void SetBrlKeyBrdOff();
    void UpdateBrlKeyBrd();
    // After a modal window: without a window manager nothing is active.
    void ComeBack();

    QString FFilename;
    std::unique_ptr<TBrlKeyBrd> FBrlKeyBrd;
    std::unique_ptr<TPlainTextMemo> FMemo;
    bool FMenuOpen = false;
    bool FClosing = false;
};

// Shows the BraillePad modally; its modal result, 0 when it failed.
int ShowBraillePadDlg();

// Called with the BraillePad just before it is shown modally; null by default.
extern std::function<void(TBraillePadDlg *)> OnBraillePadDlgShown;
