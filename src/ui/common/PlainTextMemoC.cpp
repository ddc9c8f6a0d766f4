#include "common/PlainTextMemoC.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include "sound/SoundsHelperC.h"

namespace
{
QString ToMemoText(const QString &Plain)
{
    QString S = Plain;
    S.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return S;
}
} // namespace

QString TPlainTextMemo::Text() const
{
    return ToMemoText(FEdit->toPlainText());
}

void TPlainTextMemo::SetText(const QString &AText)
{
    QString S = AText;
    S.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    S.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    FEdit->setPlainText(S);
}

int TPlainTextMemo::SelStart() const
{
    const QTextCursor C = FEdit->textCursor();
    return DocumentToMemoPosition(Text(), C.selectionStart());
}

void TPlainTextMemo::SetSelStart(int ASelStart)
{
    QTextCursor C = FEdit->textCursor();
    C.setPosition(MemoToDocumentPosition(Text(), ASelStart));
    FEdit->setTextCursor(C);
}

int TPlainTextMemo::SelLength() const
{
    const QTextCursor C = FEdit->textCursor();
    const QString T = Text();
    return DocumentToMemoPosition(T, C.selectionEnd()) - DocumentToMemoPosition(T, C.selectionStart());
}

void TPlainTextMemo::SetSelLength(int ASelLength)
{
    const QString T = Text();
    QTextCursor C = FEdit->textCursor();
    const int Start = C.selectionStart();
    const int End = MemoToDocumentPosition(T, DocumentToMemoPosition(T, Start) + qMax(0, ASelLength));
    C.setPosition(Start);
    C.setPosition(End, QTextCursor::KeepAnchor);
    FEdit->setTextCursor(C);
}

QString TPlainTextMemo::SelText() const
{
    return Text().mid(SelStart(), SelLength());
}

void TPlainTextMemo::ReplaceSelection(const QString &AText)
{
    QString S = AText;
    S.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor C = FEdit->textCursor();
    C.insertText(S);
    FEdit->setTextCursor(C);
}

void TPlainTextMemo::BeginUpdate()
{
    if (FUpdates++ == 0)
        FEdit->setUpdatesEnabled(false);
}

void TPlainTextMemo::EndUpdate()
{
    if (FUpdates > 0 && --FUpdates == 0)
        FEdit->setUpdatesEnabled(true);
}

int ArrowKeyCode(int QtKey)
{
    switch (QtKey) {
    case Qt::Key_Left:
        return vkLeft;
    case Qt::Key_Up:
        return vkUp;
    case Qt::Key_Right:
        return vkRight;
    case Qt::Key_Down:
        return vkDown;
    default:
        return 0;
    }
}
