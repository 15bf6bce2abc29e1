// Drives the program where a headless Wayland compositor gives no input: a Qt generic plugin
// reading commands from the file named by TAMSILO_DRIVER. Once the Nth command's target shows it
// prints "ok N OWNER WxH+X+Y TIMES ACTIVE" of the target's window: the window it belongs to
// (or -), where it stands, how often the window system has maximised it, and 1 if it has the
// keyboard. "NAME maximise" asks as the title bar does ("NAME insist": again each time the window
// is given back, thirty times), "NAME key" presses Shift there as the user would, "NAME stretch"
// makes its window 100 pixels wider and taller as a dragged edge does, "NAME shown" only looks,
// "NAME TEXT" types, "NAME" clicks, triggers, answers a message box by default or just waits.
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cstdio>
static QObject *findShown(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        for (QObject *object : window->findChildren<QObject *>() + QObjectList{window})
            if ((object->objectName() == name || object->inherits(qPrintable(name))) &&
                window->isVisible() && object->property("visible").toBool() &&
                object->property("enabled").toBool())
                return object;
    return nullptr;
}
static void act(QObject *target, const QString &argument)
{
    auto *box = qobject_cast<QMessageBox *>(target);
    auto *widget = qobject_cast<QWidget *>(target);
    QWindow *window = widget ? widget->windowHandle() : nullptr;
    if (argument == QLatin1String("shown"))
        return;
    if (argument == QLatin1String("key")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        return;
    }
    if (argument == QLatin1String("stretch"))
        return window->resize(window->size() + QSize(100, 100));
    if (argument == QLatin1String("insist")) { // maximises the window each time it is given back
        QObject::connect(window, &QWindow::windowStateChanged, window,
                         [window, times = 30](Qt::WindowState state) mutable {
                             if (state == Qt::WindowNoState && times-- > 0)
                                 QTimer::singleShot(0, window, [window] {
                                     window->setWindowStates(Qt::WindowMaximized);
                                 });
                         });
    }
    if (argument == QLatin1String("maximise") || argument == QLatin1String("insist"))
        window->setWindowStates(window->windowStates() ^ Qt::WindowMaximized);
    else if (!argument.isEmpty())
        target->setProperty("text", argument);
    else if (box || !window)
        QMetaObject::invokeMethod(box ? box->defaultButton() : target,
                                  widget ? "click" : "trigger");
}
// Counts on each window the maximised states the window system gave it.
class Maximisations : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::WindowStateChange && event->spontaneous() &&
            object->isWindowType() &&
            (static_cast<QWindow *>(object)->windowStates() & Qt::WindowMaximized))
            object->setProperty("maximised", object->property("maximised").toInt() + 1);
        return false;
    }
};
class DriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")
public:
    QObject *create(const QString &, const QString &) override
    {
        auto *commands = new QFile(qEnvironmentVariable("TAMSILO_DRIVER"));
        commands->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        qApp->installEventFilter(new Maximisations(commands));
        auto *timer = new QTimer(commands);
        timer->callOnTimeout(commands, [commands, line = QString(), done = 0]() mutable {
            line = line.isEmpty() ? QString::fromUtf8(commands->readLine()).trimmed() : line;
            QObject *target = line.isEmpty() ? nullptr : findShown(line.section(u' ', 0, 0));
            if (!target)
                return;
            auto *widget = qobject_cast<QWidget *>(target);
            const QWidget *window = widget ? widget->window() : nullptr;
            const QWidget *owner = window ? window->parentWidget() : nullptr;
            const QRect at = window ? window->geometry() : QRect();
            const QWindow *handle = window ? window->windowHandle() : nullptr;
            std::printf("ok %d %s %dx%d+%d+%d %d %d\n", ++done,
                        owner ? qPrintable(owner->objectName()) : "-", at.width(), at.height(),
                        at.x(), at.y(), handle ? handle->property("maximised").toInt() : 0,
                        window && window->isActiveWindow() ? 1 : 0);
            std::fflush(stdout);
            QTimer::singleShot(0, target, [=] { act(target, line.section(u' ', 1)); });
            line.clear();
        });
        timer->start(50);
        return commands;
    }
};
#include "driver.moc"
