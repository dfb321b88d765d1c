// A window of one known colour for the Wayland tests to pick from: the colour
// is the first argument ("#d4402a"), the title the second.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("solid"));
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(QString::fromLocal8Bit(argc > 1 ? argv[1] : "#d4402a")));
    window.setPalette(palette);
    window.resize(300, 200);
    window.show();
    return app.exec();
}
