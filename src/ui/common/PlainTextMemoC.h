#pragma once

#include "exercise/MemoC.h"

class QPlainTextEdit;

// The code of an arrow key as the line-end sound check takes it (vkLeft ...),
// 0 for any other key.
int ArrowKeyCode(int QtKey);

// A text pane as the core sees a memo: its text with CR LF line breaks and
// positions counting them as two, as the exercise engine and the spoken
// lines expect.
class TPlainTextMemo : public TMemo
{
public:
    explicit TPlainTextMemo(QPlainTextEdit *AEdit)
        : FEdit(AEdit)
    {
    }

    QString Text() const override;
    void SetText(const QString &AText) override;
    int SelStart() const override;
    void SetSelStart(int ASelStart) override;
    int SelLength() const override;
    void SetSelLength(int ASelLength) override;
    QString SelText() const override;
    void ReplaceSelection(const QString &AText) override;
    void BeginUpdate() override;
    void EndUpdate() override;

    QPlainTextEdit *Edit() const { return FEdit; }

private:
    QPlainTextEdit *FEdit;
    int FUpdates = 0;
};
