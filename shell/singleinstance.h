#pragma once
#include <QLockFile>
#include <memory>

// Holds the per-user lock that marks a running copy. A lock left by a copy
// that crashed or was killed is recognised as stale and taken over.
class SingleInstance {
public:
    SingleInstance();
    bool isOnlyCopy() const { return m_acquired; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = false;
};
