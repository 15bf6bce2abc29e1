#include "app/commandline.h"

#include "widgets/messages.h"
#include "widgets/windowsystem.h"

#include <QCommandLineParser>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace CommandLine {

namespace {

// Qt's own options, which QApplication reads and takes away: those followed by a value, and
// those standing alone. Qt takes each with one dash or two, and a few with "=" before the value.
constexpr std::array QtOptionsWithValue{"platform",        "platformpluginpath",
                                        "platformtheme",   "plugin",
                                        "qwindowgeometry", "geometry",
                                        "qwindowicon",     "icon",
                                        "qwindowtitle",    "title",
                                        "display",         "name",
                                        "session",         "visual",
                                        "style",           "stylesheet",
                                        "qmljsdebugger"};
constexpr std::array QtFlags{"reverse", "widgetcount", "nograb", "dograb",
                             "sync",    "testability", "qdebug", "qdevel"};
// Qt reads this one's value only after "=".
constexpr QLatin1StringView ValueAfterEquals("qmljsdebugger");

enum Status { Printed = 0, Failed = 1, WrongOption = 2 };

// Whatever was printed must have reached standard output: `--version > /dev/full` fails.
int printed()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return Printed;
    std::fprintf(stderr, "zv-tamsilo: could not write to standard output: %s\n",
                 std::strerror(errno));
    return Failed;
}

// The unknown option as it was typed: "-bogus", "--bogus=1".
QString typed(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        const QString bare = argument.mid(argument.startsWith(u"--") ? 2 : 1);
        if (argument.startsWith(u'-') && bare.section(u'=', 0, 0) == name)
            return argument;
    }
    return name;
}

} // namespace

Arguments::Arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    QCommandLineParser parser;
    // -platform as Qt reads it, not as -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringLiteral("version")));
    for (const char *name : QtOptionsWithValue)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char *name : QtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        m_answer = Answer::WrongOption;
        m_error =
            unknown.isEmpty()
                ? parser.errorText()
                : QStringLiteral("unknown option '%1'").arg(typed(arguments, unknown.first()));
        return;
    }
    // Each option as it was found, with its own value: Qt is given the same, spelt as it reads it.
    QHash<QString, qsizetype> seen;
    for (const QString &name : parser.optionNames()) {
        if (name == u"h" || name == u"help" || name == u"version") {
            m_answer = name == u"version" ? Answer::Version : Answer::Help;
            return;
        }
        const QStringList values = parser.values(name);
        const QByteArray value =
            values.isEmpty() ? QByteArray() : values.at(seen[name]++).toLocal8Bit();
        if (name == u"platform")
            m_namedPlatform = value;
        else if (name == ValueAfterEquals)
            m_qtOptions.push_back('-' + name.toLatin1() + '=' + value);
        else
            m_qtOptions.insert(m_qtOptions.end(), {'-' + name.toLatin1(), value});
        if (name == u"display")
            m_display = value;
    }
    const QByteArray picked = WindowSystem::chosenPlatform(m_namedPlatform, m_display);
    if (const QByteArray platform = picked.isNull() ? m_namedPlatform : picked; !platform.isNull())
        m_qtOptions.insert(m_qtOptions.end(), {QByteArrayLiteral("-platform"), platform});
    // Qt reorders the pointers it is given, and never writes into the texts.
    m_values.push_back(argv[0]);
    for (QByteArray &option : m_qtOptions)
        m_values.push_back(option.data());
    m_count = int(m_values.size());
    m_values.push_back(nullptr);
}

std::optional<int> Arguments::answerInformationOption() const
{
    switch (m_answer) {
    case Answer::Start:
        return std::nullopt;
    case Answer::WrongOption:
        std::fprintf(stderr,
                     "zv-tamsilo: %s\n"
                     "Try 'zv-tamsilo --help' for the options it knows.\n",
                     qPrintable(m_error));
        return WrongOption;
    case Answer::Version:
        std::printf("%s %s\n", ApplicationTitle, TAMSILO_VERSION);
        return printed();
    case Answer::Help:
        std::printf("Usage: zv-tamsilo [-h|--help] [--version] [Qt options]\n"
                    "Tells you your natural body shape from four questions.\n"
                    "\n"
                    "  -h, --help  print this help and exit\n"
                    "  --version   print the name and version and exit\n"
                    "\n"
                    "Qt's own options, such as -platform NAME, -display DISPLAY, -style STYLE\n"
                    "and -reverse, are passed on to Qt.\n");
        return printed();
    }
    return std::nullopt;
}

// What is missing, in the user's terms rather than Qt's plugin names.
QByteArray Arguments::missingDisplayMessage() const
{
    const QByteArray platform =
        m_namedPlatform.isNull() ? qgetenv("QT_QPA_PLATFORM") : m_namedPlatform;
    const QByteArray x11 = m_display.isNull() ? qgetenv("DISPLAY") : m_display;
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    QByteArray message = "zv-tamsilo: cannot open a window: ";
    if (!platform.isEmpty())
        message += "Qt's platform '" + platform + "' did not start.\n";
    else if (x11.isEmpty() && wayland.isEmpty())
        message += "no display is set (DISPLAY and WAYLAND_DISPLAY are empty).\n";
    else
        message += "the display '" + (x11.isEmpty() ? wayland : x11) + "' did not answer.\n";
    return message + "Start it from a desktop session, or set DISPLAY to a running X server.\n";
}

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage> &heldBack()
{
    static QList<HeldMessage> messages;
    return messages;
}

QtMessageHandler &qtHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

// The command line that names what Qt is opening.
const Arguments *&watched()
{
    static const Arguments *arguments = nullptr;
    return arguments;
}

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        heldBack().append({type, context.category, message});
        return;
    }
    std::fputs(watched()->missingDisplayMessage().constData(), stderr);
    std::fflush(stderr);
    // Not exit(): the half-made application must not be torn down.
    _exit(1);
}

} // namespace

void watchForMissingDisplay(const Arguments &arguments)
{
    watched() = &arguments;
    qtHandler() = qInstallMessageHandler(holdBack);
}

void displayFound()
{
    qInstallMessageHandler(qtHandler());
    // Shown as Qt would have shown them, but for the place in Qt's code.
    for (const HeldMessage &message : std::as_const(heldBack())) {
        qt_message_output(message.type,
                          QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                          message.text);
    }
    heldBack().clear();
}

} // namespace CommandLine
