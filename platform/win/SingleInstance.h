#pragma once
// One running module per device in a login session: a guard named from the window
// caption (for example "VKA-7410 : 10.0.0.1") within the user's own login session, as a
// named mutex is. The guard is a socket bound to a name in the abstract Unix-socket
// namespace derived from a hash of the session and the caption, so the caption never
// becomes a file path and the kernel releases the guard when the process ends, however
// it ends. The descriptor is close-on-exec: programs the module starts do not keep it.
#include "WinTypes.h"

#include <string>

// The login session whose modules share guards: its user and the session's id.
struct LoginSession {
    unsigned user = 0;
    std::string id;  // "" where no session is known: then all of the user's share guards

    // This process's: its effective user, and the session Of() tells from the kernel's
    // audit session (/proc/self/sessionid) and $XDG_SESSION_ID.
    static LoginSession Own();
    // The kernel's audit session is set once at login and inherited by all the login
    // starts, whatever the environment says: it comes first. Unset (4294967295, as for
    // services and containers started outside a login) or unreadable, the session the
    // login manager named counts. With neither, the id is "": one guard for all of the
    // user's sessions still refuses a second module for a device, and no other user's
    // module counts.
    static LoginSession Of(unsigned user, const std::string& auditSession, const char* loginManagerSession);
};

class SingleInstanceGuard {
public:
    enum Result { Acquired, AlreadyRunning, Failed };

    SingleInstanceGuard() = default;
    ~SingleInstanceGuard();  // releases the guard
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    Result Acquire(const std::string& caption, const LoginSession& session = LoginSession::Own());
    void Release();
    bool Held() const { return fd_ >= 0; }
    const std::string& Error() const { return error_; }

    // The abstract socket name used for a caption in a session (without the leading NUL).
    static std::string NameFor(const std::string& caption, const LoginSession& session = LoginSession::Own());

private:
    int fd_ = -1;
    std::string error_;
};

// CreateMutexA-shaped: returns a handle; GetLastError() is ERROR_ALREADY_EXISTS when
// another process of this login session (or this one) holds the name, in which case the handle holds nothing.
// Null with GetLastError() set when the guard cannot be created. The ownership flag
// and security attributes are accepted and ignored.
HANDLE CreateMutexA(void* security, BOOL initialOwner, LPCSTR name);
// Releases a handle from CreateMutexA (the guard, when it held it).
BOOL CloseHandle(HANDLE handle);
