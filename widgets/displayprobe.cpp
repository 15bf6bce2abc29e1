#include "widgets/displayprobe.h"
#include <QByteArrayList>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace DisplayProbe {

namespace {

// How long a display across the network may take to take the call.
constexpr int NetworkPatienceMs = 2000;

// A socket that is closed however the connect went.
class Socket {
public:
    Socket(int domain, int type, int protocol)
        : m_fd(::socket(domain, type | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol))
    {}
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;

    bool connectsTo(const sockaddr *address, socklen_t length, int patienceMs) const
    {
        if (m_fd < 0)
            return false;
        if (::connect(m_fd, address, length) == 0)
            return true;
        // A local listener whose queue is full is there all the same.
        if (errno == EAGAIN)
            return true;
        if (errno != EINPROGRESS)
            return false;
        pollfd waiting{m_fd, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        return ::poll(&waiting, 1, patienceMs) == 1 &&
               ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }

private:
    int m_fd;
};

// A socket on this machine; an abstract one has no file, only a name, as X servers offer.
bool localAnswers(const QByteArray &path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t start = abstract ? 1 : 0;
    if (path.isEmpty() || start + std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + start, path.constData(), std::size_t(path.size()));
    const auto length =
        socklen_t(offsetof(sockaddr_un, sun_path) + start + std::size_t(path.size()));
    return Socket(AF_UNIX, SOCK_STREAM, 0)
        .connectsTo(reinterpret_cast<const sockaddr *>(&address), length, 0);
}

bool networkAnswers(const QByteArray &host, int port)
{
    addrinfo wanted{};
    wanted.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &wanted, &found) != 0)
        return false;
    bool answered = false;
    for (const addrinfo *at = found; at && !answered; at = at->ai_next) {
        answered = Socket(at->ai_family, at->ai_socktype, at->ai_protocol)
                       .connectsTo(at->ai_addr, at->ai_addrlen, NetworkPatienceMs);
    }
    ::freeaddrinfo(found);
    return answered;
}

} // namespace

bool xServerAnswers(const QByteArray &display)
{
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0)
        return true;
    QByteArray host = display.left(colon);
    QByteArray protocol;
    if (const qsizetype slash = host.lastIndexOf('/'); slash >= 0) {
        protocol = host.left(slash);
        host = host.mid(slash + 1);
    }
    bool isNumber = false;
    const int number = display.mid(colon + 1).split('.').constFirst().toInt(&isNumber);
    // DECnet's "host::0" and whatever else this does not know.
    if (!isNumber || number < 0 || host.endsWith(':'))
        return true;
    if (protocol == "unix" || (protocol.isEmpty() && (host.isEmpty() || host == "unix"))) {
        const QByteArray socket = "/tmp/.X11-unix/X" + QByteArray::number(number);
        return localAnswers(socket, true) || localAnswers(socket, false);
    }
    return networkAnswers(host.isEmpty() ? QByteArray("localhost") : host, 6000 + number);
}

bool waylandAnswers(const QByteArray &display, const QByteArray &runtimeFolder)
{
    if (display.startsWith('/'))
        return localAnswers(display, false);
    return !display.isEmpty() && !runtimeFolder.isEmpty() &&
           localAnswers(runtimeFolder + '/' + display, false);
}

} // namespace DisplayProbe
