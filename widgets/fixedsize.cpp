#include "widgets/fixedsize.h"

#include "widgets/windowsystem.h"

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

// A compositor that maximises a window, asked by the title bar Qt draws or by itself (a key of
// its own, a tiling layout), wants the next frame in the size it gives, and ends the connection
// if a frame of any other size comes. Qt 6.4 holds a window to its largest size when it takes
// the compositor's, so a fixed-size window lets Qt give it any size, draws one frame maximised,
// asks for its own size back, and takes it again once the compositor agrees. A compositor that
// maximises the window again each time is let have its way after a few rounds without a key
// or a click of the user's in between.
class MaximiseRefusal : public QObject {
public:
    using QObject::QObject;

    static constexpr int MostRefusedInARow = 3;
    static constexpr const char *RefusedInARow = "maximiseRefusedInARow";
    static constexpr const char *Maximised = "maximisedByWindowSystem";

protected:
    // An application-wide filter sees windows as well as widgets: each event is read as what
    // it was sent to. A paint goes to a window too.
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (object->isWindowType()) {
            auto *window = static_cast<QWindow *>(object);
            if (event->type() == QEvent::Show && WindowSystem::maximisesAnyWindow() &&
                fixedSizeWidgetOf(window)) {
                window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            } else if (event->type() == QEvent::WindowStateChange && event->spontaneous()) {
                stateGiven(*window, static_cast<QWindowStateChangeEvent *>(event)->oldState());
            } else if (event->type() == QEvent::Resize && event->spontaneous()) {
                resized(*window);
            }
        } else if (event->type() == QEvent::Paint && object->isWidgetType() &&
                   m_maximised.contains(object)) {
            drawn(*static_cast<QWidget *>(object));
        } else if ((event->type() == QEvent::KeyPress ||
                    event->type() == QEvent::MouseButtonPress) &&
                   object->isWidgetType()) {
            // The user is here: a maximise after this one is asked anew.
            if (QWindow *window = static_cast<QWidget *>(object)->window()->windowHandle())
                window->setProperty(RefusedInARow, 0);
        }
        return false;
    }

private:
    // What the window system made of the window.
    void stateGiven(QWindow &window, Qt::WindowStates before)
    {
        QWidget *widget = fixedSizeWidgetOf(&window);
        if (!widget)
            return;
        const int refused = window.property(RefusedInARow).toInt();
        if (window.windowStates() & Qt::WindowMaximized) {
            window.setProperty(Maximised, true);
            if (refused < MostRefusedInARow) {
                window.setProperty(RefusedInARow, refused + 1);
                m_maximised.append(widget);
            }
        } else if (before & Qt::WindowMaximized) {
            window.setProperty(Maximised, false);
            resized(window);
        }
    }

    // Stretched while not maximised, as the edges of a window that may be maximised let it be:
    // back to its own size, which the compositor allows then.
    void resized(QWindow &window)
    {
        const QWidget *widget = fixedSizeWidgetOf(&window);
        if (widget && !window.property(Maximised).toBool() &&
            window.size() != widget->maximumSize())
            window.resize(widget->maximumSize());
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
