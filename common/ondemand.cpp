#include "common/ondemand.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace {

// Beside the executable (the build folder, Windows), where an installation keeps private
// modules, and the folder above (a test program one level down in the build folder).
QStringList placesToLook()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, program + u'/' + QString::fromUtf8(TAMSILO_MODULE_DIR), program + u"/.."_s};
}

QLibrary *loaded(const QString &name)
{
    static QHash<QString, QLibrary *> modules;
    if (QLibrary *module = modules.value(name))
        return module;
    for (const QString &folder : placesToLook()) {
        // Never unloaded: what it drew may still be on the screen when the program ends.
        auto *module = new QLibrary(QDir(folder).filePath(name), qApp);
        if (module->load()) {
            modules.insert(name, module);
            return module;
        }
        delete module;
    }
    return nullptr;
}

} // namespace

namespace OnDemand {

QFunctionPointer resolve(const char *name, const char *symbol)
{
    QLibrary *module = loaded(QString::fromLatin1(name));
    return module ? module->resolve(symbol) : nullptr;
}

} // namespace OnDemand
