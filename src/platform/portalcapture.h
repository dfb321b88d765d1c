// The screen copy on a Wayland session: there no client may read the screen,
// so the desktop's screenshot portal takes the picture for us and hands it
// over as a PNG file.
#pragma once

#include "platform/screencapture.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

class QEventLoop;

class PortalCapture : public QObject, public ScreenCapture {
    Q_OBJECT
public:
    // `bus` is the session bus the portal listens on; `timeoutMs` is how long
    // to wait for the desktop's answer before giving up.
    explicit PortalCapture(const QDBusConnection& bus = QDBusConnection::sessionBus(), int timeoutMs = 10000);

    // Asks for one non-interactive screenshot of every monitor. Waits for the
    // answer in a local event loop, so windows keep painting meanwhile; user
    // input waits until the answer is in.
    CaptureResult Capture(const QRect& desktop) override;

    // The object the portal answers on for a request made with `token` by the
    // connection named `uniqueName` (":1.42" gives "1_42").
    static QString RequestPath(const QString& uniqueName, const QString& token);

private slots:
    void Response(uint code, const QVariantMap& results);

private:
    bool Subscribe(const QString& path);
    void Unsubscribe(const QString& path);

    QDBusConnection bus_;
    int timeoutMs_;
    QEventLoop* loop_ = nullptr;
    bool answered_ = false;
    uint code_ = 2;
    QVariantMap results_;
};
