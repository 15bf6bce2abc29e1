#pragma once

// A user who does something at random on whatever is on screen: a click on a control, a key,
// an access key, a menu, the close box, a paste, an answer to a message box; now and then a
// purposeful one, answering a page of the test or sending a referral. Clicks reach the windows
// the way the window system's do, so a modal box blocks the windows under it.

#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

class RandomUser {
public:
    // Each action is described to `note` before it is taken.
    RandomUser(QRandomGenerator &random, std::function<void(const QString &)> note);

    // One action on the menu, box or window the user can reach now.
    void act();

    int answeredBoxes() const { return m_answeredBoxes; }

private:
    void actOnPopup(QMenu &popup);
    void actOnModal(QWidget &modal);
    void actOnWindow(QWidget &window);
    void click(QWidget &window);
    void typeKey(QWidget &target);
    void typeWord(QWidget &target);
    void paste(QWidget &target);
    void pressAccessKey(QWidget &window);
    void chooseMenuItem(QWidget &window);
    void closeWindow(QWidget &window);
    void clickEnabled(QWidget &window, const QString &namePrefix);
    void answerPage(QWidget &window);
    void fillInReferral(QWidget &window);
    QWidget *keyboardTarget(QWidget &window);

    template <class T> const T &pick(const QList<T> &list)
    {
        return list.at(m_random.bounded(qsizetype(list.size())));
    }
    bool chance(int percent) { return int(m_random.bounded(100)) < percent; }

    QRandomGenerator &m_random;
    std::function<void(const QString &)> m_note;
    int m_answeredBoxes = 0;
};
