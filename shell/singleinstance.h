#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

// Holds the per-user lock that marks a running copy. A lock left by a copy
// that crashed or was killed, or one whose owner cannot be read, is stale and
// taken over; a lock that cannot be taken at all does not stop the program.
class SingleInstance {
public:
    enum class State {
        OnlyCopy,        // the lock is ours
        AnotherCopyRuns, // a live copy holds it
        Unguarded,       // no lock could be taken: see problem()
    };

    // The lock lives in `folder`: by default the user's runtime folder.
    explicit SingleInstance(const QString &folder = lockFolder());

    State state() const { return m_state; }
    // What is wrong, and where, when the state is Unguarded.
    QString problem() const { return m_problem; }

    // The per-user runtime folder, or else a folder in the user's cache, never
    // a folder that other users can write to.
    static QString lockFolder();

private:
    std::unique_ptr<QLockFile> m_lock;
    State m_state = State::Unguarded;
    QString m_problem;
};
