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

QUrl OpenerTarget(const QUrl& target)
{
    const QByteArray encoded = target.toEncoded();
    if (encoded.startsWith('-'))
        return QUrl::fromEncoded("./" + encoded, QUrl::StrictMode);
    return target;
}

void OpenRequest(QWidget*, const QUrl& target)
{
    const QUrl handed = OpenerTarget(target);
    if (Hook()) {
        Hook()(handed);
        return;
    }
    if (handed.isEmpty())
        return; // nothing to open, and nothing to say about it
    // The desktop's opener gets the target as its one argument, with no shell
    // between, and is not waited for. Without it, Qt's own services try.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty() ||
        !QProcess::startDetached(
            opener, {handed.isLocalFile() ? handed.toLocalFile() : QString::fromLatin1(handed.toEncoded())}))
        QDesktopServices::openUrl(handed);
}

QUrl HelpPageUrl(const QString& path) { return QUrl::fromLocalFile(path); }

QUrl AddressUrl(const QString& address) { return QUrl(address, QUrl::TolerantMode); }

void SetOpenRequestHook(OpenRequestHook hook) { Hook() = std::move(hook); }
