#include "widgets/windowframe.h"
#include "widgets/windowsystem.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {
// The title bar and border the window manager put around the last window it framed; the next
// window is most likely framed alike, so it can be centred with its frame before it maps.
QMargins lastFrame;

QRect centredRect(QSize size, const QWidget &window)
{
    QRect rect(QPoint(), size);
    if (const QScreen *screen = window.screen())
        rect.moveCenter(screen->availableGeometry().center());
    return rect;
}

QMargins frameOf(const QWidget &window)
{
    const QRect client = window.geometry();
    const QRect frame = window.frameGeometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// The window manager frames a window only after it has been mapped, and only then tells its
// size. Until it is known the window stands centred as if its frame were the last one seen (or
// none); once known, the window moves to the centre with its own frame. Without a window
// manager no frame ever comes, and the client area stays centred.
class FrameCentring : public QObject {
public:
    static constexpr QLatin1StringView Name{"frameCentring"};

    explicit FrameCentring(QWidget &window) : QObject(&window), m_window(window)
    {
        setObjectName(Name);
        m_poll.setInterval(10);
        connect(&m_poll, &QTimer::timeout, this, &FrameCentring::lookForFrame);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            m_tries = 0;
            m_poll.start();
        } else if (event->type() == QEvent::Hide) {
            m_poll.stop();
        }
        return false;
    }

private:
    void lookForFrame()
    {
        const QMargins frame = frameOf(m_window);
        if (frame.isNull()) {
            // A window manager answers within a few milliseconds, even on a busy machine.
            if (++m_tries >= 100)
                m_poll.stop();
            return;
        }
        lastFrame = frame;
        const QRect centred = centredRect(m_window.frameGeometry().size(), m_window);
        if (centred.topLeft() != m_window.pos())
            m_window.move(centred.topLeft());
        // Centred when it opens; where the user puts it afterwards is the user's.
        deleteLater();
        m_poll.stop();
    }

    QWidget &m_window;
    QTimer m_poll;
    int m_tries = 0;
};
} // namespace

void useCloseBoxOnly(QWidget &window, Qt::WindowFlags extra)
{
    const Qt::WindowType type = window.windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
    const Qt::WindowFlags kept = window.windowFlags() & Qt::WindowStaysOnTopHint;
    window.setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | kept | extra);
}

void useFixedSingleBorder(QWidget &window, QSize clientSize)
{
    useCloseBoxOnly(window);
    window.setFixedSize(clientSize);
    centreOnScreen(window);
}

void useFixedSingleBorder(QMainWindow &window, QSize clientSize)
{
    useCloseBoxOnly(window);
    // The menu bar sits above the client area, as it does on Windows.
    const int menuHeight = window.menuWidget() ? window.menuWidget()->sizeHint().height() : 0;
    window.setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
    centreOnScreen(window);
}

void centreOnScreen(QWidget &window)
{
    // Where the compositor places the windows, a move would do nothing and no frame is told.
    if (!WindowSystem::placesWindows())
        return;
    // A window is placed by the top left corner of its frame. Before it maps, the frame is
    // reckoned to be like the last one seen, and put right once its own is known.
    const bool mapped = window.isVisible();
    const QSize framed = mapped ? window.frameGeometry().size() : window.size().grownBy(lastFrame);
    window.move(centredRect(framed, window).topLeft());
    if (!mapped && !window.findChild<QObject *>(FrameCentring::Name, Qt::FindDirectChildrenOnly))
        new FrameCentring(window);
}
