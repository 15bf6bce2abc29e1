#include "common/windowmodel.h"

namespace {
QList<LoadedWindow *> &registry()
{
    static QList<LoadedWindow *> windows;
    return windows;
}
} // namespace

QList<LoadedWindow *> loadedWindows()
{
    return registry();
}

void loadWindow(LoadedWindow &window)
{
    registry().append(&window);
    window.Form_Load();
}

void unloadWindow(LoadedWindow &window)
{
    // Leaving the registry first is what keeps a re-entrant unload from running twice.
    if (!registry().removeOne(&window))
        return;
    window.Form_Unload();
    window.forgetInstance();
    QWidget &widget = window.widget();
    widget.hide();
    // The window may be unloading from inside one of its own handlers.
    widget.deleteLater();
}
