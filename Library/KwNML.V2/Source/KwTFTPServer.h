#pragma once
// The TFTP server through which the maintenance forms move files between the PC and
// the device: read and write requests, octet transfers in 512-byte blocks, one
// session (with its own port) per request. Everything runs on the GUI thread: the
// listening socket's readiness arrives as window message 33200, and a 20 ms check
// retransmits, times out and disposes of sessions while the server is started.
//
// Requests are bounded: at most MaxSessions listed sessions, MaxSessionsPerAddress of
// them for one requesting address (finished uploads that linger give way to a new
// request); a request beyond that, or naming a transfer mode
// TFTP does not define, is refused with an ERROR from the listening port and opens
// nothing. A request from the address and port of a running session is a repeat of
// that transfer, never a second one. The owner may decide on every new request
// (SetOnRequest): a refused one gets its ERROR at once and opens nothing.
//
// Use: construct with the form as owner; SetTimeout; SetOnStatus; Start(folder, 69);
// Start again with another folder to serve that one; Stop when the form closes.
// Deleting the server ends its sessions at once and calls no handler any more: the
// peer of each transfer still under way gets an ERROR (as for EndSession).
#include "Classes.h"
#include "KwTFTPMsg.h"
#include "KwTFTPSession.h"
#include "UdpSocket.h"

#include <functional>
#include <memory>
#include <vector>

class QTimer;

constexpr UINT WM_TFTP_SERVER = 33200;

// Decides on a new request (the record of the session it would become): 0 serves it,
// a TFTP error code refuses it with that ERROR.
using KwTFTPRequestFilter = std::function<int(const KwTFTPMsg& Request)>;

class KwTFTPServer : public TComponent {
public:
    explicit KwTFTPServer(TComponent* Owner);
    ~KwTFTPServer() override;

    // Time-out in 10 ms units for later sessions; transmissions allowed per DATA block
    // (the first included), read at every check.
    void SetTimeout(int Timeout, int Retries);
    void SetOnStatus(KwTFTPStatusEvent OnStatus);
    void SetOnRequest(KwTFTPRequestFilter OnRequest);
    // Ends the running session `SessionNumber` at once: an ERROR tells its peer, the
    // session reports -1114 and leaves the list.
    void EndSession(int SessionNumber);
    // Serves `RootDirectory` on UDP `Port` (0 picks a free port, see ServerPort). A
    // running server only changes its folder and keeps its port. An empty folder
    // serves nothing.
    // Throws Exception with the text of -1109 when the port cannot be opened.
    void Start(const AnsiString& RootDirectory, int Port);
    // Closes the listening socket and waits up to 10000 ms, pumping messages, for the
    // running sessions; sessions still running then stay listed.
    void Stop();
    // Whether a running session equals the request (IsSame).
    bool FindSession(const KwTFTPMsg& Request);
    // Reads one datagram from the listening socket.
    void ReadRequest();
    // The 20 ms check.
    void CheckSessions();
    void Dispatch(TMessage& Message);

    // Only this local address is listened on and answered from (default: any).
    void SetListenAddress(const AnsiString& dottedAddress);

    bool Started() const { return Listener_.IsOpen(); }
    const AnsiString& RootDirectory() const { return RootDirectory_; }
    int RetryLimit() const { return RetryLimit_; }
    // The template of the next session.
    const KwTFTPMsg& Template() const { return Msg_; }
    int SessionCount() const { return static_cast<int>(Sessions_.size()); }
    int RunningSessionCount() const;

    static constexpr int StopWaitMs = 10000;
    static constexpr int MaxSessions = 32;
    static constexpr int MaxSessionsPerAddress = 8;
    static constexpr int CheckIntervalMs = 20;

private:
    std::shared_ptr<_TFTPSession> FindRunningSession(const KwTFTPMsg& Request) const;
    std::shared_ptr<_TFTPSession> RunningSessionOf(const UdpEndpoint& peer) const;
    // Takes the sessions that have ended (and no longer linger) out of the list.
    std::vector<std::shared_ptr<_TFTPSession>> TakeEndedSessions(std::int64_t now);
    // Takes out the finished sessions that still linger: those of the address, or all
    // when the list is full.
    std::vector<std::shared_ptr<_TFTPSession>> ReleaseFinishedSessions(const AnsiString& clientAddress);
    bool HasRoomFor(const AnsiString& clientAddress) const;
    void RefuseRequest(const UdpEndpoint& peer, int errorCode);
    void RemoveSession(const std::shared_ptr<_TFTPSession>& session);
    void CloseListener();

    KwTFTPMsg Msg_;
    int RetryLimit_ = 3;
    KwTFTPStatusEvent OnStatus_;
    KwTFTPRequestFilter OnRequest_;
    AnsiString RootDirectory_;
    std::uint32_t ListenAddress_ = 0;
    UdpSocket Listener_;
    HWND Window_ = nullptr;
    QTimer* Timer_ = nullptr;
    std::vector<std::shared_ptr<_TFTPSession>> Sessions_;
    // Cleared by the destructor, so a handler that deletes the server mid-call is safe.
    std::shared_ptr<bool> Alive_ = std::make_shared<bool>(true);
};
