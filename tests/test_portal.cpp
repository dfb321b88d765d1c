// The screenshot portal client against a stand-in portal on a private session
// bus: the answers a desktop can give, and one it never gives.
#include "platform/portalcapture.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <unistd.h>

#include <vector>

namespace {

enum class Answer { Picture, Cancelled, Refused, Silent, BrokenPicture };

// Stands in for the desktop's portal on a connection of its own. Like the
// real one, it answers through a Response signal on the request object, and
// it sends that signal before the call's reply, so a client that listens only
// after the reply misses it.
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    Answer answer = Answer::Picture;
    QString picturePath;
    QVariantMap lastOptions;

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options)
    {
        lastOptions = options;
        const QString path = PortalCapture::RequestPath(message().service(), options.value("handle_token").toString());
        if (answer == Answer::Silent)
            return QDBusObjectPath(path);
        uint code = 0;
        QVariantMap results;
        if (answer == Answer::Cancelled)
            code = 1;
        else if (answer == Answer::Refused)
            code = 2;
        else
            results.insert("uri", QUrl::fromLocalFile(picturePath).toString());
        QDBusMessage signal = QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        signal << code << results;
        connection().send(signal);
        return QDBusObjectPath(path);
    }
};

// Registers the portal's name on the connection, with or without the
// Screenshot interface.
class NamedObject : public QObject {
    Q_OBJECT
};

} // namespace

class TestPortal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void answers_data();
    void answers();
    void timeoutAndMissingInterface();

private:
    QDBusConnection client_ = QDBusConnection::sessionBus();
    QTemporaryDir dir_;
};

void TestPortal::initTestCase()
{
    QVERIFY(client_.isConnected());
    QVERIFY(dir_.isValid());
}

void TestPortal::answers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QString>("cause");
    QTest::newRow("success") << int(Answer::Picture) << true << QString();
    QTest::newRow("cancelled") << int(Answer::Cancelled) << false << QString("取り消され");
    QTest::newRow("refused") << int(Answer::Refused) << false << QString("拒まれ");
    QTest::newRow("unreadable picture") << int(Answer::BrokenPicture) << false << QString("画像を読めません");
}

void TestPortal::answers()
{
    QFETCH(int, answer);
    QFETCH(bool, picture);
    QFETCH(QString, cause);

    QDBusConnection portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
    FakePortal portal;
    portal.answer = Answer(answer);
    portal.picturePath = dir_.filePath("shot.png");
    if (portal.answer == Answer::BrokenPicture) {
        QFile f(portal.picturePath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\x89PNG not really");
    } else {
        // 3 by 2 device pixels, each with its own colour.
        QImage shot(3, 2, QImage::Format_ARGB32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                shot.setPixel(x, y, qRgb(x * 100, y * 200, 42));
        QVERIFY(shot.save(portal.picturePath, "PNG"));
    }
    QVERIFY(portalBus.registerObject("/org/freedesktop/portal/desktop", &portal, QDBusConnection::ExportAllSlots));
    QVERIFY(portalBus.registerService("org.freedesktop.portal.Desktop"));

    PortalCapture capture(client_, 5000);
    const CaptureResult result = capture.Capture(QRect(0, 0, 3, 2));
    portalBus.unregisterService("org.freedesktop.portal.Desktop");
    portalBus.unregisterObject("/org/freedesktop/portal/desktop");
    QDBusConnection::disconnectFromBus("portal");

    QCOMPARE(portal.lastOptions.value("interactive").toBool(), false);
    QVERIFY(portal.lastOptions.contains("handle_token"));
    QCOMPARE(!result.image.isNull(), picture);
    if (picture) {
        QCOMPARE(result.image.size(), QSize(3, 2));
        QCOMPARE(result.image.pixel(2, 1), qRgb(200, 200, 42));
        QVERIFY(result.failure.isEmpty());
    } else {
        QVERIFY2(result.failure.contains("デスクトップから画面を受け取れませんでした"), qPrintable(result.failure));
        QVERIFY2(result.failure.contains(cause), qPrintable(result.failure));
    }
    // The picture file is the client's to remove, whatever it held.
    if (portal.answer == Answer::Picture || portal.answer == Answer::BrokenPicture)
        QVERIFY(!QFile::exists(portal.picturePath));
}

void TestPortal::timeoutAndMissingInterface()
{
    QDBusConnection portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
    FakePortal portal;
    portal.answer = Answer::Silent;
    QVERIFY(portalBus.registerObject("/org/freedesktop/portal/desktop", &portal, QDBusConnection::ExportAllSlots));
    QVERIFY(portalBus.registerService("org.freedesktop.portal.Desktop"));

    // The portal takes the request and never answers: the wait ends on time,
    // and windows kept painting meanwhile (timers ran).
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    QElapsedTimer clock;
    clock.start();
    CaptureResult result = PortalCapture(client_, 400).Capture(QRect());
    QVERIFY(result.image.isNull());
    QVERIFY2(result.failure.contains("返事がありませんでした"), qPrintable(result.failure));
    QVERIFY2(clock.elapsed() >= 300 && clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(ticks >= 5);

    // The portal's name is there, but without the screenshot interface, as
    // when no backend can take screenshots.
    portalBus.unregisterObject("/org/freedesktop/portal/desktop");
    NamedObject bare;
    QVERIFY(portalBus.registerObject("/org/freedesktop/portal/desktop", &bare));
    result = PortalCapture(client_, 5000).Capture(QRect());
    QVERIFY(result.image.isNull());
    QVERIFY2(result.failure.contains("ポータルがありません"), qPrintable(result.failure));
    portalBus.unregisterService("org.freedesktop.portal.Desktop");
    QDBusConnection::disconnectFromBus("portal");
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
