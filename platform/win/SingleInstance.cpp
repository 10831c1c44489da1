#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QByteArray>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

SingleInstanceGuard::~SingleInstanceGuard()
{
    Release();
}

LoginSession LoginSession::Own()
{
    std::string audit;
    std::getline(std::ifstream("/proc/self/sessionid"), audit);
    return Of(::geteuid(), audit, std::getenv("XDG_SESSION_ID"));
}

LoginSession LoginSession::Of(unsigned user, const std::string& auditSession, const char* loginManagerSession)
{
    if (!auditSession.empty() && auditSession != "4294967295")
        return {user, auditSession};
    return {user, loginManagerSession ? loginManagerSession : ""};
}

std::string SingleInstanceGuard::NameFor(const std::string& caption, const LoginSession& session)
{
    QByteArray scoped = QByteArray::number(session.user) + '\0' + QByteArray::fromStdString(session.id) + '\0'
                        + QByteArray::fromStdString(caption);
    QByteArray digest = QCryptographicHash::hash(scoped, QCryptographicHash::Sha256);
    return "vka7410-instance-" + digest.toHex().left(40).toStdString();
}

SingleInstanceGuard::Result SingleInstanceGuard::Acquire(const std::string& caption, const LoginSession& session)
{
    Release();
    error_.clear();
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error_ = std::string("cannot create the instance guard: ") + std::strerror(errno);
        return Failed;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = NameFor(caption, session);
    std::memcpy(address.sun_path + 1, name.data(), name.size());  // sun_path[0] = 0: abstract
    socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0) {
        int error = errno;
        ::close(fd);
        if (error == EADDRINUSE)
            return AlreadyRunning;
        error_ = std::string("cannot take the instance guard: ") + std::strerror(error);
        return Failed;
    }
    fd_ = fd;
    return Acquired;
}

void SingleInstanceGuard::Release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

HANDLE CreateMutexA(void*, BOOL, LPCSTR name)
{
    auto* guard = new SingleInstanceGuard;
    if (!name) {  // an unnamed mutex is never shared
        SetLastError(ERROR_SUCCESS);
        return guard;
    }
    switch (guard->Acquire(name)) {
    case SingleInstanceGuard::Acquired:
        SetLastError(ERROR_SUCCESS);
        return guard;
    case SingleInstanceGuard::AlreadyRunning:
        SetLastError(ERROR_ALREADY_EXISTS);
        return guard;
    case SingleInstanceGuard::Failed:
        break;
    }
    delete guard;
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
}

BOOL CloseHandle(HANDLE handle)
{
    if (!handle) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    delete static_cast<SingleInstanceGuard*>(handle);
    return 1;
}
