#include "widgets/windowframe.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace {
void closeBoxOnly(QWidget &window)
{
    const Qt::WindowType type = window.windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
    window.setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}
} // namespace

void useFixedSingleBorder(QWidget &window, QSize clientSize)
{
    closeBoxOnly(window);
    window.setFixedSize(clientSize);
    centreOnScreen(window);
}

void useFixedSingleBorder(QMainWindow &window, QSize clientSize)
{
    closeBoxOnly(window);
    // The menu bar sits above the client area, as it does on Windows.
    const int menuHeight = window.menuWidget() ? window.menuWidget()->sizeHint().height() : 0;
    window.setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
    centreOnScreen(window);
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    QRect frame(QPoint(), window.size());
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
