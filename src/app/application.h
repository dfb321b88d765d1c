// The application object: title, fonts and the general error report.
#pragma once

#include <QApplication>
#include <QString>

#include <exception>
#include <functional>
#include <memory>

class QWidget;

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    // Any exception escaping an event handler ends that handler; the report
    // is shown and the program goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};

// Makes the application object for the program. Qt gets no command-line
// arguments. When no X11 or Wayland display can be reached, one line says so
// on standard error and the program ends with status 1.
std::unique_ptr<TApplication> StartApplication(const char* programName);

// The general error report: the message, with "." appended when its last
// character sorts after ".", in a critical message box captioned "Tesmar".
void ShowErrorReport(const QString& message);
void ShowErrorReport(const std::exception& error);
QString ErrorReportText(const QString& message);

// Tests replace the message box with a recorder; an empty function restores it.
using ErrorReportHook = std::function<void(const QString& text)>;
void SetErrorReportHook(ErrorReportHook hook);

// Runs a handler body the way the event loop runs a handler: an exception it
// raises is shown by the general error report and goes no further.
template <typename F> void RunGuarded(F&& body)
{
    try {
        body();
    } catch (const std::exception& error) {
        ShowErrorReport(error);
    }
}

// Closes a window as QWidget::close() does, its close event first, but only
// hides its native window: close() destroys it, and the desktop then has to
// take on a new window at every showing. False when the close is refused.
bool CloseWindow(QWidget* window);

// The font every window asks for: "ＭＳ Ｐゴシック" and its stand-ins, in pixels.
QFont TesmarFont(int pixelSize, bool bold = false);
// The fixed-pitch sibling "ＭＳ ゴシック".
QFont TesmarFixedFont(int pixelSize, bool bold = false);

// Runs the event loop, holding back keyboard and mouse input, until the
// window's first exposure has been drawn or maxMs have passed, so that what
// the first frame does not show is made after it and no input reaches a
// window before everything it may open exists.
void AwaitFirstFrame(QWidget* window, int maxMs);

// The folder of the running executable, ending in its separator.
QString ExecutableFolder();
