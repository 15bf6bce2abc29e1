#pragma once

// One copy of the program per user: the first copy holds a lock file in the user's runtime
// folder for as long as it runs. A lock left behind by a copy that was killed is taken over.

#include <QLockFile>
#include <QString>

class InstanceLock {
public:
    enum class Outcome {
        FirstInstance,
        AlreadyRunning,
        // No lock could be made (no runtime folder, or one we may not write to); the program
        // runs rather than refuse to start.
        Unavailable,
    };

    explicit InstanceLock(const QString &path);
    Outcome acquire();

    // The lock file of this user's copies.
    static QString userLockPath();

private:
    QLockFile m_lock;
};
