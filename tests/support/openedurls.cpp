#include "openedurls.h"

#include <QDesktopServices>

OpenedUrls::OpenedUrls()
{
    for (const char *scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

OpenedUrls::~OpenedUrls()
{
    for (const char *scheme : {"http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void OpenedUrls::open(const QUrl &url)
{
    m_addresses.append(url.toString(QUrl::FullyEncoded));
    if (m_onOpen)
        m_onOpen(url);
}
