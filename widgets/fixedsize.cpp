#include "widgets/fixedsize.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace {
QWidget *fixedSizeWidgetOf(const QWindow *window)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            return widget->minimumSize() == widget->maximumSize() ? widget : nullptr;
    }
    return nullptr;
}

void unmaximise(QWindow &window)
{
    window.setWindowStates(window.windowStates() & ~Qt::WindowMaximized);
}

// Qt on Wayland asks the compositor to maximise a window the moment the button on the title bar
// it draws is clicked. The compositor then wants a frame of the size it gives, and ends the
// connection if a frame of any other size comes. So the window grows for one frame and then
// asks for its own size back; it takes its fixed size again once the compositor agrees.
class MaximiseRefusal : public QObject {
public:
    using QObject::QObject;

    static constexpr int MostRefusedInARow = 3;
    static constexpr const char *RefusedInARow = "maximiseRefusedInARow";

protected:
    // An application-wide filter sees windows as well as widgets: each event is read as what
    // it was sent to. A paint goes to a window too.
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (object->isWindowType()) {
            auto *window = static_cast<QWindow *>(object);
            if (event->type() == QEvent::Show) {
                connect(window, &QWindow::windowStateChanged, this, &MaximiseRefusal::stateAsked,
                        Qt::UniqueConnection);
            } else if (event->type() == QEvent::WindowStateChange && event->spontaneous()) {
                stateGiven(*window, static_cast<QWindowStateChangeEvent *>(event)->oldState());
            }
        } else if (event->type() == QEvent::Paint && object->isWidgetType() &&
                   m_maximised.contains(object)) {
            drawn(*static_cast<QWidget *>(object));
        }
        return false;
    }

private:
    // Asked of the window system, before it answers: the window may then take its size.
    void stateAsked(Qt::WindowState state)
    {
        auto *window = static_cast<QWindow *>(sender());
        if (state == Qt::WindowMaximized && fixedSizeWidgetOf(window))
            window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    // What the window system made of it. A compositor that maximises the window again each time
    // it is taken back is let have its way after a few rounds, rather than asked for ever.
    void stateGiven(QWindow &window, Qt::WindowStates before)
    {
        QWidget *widget = fixedSizeWidgetOf(&window);
        if (!widget)
            return;
        const int refused = window.property(RefusedInARow).toInt();
        if (window.windowStates() & Qt::WindowMaximized) {
            if (refused < MostRefusedInARow) {
                window.setProperty(RefusedInARow, refused + 1);
                m_maximised.append(widget);
            }
        } else if (before & Qt::WindowMaximized) {
            window.setProperty(RefusedInARow, 0);
            window.setMaximumSize(widget->maximumSize());
        }
    }

    // The frame of the maximised size is on its way to the compositor once the paint is over.
    void drawn(QWidget &widget)
    {
        const QSize fixed = widget.maximumSize();
        if (widget.width() <= fixed.width() && widget.height() <= fixed.height())
            return;
        if (m_maximised.removeAll(&widget) > 0) {
            QTimer::singleShot(0, &widget, [&widget] {
                if (QWindow *window = widget.windowHandle())
                    unmaximise(*window);
            });
        }
    }

    QList<QPointer<QWidget>> m_maximised;
};
} // namespace

void keepFixedSizeWindowsUnmaximised()
{
    qApp->installEventFilter(new MaximiseRefusal(qApp));
}
