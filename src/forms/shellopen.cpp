#include "forms/shellopen.h"

#include <QDesktopServices>

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
    QDesktopServices::openUrl(handed);
}

QUrl HelpPageUrl(const QString& path) { return QUrl::fromLocalFile(path); }

QUrl AddressUrl(const QString& address) { return QUrl(address, QUrl::TolerantMode); }

void SetOpenRequestHook(OpenRequestHook hook) { Hook() = std::move(hook); }
