#include "platform/portalcapture.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QTimer>
#include <QUrl>

#include <atomic>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// What the user is told, by cause. The first line says what happened, the
// second what it means for picking.
QString Failure(const QString& cause)
{
    return QStringLiteral("デスクトップから画面を受け取れませんでした。\n") + cause +
           QStringLiteral("\n画面の色をｺﾋﾟｰするには、デスクトップのスクリーンショット機能"
                          "(xdg-desktop-portal)が必要です。");
}

QString NextToken()
{
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("tesmar%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

} // namespace

PortalCapture::PortalCapture(const QDBusConnection& bus, int timeoutMs) : bus_(bus), timeoutMs_(timeoutMs) {}

QString PortalCapture::RequestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

bool PortalCapture::Subscribe(const QString& path)
{
    // Any sender: the portal may have been started, or started again, a
    // moment ago, and a match on its well-known name follows its owner only
    // once the bus has told us about it. The path names our connection and a
    // token of this request alone.
    return bus_.connect(QString(), path, kRequest, QStringLiteral("Response"), this, SLOT(Response(uint, QVariantMap)));
}

void PortalCapture::Unsubscribe(const QString& path)
{
    bus_.disconnect(QString(), path, kRequest, QStringLiteral("Response"), this, SLOT(Response(uint, QVariantMap)));
}

void PortalCapture::Response(uint code, const QVariantMap& results)
{
    if (answered_)
        return;
    answered_ = true;
    code_ = code;
    results_ = results;
    if (loop_ != nullptr)
        loop_->quit();
}

CaptureResult PortalCapture::Capture(const QRect&)
{
    if (!bus_.isConnected())
        return {QImage(), Failure(QStringLiteral("(セッションのD-Busにつながりません)"))};

    answered_ = false;
    code_ = 2;
    results_.clear();

    // The portal answers with a signal on an object named after our
    // connection and the token. Listening there before asking means an
    // answer that comes before the call's own reply is not missed.
    const QString token = NextToken();
    QString requestPath = RequestPath(bus_.baseService(), token);
    Subscribe(requestPath);

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kScreenshot, QStringLiteral("Screenshot"));
    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), token);
    options.insert(QStringLiteral("interactive"), false);
    options.insert(QStringLiteral("modal"), false);
    call << QString() << options;

    QEventLoop loop;
    loop_ = &loop;
    QString callError;
    QDBusPendingCallWatcher watcher(bus_.asyncCall(call, timeoutMs_));
    connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, [&](QDBusPendingCallWatcher* w) {
        QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            callError = reply.error().name();
            loop.quit();
            return;
        }
        // Older portals name the request object themselves.
        const QString handle = reply.value().path();
        if (!handle.isEmpty() && handle != requestPath) {
            Unsubscribe(requestPath);
            requestPath = handle;
            Subscribe(requestPath);
        }
    });
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs_);
    if (!answered_)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    loop_ = nullptr;
    Unsubscribe(requestPath);

    if (!answered_) {
        if (!callError.isEmpty()) {
            // No portal on the bus, or one that cannot be started, or one
            // without a screenshot backend.
            if (callError.startsWith(QStringLiteral("org.freedesktop.DBus.Error.Spawn")) ||
                callError == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
                callError == QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface") ||
                callError == QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod") ||
                callError == QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"))
                return {QImage(), Failure(QStringLiteral("(スクリーンショットのポータルがありません)"))};
            return {QImage(), Failure(QStringLiteral("(ポータルがエラーを返しました: %1)").arg(callError))};
        }
        // Ask the portal to drop a request we no longer wait for.
        bus_.send(QDBusMessage::createMethodCall(kService, requestPath, kRequest, QStringLiteral("Close")));
        return {QImage(), Failure(QStringLiteral("(%1秒待っても返事がありませんでした)").arg(timeoutMs_ / 1000.0))};
    }
    if (code_ == 1)
        return {QImage(), Failure(QStringLiteral("(スクリーンショットが取り消されました)"))};
    if (code_ != 0)
        return {QImage(), Failure(QStringLiteral("(スクリーンショットが拒まれました)"))};

    const QUrl uri(results_.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile())
        return {QImage(), Failure(QStringLiteral("(画像の場所が分かりません)"))};
    const QString file = uri.toLocalFile();
    QImageReader reader(file);
    reader.setAutoTransform(false);
    QImage image = reader.read();
    // The file was written for this request alone; some desktops would
    // otherwise leave one behind in the user's pictures for every pick.
    QFile::remove(file);
    if (image.isNull())
        return {QImage(), Failure(QStringLiteral("(画像を読めません)"))};
    return {image.convertToFormat(QImage::Format_RGB32), QString()};
}
