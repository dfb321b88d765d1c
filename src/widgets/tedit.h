// A single-line edit box with the notification behaviour the windows rely on:
// a change notification for every real change, by code or by the user, and
// none for an equal text; a limit on typed length that never cuts text written
// by code; an optional lower-case mode; a per-character key filter.
//
// A read-only box takes no input in any way: keys, input-method commits and
// drops are refused. In a box with a key filter every character, whether typed,
// committed by an input method (dead keys, Compose, a Japanese input method) or
// dropped, goes through the filter and the typed-length limit one by one, as a
// key press does; the editing shortcuts (paste, copy, cut, undo, redo, select
// all, delete the word before the cursor) do nothing there, and its context
// menu shows no shortcut keys. The context menu's paste still works and
// reaches the change notification like any edit; a drop is always a copy.
//
// Text pasted into a box with a typed-length limit is cut to what fits.
#pragma once

#include <QLineEdit>

#include <functional>

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);

    // Writes text as the program does: an equal text does nothing, a different
    // one replaces the text and raises changed() at once. A lower-case box
    // compares against its lower-case content, so "FF" over "ff" still
    // raises changed().
    void Write(const QString& text);

    void setLowerCase(bool on);
    bool lowerCase() const { return lowerCase_; }
    // Most characters the user may type or paste; 0 for no limit.
    void setTypedLimit(int count) { typedLimit_ = count; }
    int typedLimit() const { return typedLimit_; }
    bool writingByCode() const { return writingByCode_; }
    // The text as it stood after the last change, while an edit is checked.
    const QString& CommittedText() const { return committed_; }

    // Called for each typed character; setting the character to 0 discards it.
    std::function<void(QChar&)> onKeyPress;

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Runs one character through the key filter and, if it survives, types it.
    void TypeCharacter(QChar typed);

    bool lowerCase_ = false;
    bool writingByCode_ = false;
    int typedLimit_ = 0;
    QString committed_;
};
