// The snapshot window: a borderless full-screen picture of the frozen screen
// on which the user picks a colour.
#pragma once

#include "core/pickmap.h"
#include "platform/swayipc.h"
#include "platform/windowlayer.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QScreen;
class QTimer;
class TImage;
class TOutputSnapshot;
class TSnapshotReadout;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    std::uint8_t imgMainDown = 0;
    TImage* imgMain = nullptr;
    // Wayland only: the banner's text and the picked colour, drawn in the
    // snapshot's bottom right corner.
    TSnapshotReadout* readout = nullptr;
    // Whether this picking runs on a Wayland session (decided at each start).
    bool wayland = false;

    void FormShow(QObject* sender);
    void FormClose(QObject* sender);
    // x and y: the pointer's logical position on the snapshot, with its
    // fraction, which on a scaled screen tells the device pixels apart.
    void imgMainMouseDown(QObject* sender, Qt::MouseButton button, double x, double y);
    void imgMainMouseMove(QObject* sender, double x, double y);
    void imgMainMouseUp(QObject* sender, Qt::MouseButton button, int x, int y);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static constexpr int kStackingPoll = 100;
    static constexpr int kPutBacks = 3;
    static constexpr int kPutBackTime = 1000;
    void EndFailedPicking();
    void KeepStacked();
    QTimer* stacking_ = nullptr;
    std::shared_ptr<void> stackingWatch_;
    DesktopPlacement mainPlacement_;
    int putBacks_ = 0;
    QElapsedTimer shownSince_;
    // Where the snapshot's corner lies on the X screen, in device pixels.
    QPoint deviceOrigin_;
    // X11: the running window manager's check window, looked at while
    // picking: a new manager stacks the windows anew.
    static constexpr int kManagerSettle = 5000;
    static constexpr int kManagerLook = 250;
    QElapsedTimer managerLooked_;
    std::uint32_t manager_ = 0;
    QElapsedTimer managerSince_;
    QString captureFailure_;
    void PickAt(double x, double y);
    void PassToImage(QMouseEvent* event);

    // Wayland: the outputs, each covered by a window of its own.
    QRect LayOutOutputs(QScreen* origin);
    void ShowOnOutputs(QScreen* origin, const QRect& box);
    void CloseOutputs();
    std::vector<OutputArea> outputs_;
    std::vector<TOutputSnapshot*> others_;
    // The main window stays hidden while picking on Wayland: the snapshot
    // would cover it, and the desktop would place it anew on every show.
    bool mainHidden_ = false;
    // On sway: the main window's place and other programs' full-screen
    // windows before picking, handed back when it ends.
    std::optional<sway::Desktop> swayDesktop_;
    QTimer* putBack_ = nullptr;
    int putBackTries_ = 0;
    void PutBackOnSway();
    // Where the readout's bottom right corner goes when the window spans
    // more than the output where picking began.
    std::optional<QPoint> readoutCorner_;
};

extern TForm2* Form2;

// The screen copy taken when picking starts: the whole screen in device pixels,
// with its device pixel ratio. Tests put a known picture in its place; an
// empty function restores the real capture.
using ScreenGrabber = std::function<QImage(QScreen* screen)>;
void SetScreenGrabber(ScreenGrabber grabber);
