// The banner shown in the screen's bottom right corner while picking.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;

    void FormShow(QObject* sender);
    void Panel1MouseDown(QObject* sender, Qt::MouseButton button, int x, int y);
    void Label1MouseDown(QObject* sender, Qt::MouseButton button, int x, int y);

    // How many window moves a press on the banner has started; the move
    // itself is the window manager's.
    int movesStarted = 0;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartMove();
};

extern TForm3* Form3;
