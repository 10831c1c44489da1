#pragma once
// One running module per device: a guard named from the window caption (for example
// "VKA-7410 : 10.0.0.1"). The guard is a socket bound to a name in the abstract
// Unix-socket namespace derived from a hash of the caption, so the caption never
// becomes a file path and the kernel releases the guard when the process ends, however
// it ends. The descriptor is close-on-exec: programs the module starts do not keep it.
#include "WinTypes.h"

#include <string>

class SingleInstanceGuard {
public:
    enum Result { Acquired, AlreadyRunning, Failed };

    SingleInstanceGuard() = default;
    ~SingleInstanceGuard();  // releases the guard
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    Result Acquire(const std::string& caption);
    void Release();
    bool Held() const { return fd_ >= 0; }
    const std::string& Error() const { return error_; }

    // The abstract socket name used for a caption (without the leading NUL).
    static std::string NameFor(const std::string& caption);

private:
    int fd_ = -1;
    std::string error_;
};

// CreateMutexA-shaped: returns a handle; GetLastError() is ERROR_ALREADY_EXISTS when
// another process (or this one) holds the name, in which case the handle holds nothing.
// Null with GetLastError() set when the guard cannot be created. The ownership flag
// and security attributes are accepted and ignored.
HANDLE CreateMutexA(void* security, BOOL initialOwner, LPCSTR name);
// Releases a handle from CreateMutexA (the guard, when it held it).
BOOL CloseHandle(HANDLE handle);
