// Handing a document or a web address to the desktop's default handler.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// Opens the target with the desktop's default handler and does not wait for
// it. The outcome is not reported: a missing handler or a bad address simply
// opens nothing.
void OpenRequest(QWidget* owner, const QUrl& target);

// What is handed to the desktop's opener for a target. An address that would
// start with "-" (a relative one such as "--help") would be taken as an option
// by the opener: it gets "./" in front, which names the same relative place.
// Every other target passes unchanged.
QUrl OpenerTarget(const QUrl& target);

// The help page beside the executable, and the address text of the settings file.
QUrl HelpPageUrl(const QString& path);
QUrl AddressUrl(const QString& address);

// Tests replace the desktop's handler with a recorder, which is given what the
// opener would get; an empty function restores the handler.
using OpenRequestHook = std::function<void(const QUrl& target)>;
void SetOpenRequestHook(OpenRequestHook hook);
