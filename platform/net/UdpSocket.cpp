#include "UdpSocket.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/time.h>
#include <sys/socket.h>
#include <unistd.h>

struct UdpSocket::Notifiers {
    QSocketNotifier* read = nullptr;
    QSocketNotifier* write = nullptr;
};

namespace {
void Dispose(QSocketNotifier*& notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    if (QCoreApplication::instance())
        notifier->deleteLater();
    else
        delete notifier;
    notifier = nullptr;
}
}

UdpSocket::UdpSocket() : notifiers_(std::make_unique<Notifiers>()) {}

UdpSocket::~UdpSocket() { Close(); }

bool UdpSocket::Open()
{
    Close();
    // Blocking only for WaitReceiveFrom; every other call passes MSG_DONTWAIT.
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    receiveTimeoutUs_ = 0;
    if (fd_ < 0) {
        lastError_ = errno;
        return false;
    }
    return true;
}

bool UdpSocket::Bind(const UdpEndpoint& local)
{
    sockaddr_in address{};
    local.ToSockaddr(address);
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        lastError_ = fd_ < 0 ? EBADF : errno;
        return false;
    }
    return true;
}

bool UdpSocket::AsyncSelect(HWND window, UINT message, long events)
{
    StopNotifiers();
    if (events == 0)
        return true;
    if (fd_ < 0 || !IsWindow(window) || !QCoreApplication::instance()) {
        lastError_ = fd_ < 0 ? EBADF : EINVAL;
        return false;
    }
    window_ = window;
    message_ = message;
    if (events & FD_READ) {
        auto* notifier = new QSocketNotifier(fd_, QSocketNotifier::Read);
        notifiers_->read = notifier;
        readArmed_ = true;
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this, notifier] {
            if (!readArmed_) {
                // Handed on already and not read since: quiet until the next ReceiveFrom.
                notifier->setEnabled(false);
                return;
            }
            readArmed_ = false;
            DeliverRead();
        });
    }
    if (events & FD_WRITE) {
        auto* notifier = new QSocketNotifier(fd_, QSocketNotifier::Write);
        notifiers_->write = notifier;
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this, notifier] {
            notifier->setEnabled(false);  // until a send finds the buffer full
            Post(FD_WRITE);
        });
    }
    return true;
}

void UdpSocket::Post(long event)
{
    if (!PostMessage(window_, message_, static_cast<WPARAM>(fd_), static_cast<LPARAM>(event)))
        StopNotifiers();  // the window is gone: nobody listens any more
}

void UdpSocket::DeliverRead()
{
    if (!IsWindow(window_)) {
        StopNotifiers();  // the window is gone: nobody listens any more
        return;
    }
    // The notifier stays enabled: a receiver that reads within the message re-arms it
    // without touching the event loop's poll set.
    // The handler may close or delete this socket: nothing of it is touched afterwards.
    SendMessage(window_, message_, static_cast<WPARAM>(fd_), static_cast<LPARAM>(FD_READ));
}

int UdpSocket::ReceiveFrom(void* buffer, int size, UdpEndpoint* from)
{
    return Receive(buffer, size, from, MSG_DONTWAIT);
}

int UdpSocket::WaitReceiveFrom(void* buffer, int size, UdpEndpoint* from, int microseconds)
{
    if (fd_ >= 0 && microseconds > 0 && microseconds != receiveTimeoutUs_) {
        const timeval limit{microseconds / 1000000, microseconds % 1000000};
        if (::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit) != 0) {
            lastError_ = errno;
            return -1;
        }
        receiveTimeoutUs_ = microseconds;
    }
    return Receive(buffer, size, from, microseconds > 0 ? 0 : MSG_DONTWAIT);
}

int UdpSocket::Receive(void* buffer, int size, UdpEndpoint* from, int flags)
{
    if (notifiers_->read) {
        readArmed_ = true;
        notifiers_->read->setEnabled(true);  // no change when it is enabled already
    }
    if (fd_ < 0) {
        lastError_ = EBADF;
        return -1;
    }
    sockaddr_in sender{};
    socklen_t senderLength = sizeof sender;
    ssize_t received;
    do {
        received = ::recvfrom(fd_, buffer, size > 0 ? static_cast<size_t>(size) : 0, flags,
                              reinterpret_cast<sockaddr*>(&sender), &senderLength);
    } while (received < 0 && errno == EINTR);
    if (received < 0) {
        lastError_ = errno;
        return -1;
    }
    if (from)
        *from = UdpEndpoint::FromSockaddr(sender);
    return static_cast<int>(received);
}

int UdpSocket::SendTo(const void* data, int size, const UdpEndpoint& to)
{
    if (fd_ < 0 || size < 0) {
        lastError_ = fd_ < 0 ? EBADF : EINVAL;
        return -1;
    }
    sockaddr_in target{};
    to.ToSockaddr(target);
    ssize_t sent;
    do {
        sent = ::sendto(fd_, data, static_cast<size_t>(size), MSG_DONTWAIT,
                        reinterpret_cast<sockaddr*>(&target), sizeof target);
    } while (sent < 0 && errno == EINTR);
    if (sent < 0) {
        lastError_ = errno;
        if ((errno == EAGAIN || errno == EWOULDBLOCK) && notifiers_->write)
            notifiers_->write->setEnabled(true);
        return -1;
    }
    return static_cast<int>(sent);
}

UdpEndpoint UdpSocket::LocalEndpoint() const
{
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        return UdpEndpoint{};
    return UdpEndpoint::FromSockaddr(local);
}

void UdpSocket::StopNotifiers()
{
    Dispose(notifiers_->read);
    Dispose(notifiers_->write);
    window_ = nullptr;
    message_ = 0;
}

void UdpSocket::Close()
{
    StopNotifiers();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}
