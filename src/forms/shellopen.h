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

// The one argument the desktop's opener is given for a target: a local file's
// path, or else the encoded address. One that would start with "-" (a relative
// path such as "--help", also from a "file:--help" address) would be taken as
// an option: it gets "./" in front, which names the same relative place. An
// address that does not parse gives empty text, and nothing is opened.
QString OpenerArgument(const QUrl& target);

// The help page beside the executable, and the address text of the settings file.
QUrl HelpPageUrl(const QString& path);
QUrl AddressUrl(const QString& address);

// Tests replace the desktop's handler with a recorder, which is given the
// target of each open request; an empty function restores the handler.
using OpenRequestHook = std::function<void(const QUrl& target)>;
void SetOpenRequestHook(OpenRequestHook hook);
