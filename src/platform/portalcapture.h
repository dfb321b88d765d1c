// The screen copy on a Wayland session: there no client may read the screen,
// so the desktop's screenshot portal takes the picture for us and hands it
// over as a PNG file.
#pragma once

#include "platform/screencapture.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QSize>
#include <QVariantMap>

#include <ctime>
#include <vector>

class QEventLoop;
class QTimer;

class PortalCapture : public QObject, public ScreenCapture {
    Q_OBJECT
public:
    // `bus` is the session bus the portal listens on. `callTimeoutMs` is how
    // long to wait for the portal to take the request at all; once it has, it
    // may be asking the user for permission (GNOME's question stays 25 s), so
    // its answer is awaited for `answerTimeoutMs`.
    explicit PortalCapture(const QDBusConnection& bus = QDBusConnection::sessionBus(), int callTimeoutMs = 10000,
                           int answerTimeoutMs = 30000);

    // Asks for one non-interactive screenshot of every monitor. Waits for the
    // answer in a local event loop, so windows keep painting meanwhile; user
    // input waits until the answer is in. The answer is taken only from the
    // portal that took the request; its file is read only when the portal
    // has just made it for us, and then removed. A picture larger than
    // PictureLimit(desktop size, the screens' largest scale) is refused.
    CaptureResult Capture(const QRect& desktop) override;

    // The object the portal answers on for a request made with `token` by the
    // connection named `uniqueName` (":1.42" gives "1_42").
    static QString RequestPath(const QString& uniqueName, const QString& token);

    // The largest picture taken for a desktop of `logical` size whose
    // sharpest screen has `scale` device pixels per logical one. It leaves
    // room for a compositor that scales beyond what Tesmar sees (an X11
    // client under XWayland sees the desktop unscaled).
    static QSize PictureLimit(const QSize& logical, double scale);

private slots:
    void Response(uint code, const QVariantMap& results, const QDBusMessage& message);

private:
    struct Answer {
        QString sender;
        QString path;
        uint code = 2;
        QVariantMap results;
    };

    bool Subscribe(const QString& path);
    void Unsubscribe(const QString& path);
    void Accept(const Answer& answer);

    QDBusConnection bus_;
    int callTimeoutMs_;
    int answerTimeoutMs_;
    QEventLoop* loop_ = nullptr;
    // The unique bus name of the portal that took the request, once known,
    // and the object it answers on.
    QString portal_;
    QString requestPath_;
    // Answers that came before the portal took the request; only the
    // portal's own counts, once it is known.
    std::vector<Answer> early_;
    bool answered_ = false;
    Answer answer_;
};

// Waits, after Tesmar has given up on a request, for an answer the portal may
// still send (a permission question answered late), and removes its picture
// file under the same rule as a timely answer, showing nothing. Lives until
// that answer or for some minutes, as a child of the application.
class LatePortalAnswer : public QObject {
    Q_OBJECT
public:
    LatePortalAnswer(const QDBusConnection& bus, const QString& portal, const QString& path, std::time_t since,
                     const QSize& limit);
    ~LatePortalAnswer() override;

private slots:
    void Response(uint code, const QVariantMap& results);

private:
    QDBusConnection bus_;
    QString portal_;
    QString path_;
    std::time_t since_;
    QSize limit_;
};
