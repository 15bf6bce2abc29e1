#pragma once

// Answers the program's modal message boxes from a test. A short polling timer finds the box
// once it is up and presses a button; a one-shot timer would miss boxes opened by an access
// key, whose click arrives a moment later.

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

class MessageBoxAnswerer : public QObject {
public:
    // Presses `answer` on every box, or the box's only button when it lacks that one.
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageBoxAnswerer() override;

    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    const QList<SeenMessageBox> &seen() const { return m_seen; }
    QStringList texts() const;
    void clear() { m_seen.clear(); }

private:
    void answerOpenBox();

    QTimer m_poll;
    QMessageBox::StandardButton m_answer;
    QList<SeenMessageBox> m_seen;
};
