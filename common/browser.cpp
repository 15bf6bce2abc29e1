#include "common/browser.h"

#include <QDesktopServices>
#include <QLoggingCategory>
#include <QUrl>

namespace {
Q_LOGGING_CATEGORY(lcBrowser, "tamsilo.browser", QtInfoMsg)

QtMessageHandler consoleHandler = nullptr;

void asBrowserDiagnostic(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (!lcBrowser().isDebugEnabled())
        return;
    const QMessageLogContext ours(context.file, context.line, context.function,
                                  lcBrowser().categoryName());
    consoleHandler(QtDebugMsg, ours, message);
}
} // namespace

void openInBrowser(const QUrl &address)
{
    // Qt warns in its default category when it finds no browser; for as long as it looks, its
    // messages are the program's diagnostics instead.
    consoleHandler = qInstallMessageHandler(asBrowserDiagnostic);
    QDesktopServices::openUrl(address);
    qInstallMessageHandler(consoleHandler);
}
