#pragma once

// The life of a window: not loaded, loaded and hidden, or loaded and visible.
//
// Every window of the program derives from Form<Window, QtBase>. Touching a window through
// Window::get() loads it if it is not loaded (its constructor builds it exactly as designed,
// then Form_Load runs). Hiding keeps its controls and their contents. Unloading runs
// Form_Unload, forgets the instance and discards the widgets, so the next get() builds a fresh
// window. The close box unloads the window too. Loaded windows are remembered in load order,
// which is the order the shutdown walks them in.

#include <QCloseEvent>
#include <QList>
#include <QWidget>

class LoadedWindow {
public:
    virtual ~LoadedWindow() = default;
    virtual QWidget &widget() = 0;

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

private:
    virtual void forgetInstance() = 0;

    friend void loadWindow(LoadedWindow &window);
    friend void unloadWindow(LoadedWindow &window);
};

// The loaded windows, oldest load first.
QList<LoadedWindow *> loadedWindows();

// Registers a freshly built window and runs its Form_Load.
void loadWindow(LoadedWindow &window);

// Runs Form_Unload and discards the window. A window is unloaded at most once; unloading a
// window that is no longer loaded does nothing.
void unloadWindow(LoadedWindow &window);

template <class Window, class QtBase> class Form : public QtBase, public LoadedWindow {
public:
    static Window &get()
    {
        if (!s_instance) {
            s_instance = new Window;
            loadWindow(*s_instance);
        }
        return *s_instance;
    }
    static bool isLoaded() { return s_instance != nullptr; }
    static void unload()
    {
        if (s_instance)
            unloadWindow(*s_instance);
    }

    QWidget &widget() override { return *this; }

protected:
    Form() = default;

    void closeEvent(QCloseEvent *event) override
    {
        event->accept();
        unloadWindow(*this);
    }

private:
    void forgetInstance() override
    {
        if (s_instance == this)
            s_instance = nullptr;
    }

    inline static Window *s_instance = nullptr;
};
