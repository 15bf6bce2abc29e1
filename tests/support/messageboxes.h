#pragma once

// Answers the program's modal message boxes from a test. A short polling timer finds the box
// once it is up and presses a button; a one-shot timer would miss boxes opened by an access
// key, whose click arrives a moment later.

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

#include <functional>

struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QWidget *owner;
};

class MessageBoxAnswerer : public QObject {
public:
    // Presses `answer` on every box, or the box's only button when it lacks that one.
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageBoxAnswerer() override;

    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    // Runs while a box is up, just before it is answered.
    void setBeforeAnswer(std::function<void(QMessageBox &)> action) { m_beforeAnswer = action; }
    const QList<SeenMessageBox> &seen() const { return m_seen; }
    QStringList texts() const;
    void clear() { m_seen.clear(); }

private:
    void answerOpenBox();

    QTimer m_poll;
    QMessageBox::StandardButton m_answer;
    std::function<void(QMessageBox &)> m_beforeAnswer;
    QList<SeenMessageBox> m_seen;
};
