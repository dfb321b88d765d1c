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

    // Called before each showing: on X11 under a window manager without a
    // layer above ordinary windows the banner is not handed to the manager.
    void FollowWindowManager();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartMove();
    // An unmanaged banner moves itself with the pointer while it is pressed.
    bool ownMove_ = false;
    QPoint moveGrip_;
};

// On Wayland the desktop places and stacks windows itself, so the banner's
// text and a readout of the picked colour are drawn inside the snapshot
// window, in its bottom right corner: the swatch and the decimal, hexadecimal
// and HTML forms as the main window shows them. Presses go through it to the
// snapshot below.
class TSnapshotReadout : public QWidget {
    Q_OBJECT
public:
    explicit TSnapshotReadout(QWidget* parent);
    static constexpr int kWidth = 248;
    static constexpr int kHeight = 96;

protected:
    void paintEvent(QPaintEvent* event) override;
};

extern TForm3* Form3;
