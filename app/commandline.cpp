#include "app/commandline.h"

#include "widgets/messages.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <unistd.h>

namespace CommandLine {

namespace {

// Qt's own options, which QApplication reads and takes away: those followed by a value, and
// those standing alone. Qt takes each with one dash or two.
constexpr std::array<std::string_view, 16> QtOptionsWithValue{
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "geometry",
    "qwindowicon",     "icon",
    "qwindowtitle",    "title",
    "display",         "name",
    "session",         "visual",
    "style",           "stylesheet"};
constexpr std::array<std::string_view, 9> QtFlags{"reverse", "widgetcount", "nograb",
                                                  "dograb",  "sync",        "testability",
                                                  "qdebug",  "qdevel",      "qmljsdebugger"};

enum class Kind { Plain, QtOption, QtOptionWithValue, Unknown };

// The platform and display named on the command line, which override the environment's.
QByteArray platformOption;
QByteArray displayOption;

std::string_view nameOf(std::string_view option)
{
    return option.substr(option.starts_with("--") ? 2 : 1);
}

Kind kindOf(std::string_view argument)
{
    if (argument.size() < 2 || argument[0] != '-')
        return Kind::Plain;
    std::string_view name = nameOf(argument);
    // -style=fusion, -stylesheet=file.qss, -qmljsdebugger=port:1234
    if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
        name = name.substr(0, equals);
        return name == "style" || name == "stylesheet" || name == "qmljsdebugger" ? Kind::QtOption
                                                                                  : Kind::Unknown;
    }
    for (const std::string_view option : QtOptionsWithValue) {
        if (name == option)
            return Kind::QtOptionWithValue;
    }
    for (const std::string_view flag : QtFlags) {
        if (name == flag)
            return Kind::QtOption;
    }
    return Kind::Unknown;
}

// Whatever was printed must have reached standard output: `--version > /dev/full` fails.
int printed()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "zv-tamsilo: could not write to standard output: %s\n",
                 std::strerror(errno));
    return 1;
}

} // namespace

std::optional<int> answerInformationOption(int argc, const char *const argv[])
{
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--version") {
            std::printf("%s %s\n", ApplicationTitle, TAMSILO_VERSION);
            return printed();
        }
        if (argument == "--help" || argument == "-h") {
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
        switch (kindOf(argument)) {
        case Kind::Unknown:
            std::fprintf(stderr,
                         "zv-tamsilo: unknown option '%s'\n"
                         "Try 'zv-tamsilo --help' for the options it knows.\n",
                         argv[index]);
            return 2;
        case Kind::QtOptionWithValue:
            // The value is Qt's, whatever it looks like.
            if (++index < argc && nameOf(argument) == "platform")
                platformOption = argv[index];
            if (index < argc && nameOf(argument) == "display")
                displayOption = argv[index];
            break;
        case Kind::Plain:
        case Kind::QtOption:
            break;
        }
    }
    return std::nullopt;
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

// What is missing, in the user's terms rather than Qt's plugin names.
void tellMissingDisplay()
{
    const QByteArray platform =
        platformOption.isNull() ? qgetenv("QT_QPA_PLATFORM") : platformOption;
    const QByteArray x11 = displayOption.isNull() ? qgetenv("DISPLAY") : displayOption;
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (!platform.isEmpty()) {
        std::fprintf(stderr,
                     "zv-tamsilo: cannot open a window: Qt's platform '%s' did not start.\n",
                     platform.constData());
    } else if (x11.isEmpty() && wayland.isEmpty()) {
        std::fprintf(stderr, "zv-tamsilo: cannot open a window: no display is set "
                             "(DISPLAY and WAYLAND_DISPLAY are empty).\n");
    } else {
        std::fprintf(stderr, "zv-tamsilo: cannot open a window: the display '%s' did not answer.\n",
                     (x11.isEmpty() ? wayland : x11).constData());
    }
    std::fprintf(stderr,
                 "Start it from a desktop session, or set DISPLAY to a running X server.\n");
}

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        heldBack().append({type, context.category, message});
        return;
    }
    tellMissingDisplay();
    std::fflush(stderr);
    // Not exit(): the half-made application must not be torn down.
    _exit(1);
}

} // namespace

void watchForMissingDisplay()
{
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

const char *chosenPlatform(const char *userPlatform, const char *display, int argc,
                           const char *const argv[])
{
    // Qt takes an empty QT_QPA_PLATFORM as none, and --platform as -platform.
    if ((userPlatform && *userPlatform) || !display || !*display)
        return nullptr;
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "-platform" || argument == "--platform")
            return nullptr;
    }
    return "xcb";
}

QtArguments::QtArguments(int argc, char *argv[]) : m_values(argv, argv + argc), m_count(argc)
{
    static char option[] = "-platform";
    if (const char *platform =
            chosenPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), argc, argv)) {
        m_values.push_back(option);
        // Qt reorders the pointers it is given, and never writes into the texts.
        m_values.push_back(const_cast<char *>(platform));
        m_count += 2;
    }
    m_values.push_back(nullptr);
}

} // namespace CommandLine
