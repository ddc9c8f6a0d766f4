#include "pad/LoadSaveDlgC.h"

#include "app/SettingsC.h"
#include "common/AccessibilityC.h"
#include "common/DisplayHelperC.h"
#include "common/LabeledEditC.h"
#include "common/ModalC.h"
#include "common/SpokenBoxC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "help/HelpSystemC.h"
#include "log/LogC.h"
#include "sound/SoundsHelperC.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>

std::function<void(TLoadSaveDlg *)> OnLoadSaveDlgShown;

namespace
{
// What follows the last separator: nothing for a folder ending in one.
QString FileNamePart(const QString &Path)
{
    const qsizetype Sep = qMax(Path.lastIndexOf(u'/'), Path.lastIndexOf(u'\\'));
    return Path.mid(Sep + 1);
}
} // namespace

TLoadSaveDlg::TLoadSaveDlg(QWidget *AOwner, bool AIsLoad, const QString &AFilename)
    : TProgramDialog(AOwner, AIsLoad ? 9 : 10)
    , FIsLoad(AIsLoad)
    , FOldFilename(FileNamePart(AFilename))
{
    LeFile = new TLabeledEdit(QStringLiteral("Datei&name:"), this);
    LvFiles = new QListWidget(this);
    LvFiles->setAccessibleName(QStringLiteral("Dateiliste"));
    LvFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    LvFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MendListFocus(LvFiles);
    Btn1Write = new QPushButton(this);
    Btn2OK = new QPushButton(this);
    Btn3Cancel = new QPushButton(this);
    for (QPushButton *B : {Btn1Write, Btn2OK, Btn3Cancel})
        B->setAutoDefault(false);
    Btn2OK->setDefault(true);
    setTabOrder(LeFile->Edit, LvFiles);
    setTabOrder(LvFiles, Btn1Write);
    setTabOrder(Btn1Write, Btn2OK);
    setTabOrder(Btn2OK, Btn3Cancel);

    setWindowTitle(FIsLoad ? QStringLiteral("Brailletext laden") : QStringLiteral("Brailletext speichern unter"));
    Btn1Write->setText(QStringLiteral("Auch &schreiben"));
    Btn1Write->setToolTip(QStringLiteral("Text kann bearbeitet werden"));
    if (FIsLoad) {
        Btn2OK->setText(QStringLiteral("Nur &lesen"));
        Btn2OK->setToolTip(QStringLiteral("Text kann nur gelesen werden"));
    } else {
        Btn2OK->setText(QStringLiteral("&Speichern"));
        Btn2OK->setToolTip(QStringLiteral("Text speichern"));
    }
    Btn3Cancel->setText(QStringLiteral("&Abbrechen"));
    Btn3Cancel->setToolTip(QStringLiteral("Fenster ohne Aktion schließen"));
    LeFile->setVisible(!FIsLoad);
    Btn1Write->setVisible(FIsLoad);

    connect(Btn1Write, &QPushButton::clicked, this, [this] { done(8); });
    connect(Btn2OK, &QPushButton::clicked, this, [this] { done(1); });
    connect(Btn3Cancel, &QPushButton::clicked, this, [this] { done(2); });
    connect(LeFile->Edit, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
    connect(LvFiles, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    connect(LvFiles, &QListWidget::itemSelectionChanged, this, [this] {
        if (!FIsLoad && LvFiles->currentItem() && LvFiles->currentItem()->isSelected())
            LeFile->Edit->setText(LvFiles->currentItem()->text());
    });
    LeFile->Edit->installEventFilter(this);
    SpeakLabelOnEnter(LeFile->Edit, StripAmpersands(LeFile->EditLabel->text()));
    SpeakLabelOnEnter(LvFiles, QStringLiteral("Dateiliste"));

    SetFilename(AFilename);
    if (!QDir().mkpath(TextePath)) {
        const QString Error = QStringLiteral("Der Texte-Ordner \"%1\" konnte nicht angelegt werden!").arg(TextePath);
        LogAdd(Error);
        throw std::runtime_error(Error.toStdString());
    }
    FillList();
}

TLoadSaveDlg::~TLoadSaveDlg() = default;

void TLoadSaveDlg::FillList()
{
    // The learner's own texts, then the shipped ones that no own text of the
    // same name hides: a shipped text saved after editing lives on as an own
    // text under its name.
    FFiles.clear();
    QString Error;
    const std::optional<TFileInfoDynArray> Own = ScanFolder(skTexte, TextePath, &Error);
    if (!Own)
        throw std::runtime_error(Error.toStdString());
    FFiles = *Own;
    if (QDir(ProgramTextePath) != QDir(TextePath))
        if (const auto Shipped = ScanFolder(skTexte, ProgramTextePath))
            for (const TFileInfo &F : *Shipped)
                if (std::none_of(FFiles.cbegin(), FFiles.cend(),
                                 [&](const TFileInfo &O) { return SameText(O.Name, F.Name); }))
                    FFiles.append(F);
    std::stable_sort(FFiles.begin(), FFiles.end(), [](const TFileInfo &A, const TFileInfo &B) {
        return A.Name.compare(B.Name, Qt::CaseInsensitive) < 0;
    });

    LvFiles->clear();
    for (const TFileInfo &F : FFiles)
        LvFiles->addItem(F.Name);
    int Row = -1;
    for (int I = 0; I < FFiles.size() && Row < 0; ++I)
        if (SameText(FFiles[I].Name, FOldFilename))
            Row = I;
    if (Row < 0 && FIsLoad && !FFiles.isEmpty())
        Row = 0;
    if (Row >= 0) {
        LvFiles->setCurrentRow(Row, QItemSelectionModel::ClearAndSelect);
        LvFiles->scrollToItem(LvFiles->item(Row));
    } else {
        LvFiles->setCurrentRow(-1, QItemSelectionModel::Clear);
    }
}

void TLoadSaveDlg::FocusRowByName(const QString &Name)
{
    // The name as typed, or as it will be saved.
    const QString Cleaned = CleanFilename(Name);
    for (int I = 0; I < LvFiles->count(); ++I)
        if (SameText(LvFiles->item(I)->text(), Name) || SameText(LvFiles->item(I)->text(), Cleaned)) {
            LvFiles->setCurrentRow(I, QItemSelectionModel::ClearAndSelect);
            LvFiles->scrollToItem(LvFiles->item(I));
            return;
        }
}

bool TLoadSaveDlg::IsForbiddenFilenameChar(QChar C)
{
    return C.unicode() < 32 || QStringView(u"\"*/:<>?\\|").contains(C);
}

QString TLoadSaveDlg::CleanFilename(const QString &Name)
{
    QString S;
    for (QChar C : Name.trimmed())
        if (!IsForbiddenFilenameChar(C))
            S += C;
    if (S.isEmpty())
        return S;
    // Exactly these three, letter case included; anything else gets ".txt".
    const qsizetype Dot = S.lastIndexOf(u'.');
    const QString Ext = Dot < 0 ? QString() : S.mid(Dot);
    if (Ext != QLatin1String(".asc") && Ext != QLatin1String(".brl") && Ext != QLatin1String(".txt"))
        S = (Dot < 0 ? S : S.left(Dot)) + QStringLiteral(".txt");
    return S;
}

QString TLoadSaveDlg::GetFilename() const
{
    if (FIsLoad) {
        const int Row = LvFiles->currentRow();
        if (Row < 0 || Row >= FFiles.size())
            return QString();
        return FFiles[Row].GetFilename();
    }
    const QString Name = CleanFilename(LeFile->Edit->text());
    // A text that differs only in letter case is the same text to the
    // learner (and to Windows): it is overwritten, not doubled.
    return Name.isEmpty() ? QString() : ResolvePathNoCase(TextePath, Name);
}

void TLoadSaveDlg::SetFilename(const QString &AFilename)
{
    LeFile->Edit->setText(FileNamePart(AFilename));
}

void TLoadSaveDlg::UpdateButtons()
{
    Btn1Write->setEnabled(FIsLoad && LvFiles->currentRow() >= 0);
    Btn2OK->setEnabled(Btn1Write->isEnabled() || (!FIsLoad && !GetFilename().isEmpty()));
}

void TLoadSaveDlg::FormShow()
{
    ApplyDisplaySettings(this);
    FillWorkArea(this);
    LayoutControls();
    CenterOnWorkArea(this);
    if (FIsLoad)
        LvFiles->setFocus();
    else
        LeFile->Edit->setFocus();
    LeFile->Edit->selectAll();
    UpdateButtons();
}

void TLoadSaveDlg::resizeEvent(QResizeEvent *E)
{
    QDialog::resizeEvent(E);
    LayoutControls();
}

void TLoadSaveDlg::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    const int ClientW = width();
    const int ClientH = height();
    QString Longest;
    for (QPushButton *B : {Btn1Write, Btn2OK, Btn3Cancel})
        if (StripAmpersands(B->text()).size() > Longest.size())
            Longest = StripAmpersands(B->text());
    const int BtnW = TextWidthForFont(Font, Longest + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, Btn1Write);
    for (QPushButton *B : {Btn1Write, Btn2OK, Btn3Cancel})
        B->resize(BtnW, BtnH);
    const int Top = ClientH - 10 - BtnH;
    if (FIsLoad) {
        const int Left = (ClientW - 3 * BtnW) / 4;
        Btn1Write->move(Left, Top);
        Btn2OK->move(2 * Left + BtnW, Top);
        Btn3Cancel->move(Btn2OK->x() + BtnW + Left, Top);
    } else {
        const int Left = (ClientW - 2 * BtnW) / 3;
        Btn2OK->move(Left, Top);
        Btn3Cancel->move(2 * Left + BtnW, Top);
    }
    int ListTop = 10;
    if (!FIsLoad) {
        const int EditH = ControlHeightForFont(LeFile->Edit->font(), LeFile->Edit);
        LeFile->EditLabel->adjustSize();
        const int LabelW = LeFile->EditLabel->sizeHint().width();
        LeFile->Place(10, 10, qMax(10, ClientW - 10 - (10 + LabelW + TLabeledEdit::LabelSpacing)), EditH);
        ListTop = LeFile->y() + LeFile->height() + 10;
    }
    LvFiles->setGeometry(10, ListTop, ClientW - 20, qMax(10, Top - 10 - ListTop));
}

bool TLoadSaveDlg::eventFilter(QObject *Watched, QEvent *E)
{
    if (Watched == LeFile->Edit) {
        if (E->type() == QEvent::KeyPress) {
            const QString T = static_cast<QKeyEvent *>(E)->text();
            if (T.size() == 1 && T.at(0).unicode() >= 32 && IsForbiddenFilenameChar(T.at(0))) {
                SystemBeep();
                return true;
            }
        } else if (E->type() == QEvent::FocusOut && !FIsLoad) {
            FocusRowByName(LeFile->Edit->text().trimmed());
        }
    }
    return QDialog::eventFilter(Watched, E);
}

void TLoadSaveDlg::reject()
{
    done(2);
}

void TLoadSaveDlg::done(int Result)
{
    if (!FIsLoad) {
        FocusRowByName(LeFile->Edit->text().trimmed());
        if (Result == 1) {
            if (GetFilename().isEmpty())
                return;
            // A name the program had to change is said before it is used
            // (an added ".txt" is the usual case and goes unsaid).
            const QString Typed = LeFile->Edit->text().trimmed();
            const QString Cleaned = CleanFilename(Typed);
            if (Cleaned != Typed && Cleaned != Typed + QStringLiteral(".txt")) {
                ShowSpokenBox(QMessageBox::Information, this, QApplication::applicationDisplayName(),
                              QStringLiteral("Der Name \"%1\" enthält Zeichen, die ein Dateiname nicht haben kann, "
                                             "oder eine andere Endung. Der Text wird als \"%2\" gespeichert.")
                                  .arg(Typed, Cleaned));
            }
            if (QFileInfo::exists(GetFilename())) {
                const bool Yes = AskSpoken(this, QApplication::applicationDisplayName(),
                                           QStringLiteral("Soll die Datei \"%1\" überschrieben werden?")
                                               .arg(FileNamePart(GetFilename()))) == QMessageBox::Yes;
                if (!Yes) {
                    activateWindow();
                    LeFile->Edit->setFocus();
                    return;
                }
            }
        }
    } else if ((Result == 1 || Result == 8) && GetFilename().isEmpty()) {
        return;
    }
    QDialog::done(Result);
}

int ShowLoadSaveDlg(bool LoadMode, QString &FileName)
{
    return ShowModal([&] { return new TLoadSaveDlg(nullptr, LoadMode, FileName); },
                     OnLoadSaveDlgShown ? [](QDialog *D) {
                         if (OnLoadSaveDlgShown)
                             OnLoadSaveDlgShown(static_cast<TLoadSaveDlg *>(D));
                     }
                                        : std::function<void(QDialog *)>(),
                     [&](QDialog *D, int Result) {
                         if (Result == 2)
                             FileName.clear();
                         else
                             FileName = static_cast<TLoadSaveDlg *>(D)->GetFilename();
                     },
                     [](const QString &) { return QStringLiteral("Fehler bei LoadSaveDlg!"); });
}
