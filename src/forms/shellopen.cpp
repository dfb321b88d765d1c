#include "forms/shellopen.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace {

OpenRequestHook& Hook()
{
    static OpenRequestHook hook;
    return hook;
}

} // namespace

QString OpenerArgument(const QUrl& target)
{
    if (target.isEmpty() || !target.isValid())
        return QString();
    QString argument = target.isLocalFile() ? target.toLocalFile() : QString::fromLatin1(target.toEncoded());
    if (argument.startsWith(QLatin1Char('-')))
        argument.prepend(QStringLiteral("./"));
    return argument;
}

void OpenRequest(QWidget*, const QUrl& target)
{
    if (Hook()) {
        Hook()(target);
        return;
    }
    const QString argument = OpenerArgument(target);
    if (argument.isEmpty())
        return; // nothing to open, and nothing to say about it
    // The desktop's opener gets the target as its one argument, with no shell
    // between, and is not waited for. Without it, Qt's own services try.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty() || !QProcess::startDetached(opener, {argument}))
        QDesktopServices::openUrl(target);
}

QUrl HelpPageUrl(const QString& path) { return QUrl::fromLocalFile(path); }

QUrl AddressUrl(const QString& address) { return QUrl(address, QUrl::TolerantMode); }

void SetOpenRequestHook(OpenRequestHook hook) { Hook() = std::move(hook); }
