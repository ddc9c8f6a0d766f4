#pragma once

#include "common/ProgramDialogC.h"
#include "content/LektionenC.h"

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class TJobs;
class TPlainTextMemo;
class TSammeldatei;

enum TListenModus { lmBereich, lmLektion, lmBereichAndLektion, lmSammellektion, lmLernmaterial };

// The loader of the running program (its main window's).
TJobs &ProgramJobs();

// The one window for every choice of content: an area, a lesson of a
// collective lesson, an area with one of its lessons, a collective lesson or
// a learning material. The current choice is marked with "*"; the chosen row
// is the list's selected row. Result 1 on a choice, 2 otherwise.
class TListenDlg : public TProgramDialog
{
    Q_OBJECT

public:
    // AJobs holds the content; the running program's by default.
    TListenDlg(QWidget *AOwner, TListenModus AListenModus, int AStartIndex, int AStartBereichIndex,
               TSammeldatei *ASammeldatei, TJobs &AJobs = ProgramJobs());
    ~TListenDlg() override;

    QPushButton *Btn3Bereiche;
    QComboBox *CbBereiche;
    QListWidget *LvListe;
    QLabel *LblBeschreibung;
    QPlainTextEdit *Re1;
    QPushButton *Btn1Ok;
    QPushButton *Btn2Abbrechen;
    QMenu *PopupMenu_Re;
    QAction *PM_Re_AllSelect;
    QAction *PM_Re_Copy;
    QAction *PM_Re_LinesDown;
    QAction *PM_Re_LinesUp;

    // Each row keeps its second column (the number of lessons) here; its
    // accessible text names both columns.
    static constexpr int Column2Role = Qt::UserRole + 1;

    // The selected row of the list, -1 when none.
    int ItemIndex() const;
    // The folder name (Bereich) of the area chosen in CbBereiche, "" when none.
    QString GetBereichName() const;
    // With an area and its lessons: the lesson at the chosen row, or none.
    TLektionendatei *GetLektion() const;

    TListenModus ListenModus() const { return FListenModus; }
    int StartIndex() const { return FStartIndex; }
    int StartBereichIndex() const { return FStartBereichIndex; }

    void reject() override;

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *E) override;
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    void CreatePopupMenu();
    void FillBereiche();
    void FillListe();
    void SetRowCount(int Count);
    void SetRow(int Row, const QString &Text, const QString &Column2 = QString());
    void ShowBeschreibung(int Row);
    void SelectionChanged();
    void Btn3BereicheClick();
    void LayoutControls();
    bool Re1KeyPress(QKeyEvent *K);

    TLektionendateiDynArray FLektionen;
    TListenModus FListenModus;
    TSammeldatei *FSammeldatei;
    int FStartIndex;
    int FStartBereichIndex;
    int FAktBereichIndex; // the current area, -1 for none
    TJobs &FJobs;
    QString FColumn2Caption;
    std::unique_ptr<TPlainTextMemo> FMemo;
};
