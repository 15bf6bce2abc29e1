#pragma once

// Records the web addresses the program asks the desktop to open, instead of opening them.

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>

class OpenedUrls : public QObject {
    Q_OBJECT

public:
    OpenedUrls();
    ~OpenedUrls() override;

    const QStringList &addresses() const { return m_addresses; }
    void clear() { m_addresses.clear(); }
    // Runs as each address is opened, after it is recorded.
    void setOnOpen(std::function<void(const QUrl &)> action) { m_onOpen = action; }

public slots:
    void open(const QUrl &url);

private:
    QStringList m_addresses;
    std::function<void(const QUrl &)> m_onOpen;
};
