#pragma once

#include "content/FilesHelperC.h"

#include "common/ProgramDialogC.h"
#include <functional>

class QListWidget;
class QPushButton;
class TLabeledEdit;

// The BraillePad's file dialog: lists the texts of the current learning
// material and gives back the file to load (for reading only or for editing)
// or the name to save under.
class TLoadSaveDlg : public TProgramDialog
{
    Q_OBJECT

public:
    TLoadSaveDlg(QWidget *AOwner, bool AIsLoad, const QString &AFilename);
    ~TLoadSaveDlg() override;

    // Load mode: the folder of the focused row plus its name. Save mode: the
    // typed name cleaned of characters a file name cannot hold, with ".txt"
    // unless it ends in ".asc", ".brl" or ".txt", in the texts folder. Empty
    // when there is nothing to give.
    QString GetFilename() const;
    // Puts the file name part of a path into the name field.
    void SetFilename(const QString &AFilename);

    // The name with every character a file name cannot hold removed and the
    // extension rule applied; empty stays empty.
    static QString CleanFilename(const QString &Name);
    static bool IsForbiddenFilenameChar(QChar C);

    TLabeledEdit *LeFile;
    QListWidget *LvFiles;
    QPushButton *Btn1Write;
    QPushButton *Btn2OK;
    QPushButton *Btn3Cancel;

    void done(int Result) override;
    void reject() override;

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *E) override;
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    void FillList();
    void FocusRowByName(const QString &Name);
    void UpdateButtons();
    void LayoutControls();

    TFileInfoDynArray FFiles;
    bool FIsLoad;
    QString FOldFilename;
};

// Shows the file dialog modally. Cancel (2) empties FileName; any other
// result puts the dialog's file into it. 0 when the dialog failed.
int ShowLoadSaveDlg(bool LoadMode, QString &FileName);

// Called with each file dialog just before it is shown modally (tests answer
// it from here); null by default.
extern std::function<void(TLoadSaveDlg *)> OnLoadSaveDlgShown;
