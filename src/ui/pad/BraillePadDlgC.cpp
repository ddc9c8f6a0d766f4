#include "pad/BraillePadDlgC.h"

#include "app/SettingsC.h"
#include "braille/BrlKeyBrdC.h"
#include "braille/BrlUniCharC.h"
#include "common/DisplayHelperC.h"
#include "common/ModalC.h"
#include "common/PlainTextMemoC.h"
#include "common/SpokenBoxC.h"
#include "content/FilesHelperC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "help/HelpSystemC.h"
#include "log/LogC.h"
#include "pad/LoadSaveDlgC.h"
#include "sound/SoundsHelperC.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>

std::function<void(TBraillePadDlg *)> OnBraillePadDlgShown;

namespace
{
QString FileNamePart(const QString &Path)
{
    const qsizetype Sep = qMax(Path.lastIndexOf(u'/'), Path.lastIndexOf(u'\\'));
    return Path.mid(Sep + 1);
}

} // namespace

TBraillePadDlg::TBraillePadDlg(QWidget *AOwner)
    : TProgramDialog(AOwner, 5)
{
    MainMenu = new QMenuBar(this);
    MM_Aktionen = MainMenu->addMenu(QStringLiteral("A&ktionen"));
    MM_A_ReadOnly = MM_Aktionen->addAction(QStringLiteral("Nu&r lesen"));
    MM_A_ReadOnly->setCheckable(true);
    MM_A_New = MM_Aktionen->addAction(QStringLiteral("&Neu"));
    MM_A_New->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MM_A_Load = MM_Aktionen->addAction(QStringLiteral("&Laden..."));
    MM_A_Load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    MM_A_Save = MM_Aktionen->addAction(QStringLiteral("&Speichern"));
    MM_A_Save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MM_A_SaveAs = MM_Aktionen->addAction(QStringLiteral("Speichern &unter..."));
    MM_A_SaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    MM_A_Close = MM_Aktionen->addAction(QStringLiteral("S&chließen"));
    MM_A_Close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    Re1 = new QPlainTextEdit(this);
    Re1->setAccessibleName(QStringLiteral("Brailletext"));
    Re1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Re1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab goes on to the buttons, as in every other window.
    Re1->setTabChangesFocus(true);
    FMemo = std::make_unique<TPlainTextMemo>(Re1);
    Btn1Load = new QPushButton(this);
    Btn2Save = new QPushButton(this);
    Btn3Close = new QPushButton(this);
    for (QPushButton *B : {Btn1Load, Btn2Save, Btn3Close})
        B->setAutoDefault(false);
    setTabOrder(Re1, Btn1Load);
    setTabOrder(Btn1Load, Btn2Save);
    setTabOrder(Btn2Save, Btn3Close);

    connect(MM_A_ReadOnly, &QAction::triggered, this, [this] { SetReadOnly(!Re1->isReadOnly()); });
    connect(MM_A_New, &QAction::triggered, this, [this] { NewText(); });
    connect(MM_A_Load, &QAction::triggered, this, [this] { LoadBrailleText(); });
    connect(MM_A_Save, &QAction::triggered, this, [this] { SaveBrailleText(!HasName()); });
    connect(MM_A_SaveAs, &QAction::triggered, this, [this] { SaveBrailleText(true); });
    connect(MM_A_Close, &QAction::triggered, Btn3Close, &QPushButton::click);
    connect(Btn1Load, &QPushButton::clicked, this, [this] { LoadBrailleText(); });
    connect(Btn2Save, &QPushButton::clicked, this, [this] { SaveBrailleText(!HasName()); });
    connect(Btn3Close, &QPushButton::clicked, this, [this] { done(2); });
    connect(Re1->document(), &QTextDocument::modificationChanged, this, [this](bool Changed) {
        Btn2Save->setEnabled(Changed);
        MM_A_Save->setEnabled(Changed);
    });
    connect(MM_Aktionen, &QMenu::aboutToShow, this, [this] {
        FMenuOpen = true;
        SetBrlKeyBrdOff();
        MM_A_Save->setEnabled(Btn2Save->isEnabled());
        MM_A_ReadOnly->setChecked(Re1->isReadOnly());
    });
    connect(MM_Aktionen, &QMenu::aboutToHide, this, [this] {
        FMenuOpen = false;
        UpdateBrlKeyBrd();
    });

    // Creation.
    SetPadFilename(QString());
    Btn1Load->setText(QStringLiteral("&Laden"));
    Btn1Load->setToolTip(QStringLiteral("Einen Brailletext laden"));
    Btn2Save->setText(QStringLiteral("&Speichern"));
    Btn2Save->setToolTip(QStringLiteral("Getippten Brailletext speichern"));
    Btn3Close->setText(QStringLiteral("S&chließen"));
    Btn3Close->setToolTip(QStringLiteral("BraillePad verlassen"));
    Re1->clear();
    SetModified(false);
    FBrlKeyBrd = std::make_unique<TBrlKeyBrd>(this);
    FBrlKeyBrd->OnBrlKeyBrdNotify = [this](QChar Key) { return InsertBrailleCell(Key); };
    ::BrlKeyBrd = FBrlKeyBrd.get();
    Re1->installEventFilter(this);
}

TBraillePadDlg::~TBraillePadDlg()
{
    FBrlKeyBrd.reset();
}

void TBraillePadDlg::SetModified(bool Modified)
{
    // Clearing the pane does not always report the change of the flag.
    Re1->document()->setModified(Modified);
    Btn2Save->setEnabled(Modified);
    MM_A_Save->setEnabled(Modified);
}

bool TBraillePadDlg::HasName() const
{
    return !FileNamePart(FFilename).isEmpty();
}

void TBraillePadDlg::SetPadFilename(const QString &AFilename)
{
    // Texts always live in the writable texts folder, also a shipped one
    // that was opened for editing.
    const QString Name = FileNamePart(AFilename);
    FFilename = TextePath + Name;
    setWindowTitle(QStringLiteral("%1 - BraillePad").arg(Name.isEmpty() ? QStringLiteral("KeinName") : Name));
}

void TBraillePadDlg::SetReadOnly(bool ReadOnly)
{
    Re1->setReadOnly(ReadOnly);
    // The caret must still move for the learner to read.
    if (ReadOnly)
        Re1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    MM_A_ReadOnly->setChecked(ReadOnly);
}

void TBraillePadDlg::SetBrlKeyBrdOff()
{
    if (FBrlKeyBrd)
        FBrlKeyBrd->SetActive(false);
}

void TBraillePadDlg::UpdateBrlKeyBrd()
{
    if (!FBrlKeyBrd)
        return;
    QWidget *Modal = QApplication::activeModalWidget();
    const bool On = !FClosing && !FMenuOpen && isVisible() && isActiveWindow() && Re1->hasFocus() &&
                    (!Modal || Modal == this) && !QApplication::activePopupWidget();
    try {
        FBrlKeyBrd->SetActive(On);
    } catch (const std::exception &E) {
        // Typing with letters still works; the chords do not.
        LogAdd(QStringLiteral("Fehler bei BraillePadDlg: \"%1\"").arg(QString::fromLocal8Bit(E.what())));
    }
}

void TBraillePadDlg::ComeBack()
{
    activateWindow();
    UpdateBrlKeyBrd();
}

void TBraillePadDlg::ErrorBox(const QString &Text)
{
    SetBrlKeyBrdOff();
    ShowSpokenBox(QMessageBox::Critical, this, QApplication::applicationDisplayName(), Text);
    ComeBack();
}

bool TBraillePadDlg::AskSaveChanges()
{
    if (!Re1->document()->isModified())
        return true;
    SetBrlKeyBrdOff();
    const auto Answer = AskSpoken(this, QApplication::applicationDisplayName(),
                                  QStringLiteral("Sollen die Änderungen gespeichert werden?"),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    ComeBack();
    if (Answer == QMessageBox::Yes)
        return SaveBrailleText(!HasName());
    return Answer == QMessageBox::No;
}

bool TBraillePadDlg::InsertBrailleCell(QChar Key)
{
    if (!Key.isNull() && !Re1->isReadOnly()) {
        PlaySoundNr(snType, true);
        Re1->insertPlainText(QString(Key));
        return true;
    }
    SystemBeep();
    return false;
}

bool TBraillePadDlg::SaveBrailleText(bool AskName)
{
    QString File = FFilename;
    if (AskName) {
        SetBrlKeyBrdOff();
        const int R = ShowLoadSaveDlg(false, File);
        ComeBack();
        if (R != 1)
            return false;
    }
    QString Text = FMemo->Text();
    if (BrlUniChar)
        Text = BrlUniChar->Translate(Text, ttToAscChar, true);
    // UTF-8 with a byte-order mark: every character survives, and every
    // reader (Windows ones included) knows the encoding.
    const QByteArray Bytes = EncodeText(JoinLines(SplitLines(Text)), TTextEncoding::Utf8Bom);
    if (!WriteFileWhole(File, Bytes, UserFileWriteAttempts)) {
        LogAdd(QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden!").arg(File));
        ErrorBox(QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden!").arg(File));
        return false;
    }
    Re1->setFocus();
    SetModified(false);
    SetPadFilename(File);
    return true;
}

bool TBraillePadDlg::LoadBrailleText()
{
    QString File = FFilename;
    SetBrlKeyBrdOff();
    const int R = ShowLoadSaveDlg(true, File);
    ComeBack();
    if (R == 2)
        return false;
    const std::optional<QString> Text = LoadTextFile(File);
    if (!Text) {
        ErrorBox(QStringLiteral("Die Datei \"%1\" konnte nicht geladen werden!").arg(File));
        return false;
    }
    if (!AskSaveChanges())
        return false;
    FMemo->SetText(BrlUniChar ? BrlUniChar->ConvertTextToBrlString(*Text) : *Text);
    SetModified(false);
    FMemo->SetSelStart(0);
    Re1->setFocus();
    SetReadOnly(R != 8);
    SetPadFilename(File);
    UpdateBrlKeyBrd();
    return true;
}

void TBraillePadDlg::NewText()
{
    if (!AskSaveChanges())
        return;
    Re1->clear();
    SetReadOnly(false);
    SetModified(false);
    SetPadFilename(QString());
}

void TBraillePadDlg::FormShow()
{
    ApplyDisplaySettings(this);
    FillWorkArea(this);
    LayoutControls();
    CenterOnWorkArea(this);
    Re1->setFocus();
    SetModified(false);
    UpdateBrlKeyBrd();
}

void TBraillePadDlg::resizeEvent(QResizeEvent *E)
{
    QDialog::resizeEvent(E);
    LayoutControls();
}

void TBraillePadDlg::LayoutControls()
{
    const QFont Font = ToQFont(AktFont);
    const int MenuH = MainMenu->sizeHint().height();
    MainMenu->setGeometry(0, 0, width(), MenuH);
    // The client area lies below the menu.
    const int ClientW = width();
    const int ClientH = height() - MenuH;
    QString Longest;
    for (QPushButton *B : {Btn1Load, Btn2Save, Btn3Close})
        if (StripAmpersands(B->text()).size() > Longest.size())
            Longest = StripAmpersands(B->text());
    const int BtnW = TextWidthForFont(Font, Longest + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, Btn1Load);
    for (QPushButton *B : {Btn1Load, Btn2Save, Btn3Close})
        B->resize(BtnW, BtnH);
    const int Top = MenuH + ClientH - 10 - BtnH;
    const int Left = (ClientW - 3 * BtnW) / 4;
    Btn1Load->move(Left, Top);
    Btn2Save->move(2 * Left + BtnW, Top);
    Btn3Close->move(Btn2Save->x() + BtnW + Left, Top);
    Re1->setGeometry(10, MenuH + 10, ClientW - 20, qMax(10, Top - 10 - (MenuH + 10)));
}

void TBraillePadDlg::changeEvent(QEvent *E)
{
    QDialog::changeEvent(E);
    if (E->type() == QEvent::ActivationChange)
        UpdateBrlKeyBrd();
}

void TBraillePadDlg::keyPressEvent(QKeyEvent *E)
{
    // Escape does not close the editor: only the close button and its keys do.
    if (E->key() == Qt::Key_Escape && E->modifiers() == Qt::NoModifier) {
        E->accept();
        return;
    }
    QDialog::keyPressEvent(E);
}

bool TBraillePadDlg::TypedChar(QChar &C)
{
    const bool Active = FBrlKeyBrd && FBrlKeyBrd->Active();
    if (Querztastatur) {
        if (Re1->isReadOnly() || (Active && C.unicode() > 32)) {
            SystemBeep();
            return false;
        }
        return true;
    }
    C = C.unicode() == 127 ? QChar(u'_') : C.toLower();
    if (Re1->isReadOnly()) {
        SystemBeep();
        return false;
    }
    if (Active && C.unicode() > 32) {
        // The learner types what the table lists; no substitutes here.
        TBuc Buc;
        if (!BrlUniChar || !BrlUniChar->FindAscChar(C, Buc)) {
            SystemBeep();
            return false;
        }
        PlaySoundNr(snType, true);
        C = Buc.UniBrl;
    }
    return true;
}

bool TBraillePadDlg::Re1KeyPress(QKeyEvent *K)
{
    if (const int Vk = ArrowKeyCode(K->key()))
        CheckLineEndSound(true, true, *FMemo, Vk);
    const int Key = K->key();
    if (Key == Qt::Key_Tab || Key == Qt::Key_Backtab || Key == Qt::Key_Escape)
        return false;
    QString Text = K->text();
    // Ctrl+Backspace types character 127 on Windows; here it has no text.
    if (Key == Qt::Key_Backspace && (K->modifiers() & Qt::ControlModifier))
        Text = QString(QChar(127));
    else if (Key == Qt::Key_Delete)
        return false; // X11 gives Delete the text 127 as well: it is no typed character
    if (Text.size() != 1)
        return false;
    QChar C = Text.at(0);
    const QChar Typed = C;
    if (!TypedChar(C))
        return true;
    if (C == Typed)
        return false;
    Re1->insertPlainText(QString(C));
    return true;
}

bool TBraillePadDlg::Re1InputMethod(QInputMethodEvent *E)
{
    // Composed characters follow the same rules as typed ones.
    if (E->commitString().isEmpty() || !E->preeditString().isEmpty())
        return false;
    QString Accepted;
    for (QChar C : E->commitString())
        if (TypedChar(C))
            Accepted += C;
    if (!Accepted.isEmpty())
        Re1->insertPlainText(Accepted);
    return true;
}

bool TBraillePadDlg::eventFilter(QObject *Watched, QEvent *E)
{
    if (Watched == Re1) {
        switch (E->type()) {
        case QEvent::KeyPress:
            if (Re1KeyPress(static_cast<QKeyEvent *>(E)))
                return true;
            break;
        case QEvent::InputMethod:
            if (Re1InputMethod(static_cast<QInputMethodEvent *>(E)))
                return true;
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            UpdateBrlKeyBrd();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(Watched, E);
}

void TBraillePadDlg::reject()
{
    done(2);
}

void TBraillePadDlg::done(int Result)
{
    SetBrlKeyBrdOff();
    if (!AskSaveChanges()) {
        // Stays open.
        UpdateBrlKeyBrd();
        return;
    }
    FClosing = true;
    SetBrlKeyBrdOff();
    QDialog::done(Result);
}

int ShowBraillePadDlg()
{
    return ShowModal([] { return new TBraillePadDlg(nullptr); },
                     OnBraillePadDlgShown ? [](QDialog *D) {
                         if (OnBraillePadDlgShown)
                             OnBraillePadDlgShown(static_cast<TBraillePadDlg *>(D));
                     }
                                          : std::function<void(QDialog *)>(),
                     nullptr, [](const QString &E) { return QStringLiteral("Fehler bei BraillePadDlg: \"%1\"").arg(E); });
}
