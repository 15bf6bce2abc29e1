#include "widgets/afterfirstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
// The paint follows the window's first expose at once; the work is queued behind it.
class FirstExpose : public QObject {
public:
    FirstExpose(QWidget &window, std::function<void()> work)
        : QObject(&window), m_work(std::move(work))
    {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), m_work);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_work;
};
} // namespace

void runAfterFirstPaint(QWidget &window, std::function<void()> work)
{
    if (window.windowHandle())
        new FirstExpose(window, std::move(work));
}
