#include "platform/swayipc.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>

namespace sway {
namespace {

constexpr std::uint32_t kRunCommand = 0;
constexpr std::uint32_t kGetTree = 4;
// The whole exchange with sway, connecting included, must end within this:
// a peer that answers slowly, a byte at a time, cannot hold the program up.
constexpr auto kWait = std::chrono::milliseconds(1000);
constexpr char kMagic[] = {'i', '3', '-', 'i', 'p', 'c'};
using Deadline = std::chrono::steady_clock::time_point;

bool WaitFor(int fd, short events, Deadline deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0)
        return false;
    pollfd p{fd, events, 0};
    return ::poll(&p, 1, static_cast<int>(left)) == 1 && (p.revents & events) != 0;
}

bool WriteAll(int fd, const char* data, std::size_t size, Deadline deadline)
{
    while (size > 0) {
        if (!WaitFor(fd, POLLOUT, deadline))
            return false;
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadAll(int fd, char* data, std::size_t size, Deadline deadline)
{
    while (size > 0) {
        if (!WaitFor(fd, POLLIN, deadline))
            return false;
        const ssize_t n = ::recv(fd, data, size, 0);
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// One message to sway and its answer; nothing when sway is not there or
// does not answer in time.
std::optional<QJsonDocument> Ask(std::uint32_t type, const QByteArray& payload)
{
    const Deadline deadline = std::chrono::steady_clock::now() + kWait;
    const QByteArray path = qgetenv("SWAYSOCK");
    sockaddr_un address{};
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    std::optional<QJsonDocument> answer;
    bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    if (!connected && errno == EINPROGRESS && WaitFor(fd, POLLOUT, deadline)) {
        int error = 0;
        socklen_t length = sizeof(error);
        connected = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    QByteArray message(kMagic, sizeof(kMagic));
    const std::uint32_t header[2] = {static_cast<std::uint32_t>(payload.size()), type};
    message.append(reinterpret_cast<const char*>(header), sizeof(header));
    message.append(payload);
    char reply[sizeof(kMagic) + sizeof(header)];
    std::uint32_t replyHeader[2];
    // A tree of a few hundred windows is far below this.
    constexpr std::uint32_t kLargest = 64u << 20;
    if (connected && WriteAll(fd, message.constData(), static_cast<std::size_t>(message.size()), deadline) &&
        ReadAll(fd, reply, sizeof(reply), deadline) && std::memcmp(reply, kMagic, sizeof(kMagic)) == 0) {
        std::memcpy(replyHeader, reply + sizeof(kMagic), sizeof(replyHeader));
        if (replyHeader[1] == type && replyHeader[0] <= kLargest) {
            QByteArray body(static_cast<qsizetype>(replyHeader[0]), Qt::Uninitialized);
            if (ReadAll(fd, body.data(), replyHeader[0], deadline))
                answer = QJsonDocument::fromJson(body);
        }
    }
    ::close(fd);
    return answer;
}

void Collect(const QJsonObject& node, const QString& mainTitle, Desktop& desktop)
{
    const bool own = node.value(QLatin1String("pid")).toInteger(-1) == ::getpid();
    const int mode = node.value(QLatin1String("fullscreen_mode")).toInt();
    const QString type = node.value(QLatin1String("type")).toString();
    if (own && type == QLatin1String("floating_con") && node.value(QLatin1String("name")).toString() == mainTitle) {
        const QJsonObject rect = node.value(QLatin1String("rect")).toObject();
        desktop.mainPlace = QPoint(rect.value(QLatin1String("x")).toInt(), rect.value(QLatin1String("y")).toInt());
    }
    if (!own && mode != 0 && (type == QLatin1String("con") || type == QLatin1String("floating_con")))
        desktop.fullScreen.push_back({node.value(QLatin1String("id")).toInteger(), mode == 2});
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node.value(QLatin1String(children)).toArray())
            Collect(child.toObject(), mainTitle, desktop);
}

bool Run(const QString& command)
{
    const std::optional<QJsonDocument> answer = Ask(kRunCommand, command.toUtf8());
    if (!answer || !answer->isArray())
        return false;
    for (const QJsonValue result : answer->array())
        if (!result.toObject().value(QLatin1String("success")).toBool())
            return false;
    return !answer->array().isEmpty();
}

// The title as a sway criterion: a regular expression matching it exactly.
QString TitleCriterion(const QString& title)
{
    QString escaped;
    for (const QChar c : title) {
        if (QStringLiteral("\\^$.|?*+()[]{}\"").contains(c))
            escaped += u'\\';
        escaped += c;
    }
    return QStringLiteral("pid=%1 title=\"^%2$\"").arg(::getpid()).arg(escaped);
}

} // namespace

std::optional<Desktop> Save(const QString& mainTitle)
{
    const std::optional<QJsonDocument> tree = Ask(kGetTree, QByteArray());
    if (!tree || !tree->isObject())
        return std::nullopt;
    Desktop desktop;
    Collect(tree->object(), mainTitle, desktop);
    return desktop;
}

bool RestoreFullScreen(const Desktop& desktop)
{
    bool all = true;
    for (const Desktop::FullScreen& f : desktop.fullScreen)
        all &= Run(QStringLiteral("[con_id=%1] fullscreen enable%2")
                       .arg(f.id)
                       .arg(f.global ? QStringLiteral(" global") : QString()));
    return all;
}

bool PutBackMain(const Desktop& desktop, const QString& mainTitle)
{
    if (!desktop.mainPlace)
        return true;
    return Run(QStringLiteral("[%1] move absolute position %2 %3")
                   .arg(TitleCriterion(mainTitle))
                   .arg(desktop.mainPlace->x())
                   .arg(desktop.mainPlace->y()));
}

} // namespace sway
