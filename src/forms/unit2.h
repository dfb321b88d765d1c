// The snapshot window: a borderless full-screen picture of the frozen screen
// on which the user picks a colour.
#pragma once

#include <QWidget>

#include <cstdint>

class TImage;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    std::uint8_t imgMainDown = 0;
    TImage* imgMain = nullptr;

    void FormShow(QObject* sender);
    void FormClose(QObject* sender);
    void imgMainMouseDown(QObject* sender, Qt::MouseButton button, int x, int y);
    void imgMainMouseMove(QObject* sender, int x, int y);
    void imgMainMouseUp(QObject* sender, Qt::MouseButton button, int x, int y);
};

extern TForm2* Form2;
