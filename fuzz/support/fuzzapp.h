#pragma once

// The application a fuzz target runs its windows in: no display, settings in a folder of
// their own, and every message box answered at once so that none holds up the run.

#include <QObject>
#include <QStringList>
#include <QTimer>

// Call from LLVMFuzzerInitialize; builds the application once.
void startFuzzApplication();

// Presses the only button (or OK) of any message box that comes up, from a timer of zero
// interval, which fires as soon as the box's own event loop waits. Records the texts seen.
class MessageBoxCloser : public QObject {
public:
    MessageBoxCloser();

    const QStringList &texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

private:
    void closeOpenBoxes();

    QTimer m_timer;
    QStringList m_texts;
};

// Stops the run with the message when `holds` is false; the fuzzer keeps the input.
void require(bool holds, const char *what, const QString &detail = QString());

// The text with every character outside printable ASCII written as \uXXXX, for a report.
QString visible(const QString &text);
