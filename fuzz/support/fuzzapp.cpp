#include "fuzzapp.h"

#include "widgets/programfont.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

void startFuzzApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the windows it holds must outlive every static of Qt's at exit.
    static auto *app = new QApplication(argc, argv);
    Q_UNUSED(app);
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    useProgramFont();
    static QTemporaryDir settings;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settings.path());
}

MessageBoxCloser::MessageBoxCloser()
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCloser::closeOpenBoxes);
    m_timer.start();
}

void MessageBoxCloser::closeOpenBoxes()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible())
            continue;
        m_texts.append(box->text());
        QAbstractButton *button = box->button(QMessageBox::Ok);
        if (!button)
            button = box->buttons().value(0);
        if (button)
            button->click();
        return;
    }
}

void require(bool holds, const char *what, const QString &detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "FAILED: %s\n%s\n", what, qUtf8Printable(detail));
    std::abort();
}

QString visible(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        if (c >= u' ' && c < QChar(0x7f) && c != u'\\')
            shown += c;
        else
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return shown;
}
