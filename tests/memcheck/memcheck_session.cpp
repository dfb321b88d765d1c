// A scripted session for valgrind's memcheck: the program's own start, 128
// colours put into the palette with double-clicks on the swatch, the palette
// cleared from its popup command, a few more kept, and the main window
// closed, so that the exit frees what is left.
#include "app/application.h"
#include "forms/unit1.h"
#include "forms/windows.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QAction>
#include <QTest>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    CreateTesmarWindows();
    Form1->show();
    int stored = 0;
    QTimer::singleShot(0, Form1, [&stored] {
        for (int i = 0; i < 128; ++i) {
            Form1->scrValue->setValue(i % 2 == 0 ? -i : i); // a different colour each time
            QTest::mouseDClick(Form1->PaintBox, Qt::LeftButton, {}, QPoint(10, 10));
        }
        stored = Form1->palCount;
        Form1->N9->trigger();
        for (int i = 0; i < 5; ++i)
            QTest::mouseDClick(Form1->PaintBox, Qt::LeftButton, {}, QPoint(10, 10));
        Form1->close(); // the remaining five are freed on closing
    });
    app.exec();
    const int left = Form1->palCount;
    DestroyTesmarWindows();
    std::printf("stored %d, left after closing %d\n", stored, left);
    return stored == 128 && left == 0 ? 0 : 1;
}
