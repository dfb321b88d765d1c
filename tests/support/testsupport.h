// Shared helpers of the widget tests: the five windows made as the program
// makes them, and a recorder for the general error report.
#pragma once

#include <QEvent>
#include <QPoint>
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

// ---- Helpers of the main-window tests ----

#include "app/application.h"

#include <QtTest/qtest.h>

class QWidget;
class TScrollBar;

// Gives the window a mouse event as the window system reports the pointer on
// one device pixel (counted from the window's corner): at that pixel's
// corner, in fractional logical pixels. Held is the buttons down after it.
void SendAtDevicePixel(QWidget* window, QEvent::Type type, QPoint device, Qt::MouseButton button,
                       Qt::MouseButtons held);

// QTEST_MAIN with the program's own application object, so that an error
// escaping a handler reaches the general error report as in the program.
#define TESMAR_TEST_MAIN(TestObject) QTEST_MAIN_WRAPPER(TestObject, QTEST_QAPP_SETUP(TApplication))

// Shows a window and waits until it is exposed and active; false on timeout.
bool ShowAndActivate(QWidget* window);

// The bar's thumb, in the bar's own coordinates.
QRect ThumbRect(const TScrollBar* bar);

// Drags the bar's thumb with the left button, one pixel per mouse move, until
// its position reads value, then releases it. False when no pixel gives value.
bool DragThumbTo(TScrollBar* bar, int value);
