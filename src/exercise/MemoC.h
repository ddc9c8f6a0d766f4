#pragma once

#include <QString>

// The text pane an exercise is shown in, as the exercise engine sees it.
// Positions are 0-based and count every UTF-16 code unit, a line break
// (CR LF) as two. The exercise window implements it over its text widget
// (whose document counts a line break as one position: see the conversions
// below); TStringMemo keeps the text in memory.
class TMemo
{
public:
    virtual ~TMemo() = default;

    virtual QString Text() const = 0;
    virtual void SetText(const QString &AText) = 0;
    // Setting the cursor empties the selection.
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int ASelStart) = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int ASelLength) = 0;
    virtual QString SelText() const = 0;
    // Replaces the selection (inserts at the cursor when nothing is
    // selected) and puts the cursor after the new text.
    virtual void ReplaceSelection(const QString &AText) = 0;
    // A bulk update: the pane redraws and reports once at the end.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;

    void Clear() { SetText(QString()); }
    // Appends S as a line of its own.
    void AddLine(const QString &S);
};

// A memo in memory, for the engine's own use and its tests.
class TStringMemo : public TMemo
{
public:
    QString Text() const override { return FText; }
    void SetText(const QString &AText) override;
    int SelStart() const override { return FSelStart; }
    void SetSelStart(int ASelStart) override;
    int SelLength() const override { return FSelLength; }
    void SetSelLength(int ASelLength) override;
    QString SelText() const override { return FText.mid(FSelStart, FSelLength); }
    void ReplaceSelection(const QString &AText) override;
    void BeginUpdate() override { ++FUpdates; }
    void EndUpdate() override { --FUpdates; }
    int UpdateDepth() const { return FUpdates; }

private:
    QString FText;
    int FSelStart = 0;
    int FSelLength = 0;
    int FUpdates = 0;
};

// A memo position (CR LF counts two) as the position in a text document
// built from the same text, whose lines are separated by one position. A
// position between CR and LF maps to the end of its line.
int MemoToDocumentPosition(const QString &MemoText, int MemoPos);
// A document position as the memo position in MemoText.
int DocumentToMemoPosition(const QString &MemoText, int DocumentPos);
