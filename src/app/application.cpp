#include "app/application.h"

#include "core/colour.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace {

ErrorReportHook& Hook()
{
    static ErrorReportHook hook;
    return hook;
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tesmar"));
    // Qt's own texts (the edit boxes' and scroll bars' menus, the standard
    // buttons) in Japanese like every caption of Tesmar, whatever the locale.
    auto* qtJapanese = new QTranslator(this);
    if (qtJapanese->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtJapanese);
    // No display name of its own: Qt would append it to every window title,
    // and the dialogs and message boxes carry their captions as they are.
    setFont(TesmarFont(12));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorReport(error);
    } catch (...) {
        ShowErrorReport(QStringLiteral("Unknown error"));
    }
    return false;
}

namespace {

// Messages held while the application object is being made, and where they go afterwards.
std::vector<std::tuple<QtMsgType, QByteArray, QString>>& HeldMessages()
{
    static std::vector<std::tuple<QtMsgType, QByteArray, QString>> held;
    return held;
}
QtMessageHandler previousHandler = nullptr;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        HeldMessages().emplace_back(type, QByteArray(context.category ? context.category : "default"), message);
        return;
    }
    // Qt ends the program when no window system can be reached; say what is
    // missing in one line and end with a failure instead.
    if (message.contains(QLatin1String("platform plugin"))) {
        std::fputs("Tesmar: X11 または Wayland のディスプレイに接続できません（DISPLAY と WAYLAND_DISPLAY "
                   "を確かめてください）\n",
                   stderr);
    } else {
        std::fprintf(stderr, "Tesmar: %s\n", message.toLocal8Bit().constData());
    }
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

std::unique_ptr<TApplication> StartApplication(const char* programName)
{
    // Tesmar reads no command-line arguments, and Qt is given none either:
    // -reverse, -style, -platform and the like on the command line do nothing.
    static char name[256];
    std::snprintf(name, sizeof name, "%s", programName != nullptr ? programName : "tesmar");
    static char* arguments[] = {name, nullptr};
    static int count = 1;

    // Qt on Wayland stops drawing a window whose last frame the compositor
    // has not confirmed within 100 ms, and a busy compositor may take longer
    // to confirm a full-screen window's frame: the snapshot's readout would
    // then stop following the picks. Tesmar draws only on changes, so
    // nothing is lost by drawing on.
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT"))
        qputenv("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT", "0");
    HeldMessages().clear();
    previousHandler = qInstallMessageHandler(StartupMessageHandler);
    auto app = std::make_unique<TApplication>(count, arguments);
    qInstallMessageHandler(previousHandler);
    for (const auto& [type, category, message] : HeldMessages()) {
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        if (previousHandler != nullptr)
            previousHandler(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
    HeldMessages().clear();
    return app;
}

QString ErrorReportText(const QString& message)
{
    QString text = message;
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        text += QLatin1Char('.');
    // A zero byte or another control character read from a file is written
    // as "\x00" and the like, so that it shows and the text after it is not lost.
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n'))
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

void ShowErrorReport(const QString& message)
{
    const QString text = ErrorReportText(message);
    if (Hook()) {
        Hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tesmar"), text, QMessageBox::Ok);
    box.exec();
}

void ShowErrorReport(const std::exception& error)
{
    if (const auto* convert = dynamic_cast<const EConvertError*>(&error)) {
        const std::string& message = convert->message();
        ShowErrorReport(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
        return;
    }
    ShowErrorReport(QString::fromUtf8(error.what()));
}

void SetErrorReportHook(ErrorReportHook hook) { Hook() = std::move(hook); }

bool CloseWindow(QWidget* window)
{
    QCloseEvent event;
    QCoreApplication::sendEvent(window, &event);
    if (!event.isAccepted())
        return false;
    window->hide();
    return true;
}

namespace {

// The first two names are asked for only where such a font is installed:
// for a missing one the font configuration searches its substitution rules
// again at every size and weight (about 1.5 ms at start), and the list names
// its stand-ins itself.
QStringList Families(const QString& windows, const QString& windowsLatin, const QStringList& standIns)
{
    static const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString& name : {windows, windowsLatin})
        if (installed.contains(name, Qt::CaseInsensitive))
            families += name;
    return families + standIns;
}

} // namespace

QFont TesmarFont(int pixelSize, bool bold)
{
    static const QStringList families = Families(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                                 {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont TesmarFixedFont(int pixelSize, bool bold)
{
    static const QStringList families =
        Families(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                 {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

namespace {

// Ends the loop once the watched window's exposure has been handled, that is
// drawn: the quit is queued behind it.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QEventLoop& loop) : loop_(loop) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection);
        return false;
    }

private:
    QEventLoop& loop_;
};

} // namespace

void AwaitFirstFrame(QWidget* window, int maxMs)
{
    QWindow* handle = window->windowHandle();
    if (handle == nullptr || !window->isVisible() || handle->isExposed())
        return;
    QEventLoop loop;
    FirstFrameWatch watch(loop);
    handle->installEventFilter(&watch);
    QTimer::singleShot(maxMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    handle->removeEventFilter(&watch);
}

QString ExecutableFolder()
{
    // The resolved path, so that a symbolic link in bin/ still finds the data files.
    QString dir = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    return QDir::toNativeSeparators(dir + QLatin1Char('/'));
}
