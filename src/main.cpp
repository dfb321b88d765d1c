// Tesmar: a small colour picker. Starts the application, creates the five
// windows in order, showing the main window and drawing its first frame
// before the hidden ones are made, and runs the event loop until the main
// window closes.
#include "app/application.h"
#include "forms/unit1.h"
#include "forms/windows.h"

int main(int argc, char** argv)
{
    const std::unique_ptr<TApplication> application = StartApplication(argc > 0 ? argv[0] : nullptr);
    TApplication& app = *application;
    try {
        CreateMainWindows();
        Form1->show();
        // The window manager maps the window and the first exposure is drawn
        // before the snapshot, the banner and the two dialogs are made; input
        // waits until they exist.
        AwaitFirstFrame(Form1, 500);
        CreateDialogs();
        // Closed by the window manager while the first frame was awaited.
        if (Form1->isVisible())
            app.exec();
    } catch (const std::exception& error) {
        ShowErrorReport(error);
    }
    DestroyTesmarWindows();
    return 0;
}
