#pragma once
// One running program owns a data folder at a time. Two copies saving the same journal would
// each write their own records over the other's, so the second one must not touch a file.
//
// The lock is an advisory flock() on ".kinetrax.lock" in the folder, held for the owner's
// lifetime. The kernel releases it when the process ends in any way (kill -9 and power loss
// included), so a lock is never left stale; the file itself stays and only names the last owner.
// The command-line front end takes the same lock, so it never writes beside a running window.

#include <filesystem>
#include <string>
#include <vector>

namespace kt {

inline constexpr char kLockFileName[] = ".kinetrax.lock";

class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;

    enum class Result {
        Acquired,     // this process owns the folder now
        HeldByOther,  // another process holds it; `Owner()` says which, when it told
        Failed,       // the lock file could not be opened (no folder, no permission): no lock
    };
    // Tries once, without waiting. `who` is written into the lock file ("kinetrax 1234") for
    // the message a later second start shows.
    Result Acquire(const std::filesystem::path& folder, const std::string& who);
    void Release();
    bool Held() const { return m_fd >= 0; }

    // What the holder wrote into the lock file (after HeldByOther), e.g. "kinetrax 1234".
    const std::string& Owner() const { return m_owner; }
    // errno of a Failed attempt.
    int Error() const { return m_error; }

private:
    int m_fd = -1;
    std::string m_owner;
    int m_error = 0;
};

// Deletes the temporary files an interrupted atomic save left in `folder` (names ending in
// ".kt-tmp-" and ten lower-case letters or digits). Call it only while holding the folder's lock:
// then no writer of ours can still be using one. Returns the names removed.
std::vector<std::string> RemoveStaleTempFiles(const std::filesystem::path& folder);

}  // namespace kt
