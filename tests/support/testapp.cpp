#include "testapp.h"

#include "common/modHelp.h"
#include "common/shutdownstate.h"
#include "common/windowmodel.h"
#include "translations/language.h"
#include "widgets/mirroredforms.h"
#include "widgets/programfont.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

void prepareTestApplication()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    useProgramFont();
    mirrorFormsRightToLeft();
    // In English, as a program started on an English desktop: with English's plural forms.
    Language::use(QString());
    useFreshSettings();
}

QString useFreshSettings()
{
    static std::unique_ptr<QTemporaryDir> folder;
    folder = std::make_unique<QTemporaryDir>();
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder->path());
    return folder->path();
}

void resetApplication()
{
    modHelp::EndApplication();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forgetApplicationEnded();
    // Once the program has ended, Qt refuses to run event loops (modal boxes return at once)
    // until the application's own loop has run again.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
