#include "app/instancelock.h"

#include <QStandardPaths>

InstanceLock::InstanceLock(const QString &path) : m_lock(path)
{
    // Held for the whole run, so age must never make it look stale; a dead holder still does.
    m_lock.setStaleLockTime(0);
}

InstanceLock::Outcome InstanceLock::acquire()
{
    // A lock this copy holds already is still its own (tests start the program more than once).
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return Outcome::FirstInstance;
    return m_lock.error() == QLockFile::LockFailedError ? Outcome::AlreadyRunning
                                                        : Outcome::Unavailable;
}

QString InstanceLock::userLockPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/zv-tamsilo.lock");
}
