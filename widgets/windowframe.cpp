#include "widgets/windowframe.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

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
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    QRect frame(QPoint(), window.size());
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
