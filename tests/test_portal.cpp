// The screenshot portal client against a stand-in portal on a private session
// bus: the answers a desktop can give, and hostile ones a desktop or another
// program on the bus might send.
#include "platform/portalcapture.h"

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

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
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

private:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // A file of the user's, last written an hour before any request.
    bool UsersFile(const QString& path, const QByteArray& bytes = "PK\3\4 a document");
    static bool Aged(const QString& path);

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
    // What the portal's answer names, made when the request comes.
    QTest::addColumn<std::function<QString()>>("makeFile");
    QTest::addColumn<QString>("spoof");
    QTest::addColumn<QSize>("desktop");
    // Empty when a picture is expected, else a piece of the message.
    QTest::addColumn<QString>("cause");
    // The file that must still be there afterwards; empty: the portal's own
    // picture, which must be gone.
    QTest::addColumn<QString>("kept");

    const QSize small(3, 2);
    const QString shot = Path("shot.png");
    const auto fresh = [shot](QSize size) {
        return std::function<QString()>([shot, size] { return WritePng(shot, size) ? Uri(shot) : QString(); });
    };
    QTest::newRow("success") << int(Answer::Picture) << fresh(small) << QString() << small << QString() << QString();
    // An 8K monitor beside a 1080p one: over the image reader's usual limit.
    const QString large = Path("large.png");
    QVERIFY(WritePng(large, QSize(9600, 4320)));
    QTest::newRow("9600x4320") << int(Answer::Picture) << std::function<QString()>([shot, large] {
        return QFile::copy(large, shot) ? Uri(shot) : "";
    }) << QString() << QSize(9600, 4320)
                               << QString() << QString();
    QTest::newRow("cancelled") << int(Answer::Cancelled) << fresh(small) << QString() << small << QString("取り消し")
                               << QString();
    QTest::newRow("refused") << int(Answer::Refused) << fresh(small) << QString() << small << QString("GNOME")
                             << QString();

    // Files that are not the portal's fresh picture are never removed.
    const QString doc = Path("thesis.odt");
    QTest::newRow("user's document") << int(Answer::Picture)
                                     << std::function<QString()>([this, doc] { return UsersFile(doc) ? Uri(doc) : ""; })
                                     << QString() << small << QString("保存できません") << doc;
    QTest::newRow("picture older than the request")
        << int(Answer::Picture)
        << std::function<QString()>([this, shot] { return WritePng(shot) && Aged(shot) ? Uri(shot) : ""; }) << QString()
        << small << QString("保存できません") << shot;
    const QString link = Path("link.png");
    QTest::newRow("symlink") << int(Answer::Picture) << std::function<QString()>([shot, link] {
        QFile::remove(link);
        return WritePng(shot) && QFile::link(shot, link) ? Uri(link) : "";
    }) << QString() << small << QString("保存できません")
                             << link;
    const QString fifo = Path("fifo.png");
    QTest::newRow("FIFO") << int(Answer::Picture) << std::function<QString()>([fifo] {
        return mkfifo(qPrintable(fifo), 0600) == 0 ? Uri(fifo) : "";
    }) << QString() << small
                          << QString("保存できません") << fifo;
    const QString cwd = Path("cwdshot.png");
    QTest::newRow("relative file: address")
        << int(Answer::Picture)
        << std::function<QString()>([cwd] { return WritePng(cwd) ? QString("file:cwdshot.png") : ""; }) << QString()
        << small << QString("保存できません") << cwd;
    QTest::newRow("host in file: address")
        << int(Answer::Picture)
        << std::function<QString()>([shot] { return WritePng(shot) ? "file://elsewhere" + shot : ""; }) << QString()
        << small << QString("保存できません") << shot;
    QTest::newRow("picture larger than any output")
        << int(Answer::Picture) << fresh(QSize(64, 64)) << QString() << small << QString("大きすぎ") << shot;
    const QString ppm = Path("shot.ppm");
    QTest::newRow("PPM") << int(Answer::Picture) << std::function<QString()>([ppm] {
        return WritePng(ppm, QSize(3, 2), "PPM") ? Uri(ppm) : "";
    }) << QString() << small
                         << QString("画像を読めません") << ppm;
    // Another program on the bus answers first, naming a file of the user's:
    // it is not heard, and the portal's own answer is taken.
    const QString victim = Path("victim.txt");
    QTest::newRow("spoofed sender") << int(Answer::Picture) << fresh(small) << Uri(victim) << small << QString()
                                    << victim;
}

void TestPortal::answers()
{
    QFETCH(int, answer);
    QFETCH(std::function<QString()>, makeFile);
    QFETCH(QString, spoof);
    QFETCH(QSize, desktop);
    QFETCH(QString, cause);
    QFETCH(QString, kept);

    FakePortal portal;
    OnBus onBus(&portal);
    portal.answer = Answer(answer);
    portal.makeFile = makeFile;
    portal.spoofUri = spoof;
    if (!spoof.isEmpty())
        QVERIFY(UsersFile(QUrl(spoof).toLocalFile(), "not a picture"));

    QElapsedTimer clock;
    clock.start();
    CaptureResult result = PortalCapture(client_, 2000, 3000).Capture(QRect(QPoint(), desktop));
    // Nothing read from the answer makes the wait any longer.
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));

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
    if (kept.isEmpty()) {
        QVERIFY(!QFile::exists(Path("shot.png")));
    } else {
        struct stat info {};
        QVERIFY2(lstat(qPrintable(kept), &info) == 0, qPrintable(kept));
    }

    // A normal pick works afterwards.
    portal.answer = Answer::Picture;
    portal.spoofUri.clear();
    portal.makeFile = [this] { return WritePng(Path("next.png")) ? Uri(Path("next.png")) : ""; };
    result = PortalCapture(client_, 2000, 3000).Capture(QRect(0, 0, 3, 2));
    QCOMPARE(result.image.size(), QSize(3, 2));
    QVERIFY(!QFile::exists(Path("next.png")));
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
    const QString late = Path("late.png");
    const QString doc = Path("late.odt");
    for (const bool ours : {true, false}) {
        bool made = false;
        portal.makeFile = [&] {
            made = true;
            return ours ? (WritePng(late) ? Uri(late) : "") : (UsersFile(doc) ? Uri(doc) : "");
        };
        QVERIFY(PortalCapture(client_, 400, 600).Capture(QRect(0, 0, 3, 2)).image.isNull());
        QTRY_VERIFY(made);
        if (ours) {
            QTRY_VERIFY(!QFile::exists(late));
        } else {
            QTest::qWait(500);
            QVERIFY(QFile::exists(doc));
        }
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
