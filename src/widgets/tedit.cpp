#include "widgets/tedit.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

namespace {

// Applies the lower-case mode to every edit and keeps typed or pasted text
// within the box's limit; the program's own writes pass whole.
class TEditValidator : public QValidator {
public:
    explicit TEditValidator(TEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int& cursor) const override
    {
        if (edit_->lowerCase())
            input = input.toLower();
        const int limit = edit_->typedLimit();
        if (edit_->writingByCode() || limit <= 0 || input.size() <= limit)
            return Acceptable;
        // The inserted text ends at the cursor. Of it, what fits stays, from
        // its start; the text around it is never cut. A key typed into a full
        // box fits nothing and is refused.
        const QString& before = edit_->CommittedText();
        const qsizetype tail = input.size() - cursor;
        const qsizetype keep = limit - tail;
        qsizetype unchanged = 0;
        while (unchanged < before.size() && unchanged < cursor && before.at(unchanged) == input.at(unchanged))
            ++unchanged;
        if (keep < unchanged)
            return Invalid;
        const QString fitted = input.left(keep) + input.mid(cursor);
        if (fitted == before)
            return Invalid;
        input = fitted;
        cursor = static_cast<int>(keep);
        return Acceptable;
    }

private:
    TEdit* edit_;
};

bool IsEditingShortcut(QKeyEvent* event)
{
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy) ||
           event->matches(QKeySequence::Cut) || event->matches(QKeySequence::SelectAll) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
           event->matches(QKeySequence::DeleteStartOfWord);
}

// A box that takes only copies: the source of a drag keeps its text. A source
// that offers only to move gets no drop at all.
bool AcceptAsCopy(QDropEvent* event)
{
    if (!event->isAccepted())
        return false;
    if (!(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new TEditValidator(this));
    setFocusPolicy(Qt::ClickFocus);
    // Kept before anyone hears of the change, so that handlers which write the
    // box again leave the latest text here.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { committed_ = text; });
    connect(this, &QLineEdit::textChanged, this, &TEdit::changed);
}

void TEdit::setLowerCase(bool on)
{
    lowerCase_ = on;
    if (on)
        Write(text());
}

void TEdit::Write(const QString& value)
{
    if (value == text())
        return;
    const QString shown = lowerCase_ ? value.toLower() : value;
    if (shown == text()) {
        // Only the letter case differed: the text stays, the notification still comes.
        emit changed();
        return;
    }
    const bool outer = writingByCode_;
    writingByCode_ = true;
    setText(shown);
    writingByCode_ = outer;
}

void TEdit::keyPressEvent(QKeyEvent* event)
{
    if (!onKeyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // A filtered box discards every character but those its filter lets
    // through, control characters included: the editing shortcuts do nothing.
    if (IsEditingShortcut(event)) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    // Keys that type no character (arrows, Delete, Home, End) move and delete as usual.
    if (typed.isEmpty() || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key = typed.at(0);
    onKeyPress(key);
    if (key.isNull()) {
        event->accept();
        return;
    }
    if (key == typed.at(0)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(key), event->isAutoRepeat(),
                       static_cast<ushort>(event->count()));
    QLineEdit::keyPressEvent(&replaced);
}

void TEdit::TypeCharacter(QChar typed)
{
    QChar key = typed;
    if (onKeyPress)
        onKeyPress(key);
    if (key.isNull())
        return;
    // The character goes the road of a key press: the typed-length limit and
    // the lower-case mode apply, Backspace deletes.
    const int code = key.unicode() == 8 ? Qt::Key_Backspace : Qt::Key_unknown;
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(key));
    QLineEdit::keyPressEvent(&press);
}

void TEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    if (!onKeyPress) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The text being composed is shown as usual; what is committed is typed
    // character by character through the filter.
    const QString committed = event->commitString();
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    for (const QChar c : committed)
        TypeCharacter(c);
    event->accept();
}

void TEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
    if (onKeyPress)
        AcceptAsCopy(event);
}

void TEdit::dragMoveEvent(QDragMoveEvent* event)
{
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    QLineEdit::dragMoveEvent(event);
    if (onKeyPress)
        AcceptAsCopy(event);
}

void TEdit::dropEvent(QDropEvent* event)
{
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    if (!onKeyPress) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (!event->mimeData()->hasText() || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return;
    }
    // Dropped text is typed where it was dropped, one filtered character at a
    // time. It is copied, never moved: the box it came from keeps its text.
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    for (const QChar c : event->mimeData()->text())
        TypeCharacter(c);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (!onKeyPress) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    // The editing keys do nothing in a filtered box, so its menu names none.
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        const qsizetype tab = action->text().indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            action->setText(action->text().left(tab));
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
