#include "widgets/tedit.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// Applies the lower-case mode to every edit and refuses typed or pasted text
// beyond the box's limit; the program's own writes pass whole.
class TEditValidator : public QValidator {
public:
    explicit TEditValidator(TEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int&) const override
    {
        if (edit_->lowerCase())
            input = input.toLower();
        if (!edit_->writingByCode() && edit_->typedLimit() > 0 && input.size() > edit_->typedLimit())
            return Invalid;
        return Acceptable;
    }

private:
    TEdit* edit_;
};

bool IsEditingShortcut(QKeyEvent* event)
{
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy) ||
           event->matches(QKeySequence::Cut) || event->matches(QKeySequence::SelectAll) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new TEditValidator(this));
    setFocusPolicy(Qt::ClickFocus);
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
    const QString typed = event->text();
    // Keys that type no character (arrows, Delete, Home, End) and the editing
    // shortcuts are not characters to filter; everything else is.
    const bool isCharacter = !typed.isEmpty() && event->key() != Qt::Key_Delete && !IsEditingShortcut(event);
    if (!onKeyPress || !isCharacter) {
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
