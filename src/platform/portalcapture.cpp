#include "platform/portalcapture.h"

#include "core/freshfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <ctime>

#include <time.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// How far past the desktop's size, on each side, a picture may go.
constexpr double kHeadroom = 3;
// The most bytes a PNG picture may take per pixel, in its file or decoded
// (16 bits per channel with alpha), and the room for its chunks.
constexpr qint64 kBytesPerPixel = 8;
constexpr qint64 kFileOverhead = 1 << 20;
// How long an answer that comes after Tesmar gave up is still listened for.
constexpr int kLateAnswerMs = 5 * 60 * 1000;

// What the user is told, by cause: the first line says what happened, the
// second why, the rest what to do about it.
QString Failure(const QString& cause, const QString& advice = QString())
{
    QString text = QStringLiteral("デスクトップから画面を受け取れませんでした。\n") + cause;
    if (!advice.isEmpty())
        text += QLatin1Char('\n') + advice;
    return text;
}

QString NoPortal()
{
    return Failure(QStringLiteral("(このデスクトップにはスクリーンショットのポータルがありません)"),
                   QStringLiteral("画面の色をｺﾋﾟｰするには、デスクトップのスクリーンショット機能"
                                  "(xdg-desktop-portal)が必要です。"));
}

QString NotSaved() { return Failure(QStringLiteral("(デスクトップが画面の画像を保存できませんでした)")); }

QString NextToken()
{
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("tesmar%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

// The picture the portal names in its answer, when it is a PNG file the
// portal made for this request after `since`, no larger than `limit`. Only
// such a file is removed; anything else is not ours and stays as it is.
// `failure` (when given) says why there is no picture.
QImage TakePicture(const QVariantMap& results, std::time_t since, const QSize& limit, QString* failure)
{
    QString why;
    QImage image;
    const QUrl uri(results.value(QStringLiteral("uri")).toString(), QUrl::StrictMode);
    const QString path = uri.path(QUrl::FullyDecoded);
    const bool local = uri.isValid() && uri.scheme() == QLatin1String("file") &&
                       (uri.host().isEmpty() || uri.host() == QLatin1String("localhost")) &&
                       path.startsWith(QLatin1Char('/'));
    const std::string name = QFile::encodeName(path).toStdString();
    const qint64 pixels = qint64(limit.width()) * limit.height();
    std::string bytes;
    FreshFile file;
    if (!local || pixels <= 0 ||
        !ReadFreshFile(name, since, std::size_t(pixels * kBytesPerPixel + kFileOverhead), bytes, file)) {
        why = NotSaved();
    } else if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
        why = Failure(QStringLiteral("(画像を読めません)"));
    } else {
        // Decoded from the bytes read, as PNG only; the header's size is
        // looked at before anything is decoded, so a small file that unpacks
        // into a huge picture is refused at once.
        QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        reader.setAutoTransform(false);
        const QSize size = reader.size();
        if (!size.isValid()) {
            why = Failure(QStringLiteral("(画像を読めません)"));
        } else if (size.width() > limit.width() || size.height() > limit.height()) {
            why = Failure(QStringLiteral("(画像が画面より大きすぎます)"));
        } else {
            const int allocation = QImageReader::allocationLimit();
            QImageReader::setAllocationLimit(int(pixels * kBytesPerPixel / (1 << 20)) + 1);
            image = reader.read();
            QImageReader::setAllocationLimit(allocation);
            if (image.isNull())
                why = Failure(QStringLiteral("(画像を読めません)"));
            else
                // The file was written for this request alone; some desktops
                // would otherwise leave one behind in the user's pictures for
                // every pick.
                RemoveFreshFile(name, file);
        }
    }
    if (failure != nullptr)
        *failure = why;
    return image;
}

} // namespace

PortalCapture::PortalCapture(const QDBusConnection& bus, int callTimeoutMs, int answerTimeoutMs)
    : bus_(bus), callTimeoutMs_(callTimeoutMs), answerTimeoutMs_(answerTimeoutMs)
{
}

QString PortalCapture::RequestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

QSize PortalCapture::PictureLimit(const QSize& logical, double scale)
{
    const double factor = std::max(scale, 1.0) * kHeadroom;
    return QSize(int(std::ceil(std::max(logical.width(), 0) * factor)),
                 int(std::ceil(std::max(logical.height(), 0) * factor)));
}

bool PortalCapture::Subscribe(const QString& path)
{
    // Any sender: the portal may have been started a moment ago, and its
    // unique name is known only from its reply to the call, which may come
    // after its answer. Response() sorts the answers out.
    return bus_.connect(QString(), path, kRequest, QStringLiteral("Response"), this,
                        SLOT(Response(uint, QVariantMap, QDBusMessage)));
}

void PortalCapture::Unsubscribe(const QString& path)
{
    bus_.disconnect(QString(), path, kRequest, QStringLiteral("Response"), this,
                    SLOT(Response(uint, QVariantMap, QDBusMessage)));
}

void PortalCapture::Response(uint code, const QVariantMap& results, const QDBusMessage& message)
{
    if (answered_)
        return;
    const Answer answer{message.service(), message.path(), code, results};
    if (portal_.isEmpty()) {
        // Kept until the portal is known; anyone on the bus may send these.
        if (early_.size() < 16)
            early_.push_back(answer);
        return;
    }
    if (answer.sender == portal_ && answer.path == requestPath_)
        Accept(answer);
}

void PortalCapture::Accept(const Answer& answer)
{
    answered_ = true;
    answer_ = answer;
    if (loop_ != nullptr)
        loop_->quit();
}

CaptureResult PortalCapture::Capture(const QRect& desktop)
{
    if (!bus_.isConnected())
        return {QImage(), NoPortal()};

    answered_ = false;
    portal_.clear();
    early_.clear();
    double scale = 1;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        for (const QScreen* screen : QGuiApplication::screens())
            scale = std::max(scale, screen->devicePixelRatio());
    const QSize limit = PictureLimit(desktop.size(), scale);
    // Files the portal makes for this request are written from now on.
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    const std::time_t since = now.tv_sec;

    // The portal answers with a signal on an object named after our
    // connection and the token. Listening there before asking means an
    // answer that comes before the call's own reply is not missed.
    const QString token = NextToken();
    requestPath_ = RequestPath(bus_.baseService(), token);
    Subscribe(requestPath_);

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kScreenshot, QStringLiteral("Screenshot"));
    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), token);
    options.insert(QStringLiteral("interactive"), false);
    options.insert(QStringLiteral("modal"), false);
    call << QString() << options;

    QEventLoop loop;
    loop_ = &loop;
    QString callError;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QDBusPendingCallWatcher watcher(bus_.asyncCall(call, callTimeoutMs_));
    connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, [&](QDBusPendingCallWatcher* w) {
        QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            callError = reply.error().name();
            loop.quit();
            return;
        }
        // The portal took the request: from now on only its own answer
        // counts, and it may first ask the user, so it gets the longer wait.
        portal_ = reply.reply().service();
        // Older portals name the request object themselves.
        const QString handle = reply.value().path();
        if (!handle.isEmpty() && handle != requestPath_) {
            Unsubscribe(requestPath_);
            requestPath_ = handle;
            Subscribe(requestPath_);
        }
        timer.start(answerTimeoutMs_);
        const auto early = std::find_if(early_.begin(), early_.end(),
                                        [&](const Answer& a) { return a.sender == portal_ && a.path == requestPath_; });
        if (early != early_.end())
            Accept(*early);
        early_.clear();
    });
    timer.start(callTimeoutMs_);
    if (!answered_)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    loop_ = nullptr;
    Unsubscribe(requestPath_);

    if (!answered_) {
        const bool late = callError.isEmpty() || callError == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
                          callError == QLatin1String("org.freedesktop.DBus.Error.Timeout");
        if (!late) {
            // No portal on the bus, or one that cannot be started, or one
            // without a screenshot backend.
            if (callError.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn")) ||
                callError == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
                callError == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
                callError == QLatin1String("org.freedesktop.DBus.Error.UnknownInterface") ||
                callError == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod") ||
                callError == QLatin1String("org.freedesktop.DBus.Error.UnknownObject"))
                return {QImage(), NoPortal()};
            return {QImage(), Failure(QStringLiteral("(デスクトップのスクリーンショット機能がエラーを返しました)"))};
        }
        // Ask the portal to drop a request we no longer wait for; should it
        // answer all the same, its picture file is removed unseen.
        const int waited = portal_.isEmpty() ? callTimeoutMs_ : answerTimeoutMs_;
        bus_.send(QDBusMessage::createMethodCall(portal_.isEmpty() ? kService : portal_, requestPath_, kRequest,
                                                 QStringLiteral("Close")));
        if (!portal_.isEmpty())
            new LatePortalAnswer(bus_, portal_, requestPath_, since, limit);
        return {QImage(),
                Failure(QStringLiteral("(デスクトップが%1秒待っても返事をしませんでした)").arg(waited / 1000.0))};
    }
    if (answer_.code == 1)
        return {QImage(), Failure(QStringLiteral("(デスクトップがスクリーンショットを取り消しました)"),
                                  QStringLiteral("デスクトップによっては、画像を保存するフォルダ(ピクチャ)が"
                                                 "ないときにもこうなります。"))};
    if (answer_.code != 0)
        return {QImage(), Failure(QStringLiteral("(デスクトップがスクリーンショットを拒みました)"),
                                  QStringLiteral("一度拒むと、次からは尋ねられずに拒まれます。GNOME では「設定」の"
                                                 "「プライバシー」にあるスクリーンショットの許可で、Tesmar に許可を"
                                                 "与え直してください。ほかのデスクトップでは、その設定で"
                                                 "スクリーンショットを許可してください。"))};
    QString failure;
    QImage image = TakePicture(answer_.results, since, limit, &failure);
    if (image.isNull())
        return {QImage(), failure};
    return {std::move(image).convertToFormat(QImage::Format_RGB32), QString()};
}

LatePortalAnswer::LatePortalAnswer(const QDBusConnection& bus, const QString& portal, const QString& path,
                                   std::time_t since, const QSize& limit)
    : QObject(QCoreApplication::instance()), bus_(bus), portal_(portal), path_(path), since_(since), limit_(limit)
{
    // Only the portal's own connection is listened to, by its unique name.
    bus_.connect(portal_, path_, kRequest, QStringLiteral("Response"), this, SLOT(Response(uint, QVariantMap)));
    QTimer::singleShot(kLateAnswerMs, this, &QObject::deleteLater);
}

LatePortalAnswer::~LatePortalAnswer()
{
    bus_.disconnect(portal_, path_, kRequest, QStringLiteral("Response"), this, SLOT(Response(uint, QVariantMap)));
}

void LatePortalAnswer::Response(uint code, const QVariantMap& results)
{
    if (code == 0)
        TakePicture(results, since_, limit_, nullptr);
    deleteLater();
}
