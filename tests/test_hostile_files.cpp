// Data files that are not what they seem, the address handed to the desktop's
// opener, and a start without a display: nothing hangs, nothing grows without
// bound, nothing from a file becomes an option.
#include "core/filefunc.h"
#include "core/inifunc.h"
#include "forms/shellopen.h"
#include "forms/unit1.h"
#include "forms/unit4.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::string_literals;

namespace {

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A sparse file: size bytes of zeros, then tail.
void WriteSparse(const QString& path, qint64 size, const QByteArray& tail = {})
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.resize(size));
    QVERIFY(file.seek(size));
    QCOMPARE(file.write(tail), tail.size());
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase()
    {
        // A read that blocks ends the whole test instead of hanging it.
        alarm(120);
        QVERIFY(dir.isValid());
        QCOMPARE(mkfifo(Native(Path("fifo")).c_str(), 0600), 0);
        QVERIFY(QDir().mkpath(Path("folder")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), Path("zero")));
        QVERIFY(QFile::link(QStringLiteral("/dev/urandom"), Path("urandom")));
        QVERIFY(QFile::link(Path("loopB"), Path("loopA")));
        QVERIFY(QFile::link(Path("loopA"), Path("loopB")));
        QVERIFY(QFile::link(Path("absent"), Path("dangling")));
        WriteSparse(Path("nul1g"), qint64(1) << 30);
        WriteSparse(Path("ini1g"), qint64(1) << 30, "\n[App]\nHP=https://late.example/\n");
    }

    void listFromHostileFilesKeepsBlackAtOnce()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        const long peakBefore = PeakKilobytes();
        for (const char* name : {"fifo", "folder", "zero", "urandom", "loopA", "dangling", "absent"}) {
            QElapsedTimer clock;
            clock.start();
            QVERIFY2(!LoadBrowserColors(f, Path(name)), name);
            QVERIFY2(clock.elapsed() < 500, name);
            QCOMPARE(f->cmbBrowserColor->count(), 1);
            QCOMPARE(f->cmbBrowserColor->itemText(0), QStringLiteral("Black"));
        }
        // A gigabyte of zero bytes is one over-long line: its first 254
        // characters are read, fail to convert and are shown whole.
        QElapsedTimer clock;
        clock.start();
        RunGuarded([&] { LoadBrowserColors(f, Path("nul1g")); });
        QVERIFY(clock.elapsed() < 500);
        QCOMPARE(windows.errors.size(), 1);
        QCOMPARE(windows.errors.first(), QStringLiteral("'0x") + QStringLiteral("\\x00").repeated(6) +
                                             QStringLiteral("' は整数ではありません."));
        QVERIFY(PeakKilobytes() - peakBefore < 10 * 1024);
    }

    void zeroByteInABadLineIsShownWhole()
    {
        TesmarWindows windows;
        QFile file(Path("nul.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("Good 102030\nNul 12\0l56\n", 24));
        file.close();
        RunGuarded([&] { LoadBrowserColors(windows.main(), file.fileName()); });
        QCOMPARE(windows.errors, QStringList{QStringLiteral("'0x56\\x00l12' は整数ではありません.")});
        QCOMPARE(windows.main()->cmbBrowserColor->count(), 1);
    }

    void settingsFromHostileFilesGiveNothingAtOnce()
    {
        const long peakBefore = PeakKilobytes();
        for (const char* name : {"fifo", "folder", "zero", "urandom", "loopA", "dangling", "ini1g"}) {
            QElapsedTimer clock;
            clock.start();
            std::string value = "keep";
            QVERIFY2(!ReadIniString(value, Native(Path(name)), "App", "HP"), name);
            QCOMPARE(value, "keep"s);
            QVERIFY2(clock.elapsed() < 200, name);
            QCOMPARE(HomePageAddress(Path(name)), QString());
        }
        QVERIFY(PeakKilobytes() - peakBefore < 10 * 1024);
    }

    void unreadableFileAsAnotherUser()
    {
        const QString list = Path("secret.dat");
        const QString ini = Path("secret.ini");
        for (const QString& path : {list, ini}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(path == list ? "Red FF0000\n" : "[App]\nHP=x\n");
            file.close();
            QVERIFY(file.setPermissions({}));
        }
        // Root reads any file: the check runs in a child that gives up root first.
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
                _exit(77);
            std::string bytes;
            std::string value = "keep";
            const bool read = ReadRegularFile(Native(list), kBrowserColorFileLimit, bytes) ||
                              ReadIniString(value, Native(ini), "App", "HP") || value != "keep";
            _exit(read ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        if (WEXITSTATUS(status) == 77)
            QSKIP("cannot switch to the user nobody to test a file without read permission");
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    void openerNeverGetsAnOption()
    {
        // A stand-in for the desktop's opener, found first in PATH, adds a line
        // of its arguments, each ended by "|", for every start.
        const QString bin = Path("bin");
        QVERIFY(QDir().mkpath(bin));
        const QString log = Path("opened");
        QFile script(bin + QStringLiteral("/xdg-open"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nline=$(printf '%s|' \"$@\")\nprintf '%s\\n' \"$line\" >> \"" + QFile::encodeName(log) +
                     "\"\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("PATH", QFile::encodeName(bin) + ':' + qgetenv("PATH"));
        const auto opened = [&] {
            QFile file(log);
            return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QByteArrayList();
        };

        TesmarWindows windows;
        const QString marker = Path("ran");
        const QByteArray shelly = "https://example.org/a b?x=$(touch " + QFile::encodeName(marker) + ")&y=`touch " +
                                  QFile::encodeName(marker) + "`;|<>\"'\\";
        struct Case {
            QByteArray value;
            QByteArray argument; // empty: the opener is not started
        };
        // Relative addresses, also in their file: form, never become options;
        // addresses that do not parse open nothing.
        const Case cases[] = {{"--help", "./--help"},
                              {"file:--help", "./--help"},
                              {"http://a b/c d", ""},
                              {"file:-x", "./-x"},
                              {"-x:y", ""},
                              {"ｈｔｔｐ://example.org/", ""},
                              {"http://" + QByteArray(5000, 'a') + "/", ""},
                              {"-e touch " + QFile::encodeName(marker), "./-e%20touch%20" + QFile::encodeName(marker)},
                              {"https://example.org/", "https://example.org/"},
                              {shelly, QUrl(QString::fromLatin1(shelly), QUrl::TolerantMode).toEncoded()}};
        QByteArrayList expected;
        for (const Case& c : cases) {
            QFile ini(Path("case.ini"));
            QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ini.write("[App]\nHP=" + c.value + "\n");
            ini.close();
            OpenRequest(windows.main(), AddressUrl(HomePageAddress(ini.fileName())));
            if (!c.argument.isEmpty()) {
                expected << c.argument + '|';
                QTRY_COMPARE_WITH_TIMEOUT(opened().size(), expected.size() + 1, 10000);
            }
        }
        // Starts that should not have been made show up as lines too many or
        // lines other than the expected ones.
        QByteArrayList lines = opened();
        lines.removeLast();
        std::sort(lines.begin(), lines.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(lines, expected);
        QVERIFY(!QFile::exists(marker));
    }

    void noDisplayIsSaidInOneLine()
    {
        // Qt is given no command-line arguments, so "-platform offscreen" does
        // not help a program started without a display.
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../tesmar");
        QVERIFY(QFile::exists(program));
        for (const QString& display : {QString(), QStringLiteral(":93517")}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(QString::fromLatin1(name));
            if (!display.isEmpty())
                env.insert(QStringLiteral("DISPLAY"), display);
            QProcess tesmar;
            tesmar.setProcessEnvironment(env);
            tesmar.start(program,
                         {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-reverse")});
            QVERIFY(tesmar.waitForFinished(20000));
            QCOMPARE(tesmar.exitStatus(), QProcess::NormalExit);
            QCOMPARE(tesmar.exitCode(), 1);
            const QString said = QString::fromUtf8(tesmar.readAllStandardError());
            QCOMPARE(said.count(QLatin1Char('\n')), 1);
            QVERIFY2(said.contains(QLatin1String("X11")) && said.contains(QLatin1String("Wayland")), qPrintable(said));
        }
    }
};

TESMAR_TEST_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
