#include "forms/shellopen.h"

#include <QDesktopServices>

namespace {

OpenRequestHook& Hook()
{
    static OpenRequestHook hook;
    return hook;
}

} // namespace

void OpenRequest(QWidget*, const QUrl& target)
{
    if (Hook()) {
        Hook()(target);
        return;
    }
    if (target.isEmpty())
        return; // nothing to open, and nothing to say about it
    QDesktopServices::openUrl(target);
}

QUrl HelpPageUrl(const QString& path) { return QUrl::fromLocalFile(path); }

QUrl AddressUrl(const QString& address) { return QUrl(address, QUrl::TolerantMode); }

void SetOpenRequestHook(OpenRequestHook hook) { Hook() = std::move(hook); }
