// Tesmar: a small colour picker. Starts the application, creates the five
// windows in order and runs the event loop until the main window closes.
#include "app/application.h"
#include "forms/unit1.h"
#include "forms/windows.h"

int main(int argc, char** argv)
{
    const std::unique_ptr<TApplication> application = StartApplication(argc > 0 ? argv[0] : nullptr);
    TApplication& app = *application;
    try {
        CreateTesmarWindows();
        Form1->show();
        app.exec();
    } catch (const std::exception& error) {
        ShowErrorReport(error);
    }
    DestroyTesmarWindows();
    return 0;
}
