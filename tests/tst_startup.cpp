// Start-up: the single-copy rule, the order of the first steps, and the promotional label.

#include "app/commandline.h"
#include "app/instancelock.h"
#include "app/modStartup.h"
#include "common/apprandom.h"
#include "common/modHelp.h"
#include "common/reminderdate.h"
#include "common/windowmodel.h"
#include "messageboxes.h"
#include "openedurls.h"
#include "shapetest/frmMain.h"
#include "testapp.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLocalServer>
#include <QScopeGuard>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {
void storeReminderValue(const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, u"ZVFreeTamsilo"_s);
    settings.setValue(u"Settings/"_s + modHelp::ScrambleSetting(u"Duration"_s), value);
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareTestApplication();
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void init() { m_settings = useFreshSettings(); }
    void cleanup() { resetApplication(); }

    void oneLockPerPath()
    {
        const QString path = m_runtime.filePath(u"one.lock"_s);
        InstanceLock first(path);
        QCOMPARE(first.acquire(), InstanceLock::Outcome::FirstInstance);
        InstanceLock second(path);
        QCOMPARE(second.acquire(), InstanceLock::Outcome::AlreadyRunning);
        QCOMPARE(first.acquire(), InstanceLock::Outcome::FirstInstance);
    }

    void aLockThatCannotBeMadeLetsTheProgramRun()
    {
        QFile plainFile(m_runtime.filePath(u"not-a-folder"_s));
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
        InstanceLock lock(plainFile.fileName() + u"/zv-tamsilo.lock"_s);
        QCOMPARE(lock.acquire(), InstanceLock::Outcome::Unavailable);
    }

    void theLockLivesInTheUsersRuntimeFolder()
    {
        QCOMPARE(InstanceLock::userLockPath(), m_runtime.filePath(u"zv-tamsilo.lock"_s));
    }

    // Each row: DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM (null: unset) and the arguments, where
    // "live-x", "dead-x", "tcp-x", "gone-tcp", "live-wl" and "dead-wl" stand for displays that do
    // or do not answer; then the -platform handed to Qt and what is said should Qt open nothing.
    void theProgramOpensAWindowSystemThatAnswers_data()
    {
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("said");
        const QString silent = u"the display 'dead-x' did not answer"_s;
        const QString none = u"no display is set"_s;
        const auto row = [](const char *name, QStringList line, const char *platform,
                            const QString &said) {
            QTest::newRow(name) << line << QString::fromLatin1(platform) << said;
        };
        row("X answers", {u"live-x"_s, u"live-wl"_s, {}}, "xcb", u"display 'live-x'"_s);
        row("X by TCP", {u"tcp-x"_s, u"live-wl"_s, {}}, "xcb", u"display 'tcp-x'"_s);
        row("X by TCP silent", {u"gone-tcp"_s, u"live-wl"_s, {}}, "wayland",
            u"the display 'gone-tcp' did not answer"_s);
        row("X silent, Wayland answers", {u"dead-x"_s, u"live-wl"_s, {}}, "wayland", silent);
        row("neither answers", {u"dead-x"_s, u"dead-wl"_s, {}}, "xcb", silent);
        row("no X, Wayland answers", {u""_s, u"live-wl"_s, {}}, "wayland", u"display 'live-wl'"_s);
        row("nothing set", {u""_s, u""_s, {}}, "", none);
        row("QT_QPA_PLATFORM", {u"dead-x"_s, u"live-wl"_s, u"xcb"_s}, "", u"platform 'xcb'"_s);
        row("empty QT_QPA_PLATFORM", {u"dead-x"_s, u"live-wl"_s, u""_s}, "wayland", silent);
        row("-platform", {u"dead-x"_s, u"live-wl"_s, {}, u"-platform"_s, u"xcb"_s}, "xcb",
            u"platform 'xcb'"_s);
        row("--platform=", {u"live-x"_s, u""_s, {}, u"--platform=wayland"_s}, "wayland",
            u"platform 'wayland'"_s);
        row("-display answers", {u"dead-x"_s, u"live-wl"_s, {}, u"-display"_s, u"live-x"_s}, "xcb",
            u"display 'live-x'"_s);
        row("-display silent", {u"live-x"_s, u"live-wl"_s, {}, u"-display"_s, u"dead-x"_s},
            "wayland", silent);
        row("a title like -platform",
            {u"dead-x"_s, u"live-wl"_s, {}, u"-qwindowtitle"_s, u"-platform"_s}, "wayland", silent);
    }
    void theProgramOpensAWindowSystemThatAnswers()
    {
        QFETCH(QStringList, line);
        QFETCH(QString, platform);
        QFETCH(QString, said);
        const QList<QByteArray> variables{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
        QList<QByteArray> before;
        for (const QByteArray &variable : variables)
            before.append(qEnvironmentVariableIsSet(variable) ? qgetenv(variable) : QByteArray());
        const auto restore = qScopeGuard([&] {
            for (qsizetype i = 0; i < variables.size(); ++i)
                before[i].isNull() ? qunsetenv(variables[i]) : qputenv(variables[i], before[i]);
        });
        QHash<QString, QString> displays;
        QLocalServer x, unused;
        for (QLocalServer *server : {&x, &unused})
            server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
        for (int n = 400; displays.size() < 2; ++n) {
            const QString socket = u"/tmp/.X11-unix/X"_s + QString::number(n);
            if (!QFile::exists(socket) && (displays.isEmpty() ? x : unused).listen(socket))
                displays.insert(displays.isEmpty() ? u"live-x"_s : u"dead-x"_s, u":%1"_s.arg(n));
        }
        unused.close();
        QTcpServer tcp, gone;
        for (int n = 400; !gone.isListening(); ++n) {
            if ((tcp.isListening() ? gone : tcp).listen(QHostAddress::LocalHost, quint16(6000 + n)))
                displays.insert(gone.isListening() ? u"gone-tcp"_s : u"tcp-x"_s,
                                u"127.0.0.1:%1"_s.arg(n));
        }
        gone.close();
        QLocalServer wayland;
        QVERIFY(wayland.listen(m_runtime.filePath(u"wayland-live"_s)));
        displays.insert(u"live-wl"_s, u"wayland-live"_s);
        displays.insert(u"dead-wl"_s, u"wayland-gone"_s);
        QList<QByteArray> arguments{"zv-tamsilo"};
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QByteArray value = displays.value(line[i], line[i]).toLocal8Bit();
            if (i >= variables.size())
                arguments.append(value);
            else if (line[i].isNull())
                qunsetenv(variables[i]);
            else
                qputenv(variables[i], value);
        }
        for (auto [token, display] : displays.asKeyValueRange())
            said.replace(token, display);
        std::vector<char *> argv;
        for (QByteArray &argument : arguments)
            argv.push_back(argument.data());
        CommandLine::Arguments parsed(int(argv.size()), argv.data());
        QVERIFY(!parsed.answerInformationOption());
        const QList<QByteArray> toQt(parsed.values(), parsed.values() + parsed.count());
        const qsizetype option = toQt.lastIndexOf("-platform");
        QCOMPARE(option < 0 ? QString() : QString::fromLocal8Bit(toQt.value(option + 1)), platform);
        QVERIFY2(parsed.missingDisplayMessage().contains(said.toLocal8Bit()),
                 parsed.missingDisplayMessage());
    }

    void onlyOptionsTheProgramOrQtKnowsAreTaken_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<int>("status"); // -1: the program starts
        QTest::newRow("unknown") << QByteArrayList{"--bogus"} << 2;
        QTest::newRow("a value missing") << QByteArrayList{"-platform"} << 2;
        QTest::newRow("a value not wanted") << QByteArrayList{"-reverse=1"} << 2;
        QTest::newRow("Qt's, with =") << QByteArrayList{"-style=fusion", "--reverse"} << -1;
        QTest::newRow("a file name") << QByteArrayList{"notes.txt"} << -1;
    }
    void onlyOptionsTheProgramOrQtKnowsAreTaken()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(int, status);
        arguments.prepend("zv-tamsilo");
        std::vector<char *> argv;
        for (QByteArray &argument : arguments)
            argv.push_back(argument.data());
        QCOMPARE(CommandLine::Arguments(int(argv.size()), argv.data())
                     .answerInformationOption()
                     .value_or(-1),
                 status);
    }
    // Runs before a copy of the program holds the lock in this process.
    void aSecondCopySaysSoAndEnds()
    {
        InstanceLock running(InstanceLock::userLockPath());
        QCOMPARE(running.acquire(), InstanceLock::Outcome::FirstInstance);
        MessageBoxAnswerer boxes;
        modStartup::StartApplication();
        QCOMPARE(boxes.texts(), QStringList{u"Application is already running"_s});
        QCOMPARE(boxes.seen().first().title, u"ZV Tamsilo"_s);
        QCOMPARE(boxes.seen().first().icon, QMessageBox::Information);
        QVERIFY(modHelp::applicationEnded());
        QVERIFY(!frmMain::isLoaded());
    }

    void theFirstCopyShowsTheWelcomeWindowAndHoldsTheLock()
    {
        MessageBoxAnswerer boxes;
        modStartup::StartApplication();
        const qsizetype windowsAtStart = QApplication::topLevelWidgets().size();
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(frmMain::get().isVisible());
        QVERIFY(!modHelp::applicationEnded());
        InstanceLock other(InstanceLock::userLockPath());
        QCOMPARE(other.acquire(), InstanceLock::Outcome::AlreadyRunning);
        const int drawn = modStartup::coBrandRandomNumber();
        QVERIFY(drawn >= 1 && drawn <= 6);
        // What start-up prepares once the window is up keeps the first start's date, then loads
        // no other window and leaves none.
        const QString settingsFile = m_settings + u"/ZVFreeTamsilo.conf"_s;
        QVERIFY(!QFileInfo::exists(settingsFile));
        QTRY_VERIFY(QFileInfo::exists(settingsFile));
        QCOMPARE(loadedWindows(), QList<LoadedWindow *>{&frmMain::get()});
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsAtStart);
    }

    void theFirstStartKeepsItsDateHoweverSoonItEnds()
    {
        modStartup::StartApplication();
        modHelp::EndApplication();
        QVERIFY(QFileInfo::exists(m_settings + u"/ZVFreeTamsilo.conf"_s));
    }

    void theReminderAsksBeforeTheWelcomeWindowComesUp_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<int>("pagesOpened");
        QTest::newRow("Yes") << QMessageBox::Yes << 1;
        QTest::newRow("No") << QMessageBox::No << 0;
    }

    void theReminderAsksBeforeTheWelcomeWindowComesUp()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(int, pagesOpened);
        const QDate lastReminder = QDate::currentDate().addDays(-20);
        storeReminderValue(modHelp::ScrambleSetting(ReminderDate::dateText(lastReminder)));
        MessageBoxAnswerer boxes(answer);
        bool welcomeLoadedDuringQuestion = true;
        boxes.setBeforeAnswer(
            [&](QMessageBox &) { welcomeLoadedDuringQuestion = frmMain::isLoaded(); });
        OpenedUrls opened;
        modStartup::StartApplication();
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(!welcomeLoadedDuringQuestion);
        QVERIFY(frmMain::get().isVisible());
        QCOMPARE(opened.addresses().size(), pagesOpened);
    }

    void aReminderThatCannotRunStillShowsTheWelcomeWindow_data()
    {
        QTest::addColumn<bool>("unreadableStore");
        QTest::newRow("stored value not a date") << false;
        QTest::newRow("settings store unreadable") << true;
    }

    void aReminderThatCannotRunStillShowsTheWelcomeWindow()
    {
        QFETCH(bool, unreadableStore);
        if (unreadableStore)
            QVERIFY(QDir().mkpath(m_settings + u"/ZVFreeTamsilo.conf"_s));
        else
            storeReminderValue(u"garbage"_s);
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        modStartup::StartApplication();
        QVERIFY(boxes.seen().isEmpty());
        QVERIFY(frmMain::get().isVisible());
    }

    void eachPromotionalLabelIsInFrontAboutHalfTheTime()
    {
        frmMain &window = frmMain::get();
        window.show();
        auto *coBrand = window.findChild<QLabel *>(u"lblCobrand"_s);
        const QPoint middle = coBrand->geometry().center();
        QWidget *strip = coBrand->parentWidget();
        AppRandom::seedRepeatably(2026);
        const int draws = 2000;
        int coBrandInFront = 0;
        QList<int> seen(7);
        for (int i = 0; i < draws; ++i) {
            modStartup::CoBrand_Randomize();
            const int n = modStartup::coBrandRandomNumber();
            ++seen[n];
            const bool odd = n % 2 == 1;
            QCOMPARE(strip->childAt(middle) == coBrand, odd);
            coBrandInFront += odd;
        }
        // Five standard deviations either side of 1000.
        QVERIFY2(coBrandInFront > 888 && coBrandInFront < 1112,
                 qPrintable(QString::number(coBrandInFront)));
        for (int n = 1; n <= 6; ++n)
            QVERIFY2(seen[n] > 200, qPrintable(QString::number(n)));
    }

private:
    QTemporaryDir m_runtime;
    QString m_settings;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
