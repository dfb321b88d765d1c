// Shared helpers of the widget tests: the five windows made as the program
// makes them, and a recorder for the general error report.
#pragma once

#include <QString>
#include <QStringList>

class TForm1;

// Creates the five windows in their order (Form1 ... frmConfig) and destroys
// them again; while it lives, error reports are recorded instead of shown.
class TesmarWindows {
public:
    TesmarWindows();
    ~TesmarWindows();
    TesmarWindows(const TesmarWindows&) = delete;
    TesmarWindows& operator=(const TesmarWindows&) = delete;

    TForm1* main() const;
    // The texts the general error report would have shown, oldest first.
    QStringList errors;
};

// Closes whatever modal dialog or message box opens within the next ms
// milliseconds by pressing its default button (or rejecting it), recording
// its text. Returns a pointer to the text seen (empty when none opened).
QString* CloseNextModal(int ms = 0);
