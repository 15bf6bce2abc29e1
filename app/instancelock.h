#pragma once

// One copy of the program per user: the first copy holds a lock file in the user's runtime
// folder for as long as it runs. A lock left behind by a copy that was killed is taken over, and
// so is a lock file that no copy can be holding (empty, unreadable, or not a file at all).

#include <QLockFile>
#include <QString>

class InstanceLock {
public:
    enum class Outcome {
        FirstInstance,
        AlreadyRunning,
        // No lock could be made (no runtime folder, one we may not write to, or something in
        // the lock's place that cannot be removed); the program runs rather than refuse to start.
        Unavailable,
    };

    explicit InstanceLock(const QString &path);
    Outcome acquire();
    // Gives up the lock if this copy holds it.
    void release() { m_lock.unlock(); }

    // The lock file of this user's copies.
    static QString userLockPath();

private:
    bool isLeftOver() const;

    QString m_path;
    QLockFile m_lock;
};
