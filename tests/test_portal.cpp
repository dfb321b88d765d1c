// The screenshot portal client against a stand-in portal on a private session
// bus: the answers a desktop can give, and hostile ones a desktop or another
// program on the bus might send.
#include "platform/portalcapture.h"
#include "platform/swayipc.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

enum class Answer { Picture, Cancelled, Refused, Silent, NoReply, Late };

// A picture of the given size, each device pixel with its own colour.
bool WritePng(const QString& path, QSize size = QSize(3, 2), const char* format = "PNG")
{
    QImage shot(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            shot.setPixel(x, y, qRgb(x * 100 % 256, y * 200 % 256, 42));
    return shot.save(path, format);
}

QString Uri(const QString& path) { return QUrl::fromLocalFile(path).toString(); }

// Stands in for the desktop's portal on a connection of its own. Like the
// real one, it answers through a Response signal on the request object, and
// it sends that signal before the call's reply, so a client that listens only
// after the reply misses it. `makeFile` writes the picture when the request
// comes, and gives the address the answer names.
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    Answer answer = Answer::Picture;
    std::function<QString()> makeFile;
    // Sent first by another program on the bus, on the same request object.
    QString spoofUri;
    QVariantMap lastOptions;

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options)
    {
        lastOptions = options;
        const QString path = PortalCapture::RequestPath(message().service(), options.value("handle_token").toString());
        if (!spoofUri.isEmpty()) {
            QDBusConnection spoofer = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "spoofer");
            spoofer.send(Signal(path, 0, spoofUri));
            spoofer.interface()->call("Ping"); // the spoof is on the bus before the portal's answer
        }
        if (answer == Answer::NoReply) {
            setDelayedReply(true);
            return {};
        }
        if (answer == Answer::Late) {
            QDBusConnection bus = connection();
            QTimer::singleShot(900, [this, bus, path]() mutable { bus.send(Signal(path, 0, makeFile())); });
        } else if (answer != Answer::Silent) {
            const uint code = answer == Answer::Cancelled ? 1 : answer == Answer::Refused ? 2 : 0;
            connection().send(Signal(path, code, code == 0 ? makeFile() : QString()));
        }
        return QDBusObjectPath(path);
    }

private:
    static QDBusMessage Signal(const QString& path, uint code, const QString& uri)
    {
        QVariantMap results;
        if (!uri.isEmpty())
            results.insert("uri", uri);
        QDBusMessage signal = QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        signal << code << results;
        return signal;
    }
};

// Registers the portal's name on the connection, with or without the
// Screenshot interface.
class NamedObject : public QObject {
    Q_OBJECT
};

// The stand-in portal on the bus for as long as it lives.
struct OnBus {
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
    explicit OnBus(QObject* portal)
    {
        bus.registerObject("/org/freedesktop/portal/desktop", portal, QDBusConnection::ExportAllSlots);
        bus.registerService("org.freedesktop.portal.Desktop");
    }
    ~OnBus()
    {
        bus.unregisterService("org.freedesktop.portal.Desktop");
        bus.unregisterObject("/org/freedesktop/portal/desktop");
        QDBusConnection::disconnectFromBus("portal");
    }
};

} // namespace

class TestPortal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void answers_data();
    void answers();
    void waits();
    void swayAnswers();

private:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // A file of the user's, last written an hour before any request.
    bool UsersFile(const QString& path, const QByteArray& bytes = "PK\3\4 a document");
    static bool Aged(const QString& path);
    // Writes what an answer of the given kind names, and gives its address.
    QString Make(const QString& kind);

    QDBusConnection client_ = QDBusConnection::sessionBus();
    QTemporaryDir dir_;
};

void TestPortal::initTestCase()
{
    QVERIFY(client_.isConnected());
    QVERIFY(dir_.isValid());
    QVERIFY(QDir::setCurrent(dir_.path()));
}

bool TestPortal::UsersFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return Aged(path);
}

bool TestPortal::Aged(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
}

void TestPortal::answers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QSize>("desktop");
    // Empty when a picture is expected, else a piece of the message.
    QTest::addColumn<QString>("cause");
    // What must still be there afterwards; empty: the portal's picture is gone.
    QTest::addColumn<QString>("kept");
    const auto row = [](const char* kind, Answer answer, const char* cause = "", const char* kept = "",
                        QSize desktop = QSize(3, 2)) {
        QTest::newRow(kind) << int(answer) << desktop << QString(cause) << QString(kept);
    };
    row("success", Answer::Picture);
    // An 8K monitor beside a 1080p one: over the image reader's usual limit.
    QVERIFY(WritePng(Path("large.png"), QSize(9600, 4320)));
    row("9600x4320", Answer::Picture, "", "", QSize(9600, 4320));
    row("cancelled", Answer::Cancelled, "取り消し");
    row("refused", Answer::Refused, "GNOME");
    // Files that are not the portal's fresh picture are never removed.
    row("user's document", Answer::Picture, "保存できません", "thesis.odt");
    row("older than the request", Answer::Picture, "保存できません", "shot.png");
    row("symlink", Answer::Picture, "保存できません", "link.png");
    row("FIFO", Answer::Picture, "保存できません", "fifo.png");
    row("relative file: address", Answer::Picture, "保存できません", "shot.png");
    row("host in file: address", Answer::Picture, "保存できません", "shot.png");
    row("larger than any output", Answer::Picture, "大きすぎ", "shot.png");
    row("PPM", Answer::Picture, "画像を読めません", "shot.ppm");
    // Another program on the bus answers first, naming a file of the user's:
    // it is not heard, and the portal's own answer is taken.
    row("spoofed sender", Answer::Picture, "", "victim.txt");
}

QString TestPortal::Make(const QString& kind)
{
    const QString shot = Path("shot.png");
    if (kind == "user's document")
        return UsersFile(Path("thesis.odt")) ? Uri(Path("thesis.odt")) : "";
    if (kind == "FIFO")
        return mkfifo(qPrintable(Path("fifo.png")), 0600) == 0 ? Uri(Path("fifo.png")) : "";
    if (kind == "PPM")
        return WritePng(Path("shot.ppm"), QSize(3, 2), "PPM") ? Uri(Path("shot.ppm")) : "";
    if (kind == "9600x4320")
        return QFile::copy(Path("large.png"), shot) ? Uri(shot) : "";
    if (!WritePng(shot, kind == "larger than any output" ? QSize(64, 64) : QSize(3, 2)))
        return "";
    if (kind == "older than the request")
        return Aged(shot) ? Uri(shot) : "";
    if (kind == "symlink")
        return QFile::link(shot, Path("link.png")) ? Uri(Path("link.png")) : "";
    if (kind == "relative file: address")
        return "file:shot.png"; // the working folder is the test's
    if (kind == "host in file: address")
        return "file://elsewhere" + shot;
    return Uri(shot);
}

void TestPortal::answers()
{
    QFETCH(int, answer);
    QFETCH(QSize, desktop);
    QFETCH(QString, cause);
    QFETCH(QString, kept);
    const QString kind = QTest::currentDataTag();

    QFile::remove(Path("shot.png"));
    FakePortal portal;
    OnBus onBus(&portal);
    portal.answer = Answer(answer);
    portal.makeFile = [&] { return Make(kind); };
    if (kind == "spoofed sender") {
        QVERIFY(UsersFile(Path("victim.txt"), "not a picture"));
        portal.spoofUri = Uri(Path("victim.txt"));
    }

    QElapsedTimer clock;
    clock.start();
    CaptureResult result = PortalCapture(client_, 2000, 3000).Capture(QRect(QPoint(), desktop));
    // Nothing named in the answer holds the GUI up (a FIFO did for good);
    // decoding the 8K picture is real work, which a loaded machine stretches.
    QVERIFY2(clock.elapsed() < 5000 || kind == "9600x4320", qPrintable(QString::number(clock.elapsed())));

    QCOMPARE(portal.lastOptions.value("interactive").toBool(), false);
    QVERIFY(portal.lastOptions.contains("handle_token"));
    if (cause.isEmpty()) {
        QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
        QCOMPARE(result.image.size(), desktop);
        QCOMPARE(result.image.pixel(2, 1), qRgb(200, 200, 42));
    } else {
        QVERIFY(result.image.isNull());
        QVERIFY2(result.failure.contains("デスクトップから画面を受け取れませんでした"), qPrintable(result.failure));
        QVERIFY2(result.failure.contains(cause), qPrintable(result.failure));
        QVERIFY2(!result.failure.contains("org.freedesktop"), qPrintable(result.failure));
    }
    struct stat info {};
    QCOMPARE(lstat(qPrintable(Path(kept.isEmpty() ? "shot.png" : kept)), &info) == 0, !kept.isEmpty());

    // A normal pick works afterwards.
    portal.answer = Answer::Picture;
    portal.spoofUri.clear();
    portal.makeFile = [&] { return Make("success"); };
    QCOMPARE(PortalCapture(client_, 2000, 3000).Capture(QRect(0, 0, 3, 2)).image.size(), QSize(3, 2));
    QVERIFY(!QFile::exists(Path("shot.png")));
}

void TestPortal::waits()
{
    FakePortal portal;
    auto onBus = std::make_unique<OnBus>(&portal);

    // A portal that never takes the request gets the short wait; one that
    // took it, and may be asking the user, the long one. Windows keep
    // painting meanwhile (timers run).
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    for (const Answer answer : {Answer::NoReply, Answer::Silent}) {
        portal.answer = answer;
        QElapsedTimer clock;
        clock.start();
        const CaptureResult result = PortalCapture(client_, 400, 1200).Capture(QRect(0, 0, 3, 2));
        const qint64 expected = answer == Answer::NoReply ? 400 : 1200;
        QVERIFY(result.image.isNull());
        QVERIFY2(result.failure.contains(QString("%1秒待っても").arg(expected / 1000.0)), qPrintable(result.failure));
        QVERIFY2(clock.elapsed() >= expected - 100 && clock.elapsed() < expected + 1500,
                 qPrintable(QString::number(clock.elapsed())));
    }
    QVERIFY(ticks >= 50);

    // An answer after the wait: its picture is removed, unseen; a user's file
    // named that late is left alone.
    portal.answer = Answer::Late;
    for (const QString kind : {"success", "user's document"}) {
        bool made = false;
        portal.makeFile = [&] { return made = true, Make(kind); };
        QVERIFY(PortalCapture(client_, 400, 600).Capture(QRect(0, 0, 3, 2)).image.isNull());
        QTRY_VERIFY(made);
        const bool ours = kind == "success";
        if (!ours)
            QTest::qWait(500);
        QTRY_COMPARE(QFile::exists(Path(ours ? "shot.png" : "thesis.odt")), !ours);
    }

    // The portal's name is there, but without the screenshot interface, as
    // when no backend can take screenshots.
    onBus.reset();
    NamedObject bare;
    OnBus bareOnBus(&bare);
    const CaptureResult result = PortalCapture(client_, 5000).Capture(QRect());
    QVERIFY(result.image.isNull());
    QVERIFY2(result.failure.contains("ポータルがありません"), qPrintable(result.failure));
    QVERIFY2(!result.failure.contains("org.freedesktop"), qPrintable(result.failure));
}

// Runs on a private session bus of its own, never on the desktop's.
// sway's control socket, answered by a stand-in: a fair tree is read, and a
// peer that claims a huge answer or trickles it byte by byte is given up on
// within the program's one second.
void TestPortal::swayAnswers()
{
    const QByteArray path = QFile::encodeName(Path("sway.sock"));
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    QVERIFY(::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
            ::listen(server, 1) == 0);
    qputenv("SWAYSOCK", path);
    const QByteArray tree =
        QStringLiteral("{\"nodes\": [{\"type\": \"floating_con\", \"pid\": %1, \"name\": \"Tesmar\", "
                       "\"rect\": {\"x\": 60, \"y\": 85}}, {\"type\": \"con\", \"pid\": 1, "
                       "\"id\": 7, \"fullscreen_mode\": 2}]}")
            .arg(::getpid())
            .toUtf8();
    for (const quint32 claimed : {quint32(tree.size()), quint32(0xFFFFFFF0), quint32(1000)}) {
        std::thread peer([&] {
            const int fd = ::accept(server, nullptr, nullptr);
            char request[14];
            (void)::recv(fd, request, sizeof(request), MSG_WAITALL);
            const quint32 header[2] = {claimed, 4};
            (void)::send(fd, "i3-ipc", 6, MSG_NOSIGNAL);
            (void)::send(fd, header, sizeof(header), MSG_NOSIGNAL);
            for (int i = 0; claimed == 1000 && i < 15; ++i, QThread::msleep(200))
                (void)::send(fd, "{", 1, MSG_NOSIGNAL);
            if (claimed == quint32(tree.size()))
                (void)::send(fd, tree.constData(), static_cast<std::size_t>(tree.size()), MSG_NOSIGNAL);
            ::close(fd);
        });
        QElapsedTimer clock;
        clock.start();
        const std::optional<sway::Desktop> desktop = sway::Save("Tesmar");
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        peer.join();
        QCOMPARE(desktop.has_value(), claimed == quint32(tree.size()));
        if (desktop) {
            QCOMPARE(desktop->mainPlace, std::optional<QPoint>(QPoint(60, 85)));
            QVERIFY(desktop->fullScreen.size() == 1 && desktop->fullScreen[0].id == 7 && desktop->fullScreen[0].global);
        }
    }
    qunsetenv("SWAYSOCK");
    ::close(server);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("TESMAR_PRIVATE_BUS")) {
        setenv("TESMAR_PRIVATE_BUS", "1", 1);
        std::vector<char*> args{const_cast<char*>("dbus-run-session"), const_cast<char*>("--")};
        for (int i = 0; i < argc; ++i)
            args.push_back(argv[i]);
        args.push_back(nullptr);
        execvp("dbus-run-session", args.data());
        perror("dbus-run-session");
        return 1;
    }
    QCoreApplication app(argc, argv);
    TestPortal test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_portal.moc"
