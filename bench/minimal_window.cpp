// A bare Qt Widgets main window with a menu bar, a toolbar, three scroll bars
// and eight edit boxes: the start-up floor Tesmar is measured against. With
// the argument "label", the floor of any Qt program instead: one window of
// the main window's size holding one label.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "label") {
        QLabel label(QStringLiteral("minimal"));
        label.setWindowTitle(QStringLiteral("minimal"));
        label.resize(344, 263);
        label.show();
        return app.exec();
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("minimal"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Copy"));
    QToolBar* tools = window.addToolBar(QStringLiteral("tools"));
    tools->addAction(QStringLiteral("A"));
    tools->addAction(QStringLiteral("B"));
    auto* page = new QWidget;
    for (int i = 0; i < 3; ++i) {
        auto* bar = new QScrollBar(Qt::Horizontal, page);
        bar->setRange(0, 255);
        bar->setGeometry(24, 70 + 24 * i, 233, 16);
    }
    for (int i = 0; i < 8; ++i) {
        auto* edit = new QLineEdit(page);
        edit->setGeometry(8 + 80 * (i % 4), 10 + 24 * (i / 4), 70, 18);
        edit->setText(QString::number(i));
    }
    window.setCentralWidget(page);
    window.resize(344, 263);
    window.show();
    return app.exec();
}
