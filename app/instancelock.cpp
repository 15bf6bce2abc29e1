#include "app/instancelock.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {
// Far longer than a starting copy takes between making its lock file and writing into it.
constexpr qint64 WriteTimeMs = 5000;
} // namespace

InstanceLock::InstanceLock(const QString &path) : m_path(path), m_lock(path)
{
    // Held for the whole run, so age must never make it look stale; a dead holder still does.
    m_lock.setStaleLockTime(0);
}

InstanceLock::Outcome InstanceLock::acquire()
{
    // A lock this copy holds already is still its own (tests start the program more than once).
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return Outcome::FirstInstance;
    if (m_lock.error() != QLockFile::LockFailedError)
        return Outcome::Unavailable;
    if (!isLeftOver())
        return Outcome::AlreadyRunning;
    {
        // Never a running copy's: take its place. Copies starting together clear it one at a
        // time (the guard Qt uses for its own stale locks), each looking again under the guard.
        QLockFile guard(m_path + ".rmlock"_L1);
        if (!guard.tryLock(0))
            return Outcome::AlreadyRunning;
        if (isLeftOver())
            m_lock.removeStaleLockFile();
    }
    if (m_lock.tryLock(0))
        return Outcome::FirstInstance;
    // Another copy took it first; or something that cannot be removed is in its place, and the
    // program runs without the rule.
    return isLeftOver() ? Outcome::Unavailable : Outcome::AlreadyRunning;
}

bool InstanceLock::isLeftOver() const
{
    // A copy writes its process id into the lock file the moment it makes it; Qt itself takes
    // over a lock whose process has died. What is left is a file that names no process, or
    // something that is not a file at all, neither of which a running copy holds: a copy ended
    // while writing it, or something else was put in its place. It would otherwise keep the
    // program from ever starting again. A file younger than a few seconds may be a copy's that
    // is starting at this very moment, so it still counts as held.
    const QFileInfo file(m_path);
    if (!file.isFile())
        return file.exists() || file.isSymLink();
    if (m_lock.getLockInfo(nullptr, nullptr, nullptr))
        return false;
    const qint64 age = file.lastModified().msecsTo(QDateTime::currentDateTime());
    return age > WriteTimeMs || age < -WriteTimeMs;
}

QString InstanceLock::userLockPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/zv-tamsilo.lock");
}
