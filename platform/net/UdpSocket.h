#pragma once
// A non-blocking IPv4 UDP socket whose readiness arrives as a window message, in
// the manner of WSAAsyncSelect: after AsyncSelect(window, msg, FD_READ | FD_WRITE)
// the window receives `msg` with WParam = the socket handle and LParam = the event
// (low word) and an error code (high word, 0 here).
//  - FD_READ comes once when data waits; it comes again only after the next
//    ReceiveFrom (which re-arms it), so a slow receiver is never flooded. It is handed
//    to the window straight from the event loop's readiness check (no posted event):
//    a receiver that reads at once costs no event-loop round of its own per datagram.
//  - FD_WRITE is posted once when the socket becomes writable after AsyncSelect, and
//    again only after a SendTo that failed because the send buffer was full.
// Messages arrive on the GUI thread from the Qt event loop, never inside a call of
// this class. WaitReceiveFrom is the one call that may wait, for a bounded moment. The socket never sets SO_REUSEADDR: a second bind to a port in use fails.
#include "UdpEndpoint.h"
#include "WindowMessages.h"

#include <memory>

constexpr long FD_READ = 0x01;
constexpr long FD_WRITE = 0x02;

inline long SelectEvent(LPARAM lParam) { return static_cast<long>(lParam & 0xFFFF); }
inline int SelectError(LPARAM lParam) { return static_cast<int>((lParam >> 16) & 0xFFFF); }

class UdpSocket {
public:
    UdpSocket();
    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    // Creates the socket (closing any earlier one). False on failure, see LastError.
    bool Open();
    // Binds to the local endpoint; address 0 is any, port 0 a free port.
    bool Bind(const UdpEndpoint& local);
    // Asks for FD_READ / FD_WRITE notifications as `message` to `window`; events 0
    // stops them. Needs a running QCoreApplication.
    bool AsyncSelect(HWND window, UINT message, long events);
    // One datagram into `buffer`; its length (a longer one is cut), or -1 when none
    // waits or on error. Re-enables FD_READ notification.
    int ReceiveFrom(void* buffer, int size, UdpEndpoint* from);
    // As ReceiveFrom, but when no datagram waits yet it waits up to `microseconds`
    // (rounded up to the kernel's timer tick) for one; -1 when none came.
    int WaitReceiveFrom(void* buffer, int size, UdpEndpoint* from, int microseconds);
    // Sends one datagram; the bytes sent or -1.
    int SendTo(const void* data, int size, const UdpEndpoint& to);
    void Close();

    bool IsOpen() const { return fd_ >= 0; }
    int Handle() const { return fd_; }
    // The bound address and port (port 0 when unbound or closed).
    UdpEndpoint LocalEndpoint() const;
    // errno of the last failed call.
    int LastError() const { return lastError_; }

private:
    struct Notifiers;
    void StopNotifiers();
    void Post(long event);
    void DeliverRead();
    int Receive(void* buffer, int size, UdpEndpoint* from, int flags);

    int fd_ = -1;
    int lastError_ = 0;
    HWND window_ = nullptr;
    UINT message_ = 0;
    std::unique_ptr<Notifiers> notifiers_;
    bool readArmed_ = true;  // the next readiness may be handed on
    int receiveTimeoutUs_ = 0;  // SO_RCVTIMEO as last set; 0 is none
};
