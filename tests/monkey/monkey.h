#pragma once

// Runs the program in this process under a random user for a number of steps, checking its
// rules before every step: the windows on screen are those of one state of the program, which
// only moves on as the program allows; a test never counts more than four answers; only the
// program's own addresses are opened; the settings hold nothing but the reminder's date. When
// the program ends it is started again, as a new process would be.

#include "programstate.h"
#include "randomuser.h"

#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QStringList>

#include <array>

class OpenedUrls;
class QEventLoop;
class QUrl;
class QWidget;

class Monkey : public QObject {
public:
    Monkey(quint32 seed, int steps, OpenedUrls &urls);
    ~Monkey() override;

    // Runs until the steps are done or a rule is broken; the program is ended afterwards.
    void run();

    // Empty while every rule held; else the rule, the step and the actions that led to it.
    QString failure() const { return m_failure; }
    int steps() const { return m_steps; }
    int starts() const { return m_starts; }
    int answeredBoxes() const { return m_user.answeredBoxes(); }
    int results() const { return m_results; }
    int opened() const;
    int referrals() const { return m_referrals; }
    // Steps taken in each state, Starting to Ended.
    QString stepsPerState() const;

private:
    void startProgram();
    void scheduleStep();
    void step(int generation);
    void fail(const QString &what);
    void note(const QString &action);
    ProgramState currentState(const QList<QWidget *> &visible);
    void checkRules();
    void checkOpened(const QUrl &url);
    void checkSettings();
    bool chance(int percent) { return int(m_random.bounded(100)) < percent; }

    QRandomGenerator m_random;
    RandomUser m_user;
    const int m_target;
    OpenedUrls &m_urls;
    int m_steps = 0;
    int m_starts = 0;
    int m_results = 0;
    int m_referrals = 0;
    int m_generation = 0;
    bool m_running = false;
    bool m_starting = false;
    bool m_resultCounted = false;
    ProgramState m_state = ProgramState::Starting;
    std::array<int, 5> m_stepsIn{};
    QEventLoop *m_loop = nullptr;
    QString m_failure;
    QStringList m_recent;
};
