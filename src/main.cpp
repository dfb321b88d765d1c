// Tesmar: a small colour picker. Starts the application, creates the five
// windows in order, showing the main window before the two dialogs are made,
// and runs the event loop until the main window closes.
#include "app/application.h"
#include "forms/unit1.h"
#include "forms/windows.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    const std::unique_ptr<TApplication> application = StartApplication(argc > 0 ? argv[0] : nullptr);
    TApplication& app = *application;
    try {
        CreateMainWindows();
        Form1->show();
        // The request to map the window goes out now (no input is read yet),
        // so the window manager works on it while the dialogs are built.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        CreateDialogs();
        app.exec();
    } catch (const std::exception& error) {
        ShowErrorReport(error);
    }
    DestroyTesmarWindows();
    return 0;
}
