// A single-line edit box with the notification behaviour the windows rely on:
// a change notification for every real change, by code or by the user, and
// none for an equal text; a limit on typed length that never cuts text written
// by code; an optional lower-case mode; a per-character key filter.
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

    // Called for each typed character; setting the character to 0 discards it.
    std::function<void(QChar&)> onKeyPress;

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool lowerCase_ = false;
    bool writingByCode_ = false;
    int typedLimit_ = 0;
};
