#include "app/application.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

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

QString ErrorReportText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
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

void ShowErrorReport(const std::exception& error) { ShowErrorReport(QString::fromUtf8(error.what())); }

void SetErrorReportHook(ErrorReportHook hook) { Hook() = std::move(hook); }

QFont TesmarFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont TesmarFixedFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans Mono CJK JP")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QString ExecutableFolder()
{
    // The resolved path, so that a symbolic link in bin/ still finds the data files.
    QString dir = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    return QDir::toNativeSeparators(dir + QLatin1Char('/'));
}
