// Drives the real program where the test has no input of its own (a headless Wayland compositor
// has no seat). Loaded into it as a Qt generic plugin, it reads one command a line from the file
// named by TAMSILO_DRIVER and prints "ok N OWNER WxH+X+Y MAXWxMAXH" once the Nth command's
// target is shown, of the target's window: the name of the window it belongs to (or -), where it
// stands, and the largest size it may be given. The action follows, and may open a modal window.
//   NAME TEXT      types TEXT into the line edit NAME
//   NAME maximise  asks the window NAME to maximise, as the button on its title bar does
//   NAME           clicks the button NAME, triggers the action NAME, answers a message box
//                  (NAME QMessageBox) with its default button, or just waits for the window NAME

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {
QObject *findShown(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (window->objectName() == name ||
            name == QLatin1String(window->metaObject()->className()))
            return window;
        for (QObject *object : window->findChildren<QObject *>(name)) {
            const auto *widget = qobject_cast<QWidget *>(object);
            const auto *action = qobject_cast<QAction *>(object);
            if ((widget && widget->isVisible() && widget->isEnabled()) ||
                (action && action->isEnabled()))
                return object;
        }
    }
    return nullptr;
}

void act(QObject *target, const QString &argument)
{
    if (argument == QLatin1String("maximise")) {
        QWindow *window = static_cast<QWidget *>(target)->windowHandle();
        window->setWindowStates(window->windowStates() ^ Qt::WindowMaximized);
    } else if (auto *edit = qobject_cast<QLineEdit *>(target)) {
        edit->setText(argument);
    } else if (auto *button = qobject_cast<QAbstractButton *>(target)) {
        button->click();
    } else if (auto *action = qobject_cast<QAction *>(target)) {
        action->trigger();
    } else if (auto *box = qobject_cast<QMessageBox *>(target)) {
        box->defaultButton()->click();
    }
}

class Driver : public QObject {
public:
    explicit Driver(const QString &path) : m_commands(path)
    {
        m_commands.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        connect(&m_poll, &QTimer::timeout, this, &Driver::poll);
        m_poll.start(50);
    }

private:
    void poll()
    {
        m_unread += m_commands.readAll();
        const qsizetype end = m_unread.indexOf('\n');
        const QString line = QString::fromUtf8(m_unread.left(end));
        QObject *target = end < 0 ? nullptr : findShown(line.section(u' ', 0, 0));
        if (!target)
            return;
        const QString argument = line.section(u' ', 1);
        m_unread.remove(0, end + 1);
        const auto *widget = qobject_cast<QWidget *>(target);
        const QWidget *window = widget ? widget->window() : nullptr;
        const QWidget *owner = window ? window->parentWidget() : nullptr;
        const QRect at = window ? window->geometry() : QRect();
        const QSize most = window ? window->windowHandle()->maximumSize() : QSize();
        std::printf("ok %d %s %dx%d+%d+%d %dx%d\n", ++m_done,
                    owner ? qPrintable(owner->objectName()) : "-", at.width(), at.height(), at.x(),
                    at.y(), most.width(), most.height());
        std::fflush(stdout);
        QTimer::singleShot(0, target, [target, argument] { act(target, argument); });
    }

    QFile m_commands;
    QTimer m_poll;
    QByteArray m_unread;
    int m_done = 0;
};

class DriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")

public:
    QObject *create(const QString &, const QString &) override
    {
        return new Driver(qEnvironmentVariable("TAMSILO_DRIVER"));
    }
};
} // namespace

#include "driver.moc"
