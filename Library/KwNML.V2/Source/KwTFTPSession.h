#pragma once
// One TFTP transfer that the server accepted: it answers the requester from a UDP
// socket of its own (socket readiness arrives as window message 33199), reads or
// writes the file in 512-byte blocks and reports every change of status.
//
// Rules it keeps:
//  - only datagrams from the requester's address and port drive the transfer; others
//    get ERROR 5 and change nothing;
//  - only the expected block counts; block numbers roll over after 65535;
//  - a repeated DATA is acknowledged again, a repeated request answered again;
//  - the requested name must be a plain file name inside a non-empty root;
//  - a received file replaces the target only when complete;
//  - a read or write failure ends with an ERROR packet and an error status;
//  - an ERROR packet from the peer ends the transfer with -1101 minus its code;
//  - a write never retransmits: it waits one time-out for the next DATA (the peer
//    repeats a lost DATA within it), and a peer that stops sending ends it then;
//  - a finished write stays RetryLimit time-outs to acknowledge a repeated last block,
//    in case the peer lost the last ACK.
// On a fast link (the peer answered within QuickRoundTripUs) the session waits a moment
// for the peer's next packet right after answering, instead of a round through the event
// loop per block; at most BurstBlocks packets or BurstUs in a row, so the loop keeps its turn.
// Sessions are held by shared_ptr: every entry point keeps the session alive while the
// status handler runs, whatever the handler does to the server.
#include "KwTFTPFiles.h"
#include "KwTFTPMsg.h"
#include "KwTFTPPacket.h"
#include "UdpSocket.h"
#include "WindowMessages.h"

#include <cstdint>
#include <memory>

constexpr UINT WM_TFTP_SESSION = 33199;

// Milliseconds of a monotonic clock, never 0.
std::int64_t KwTFTPTickCount();

class _TFTPSession : public std::enable_shared_from_this<_TFTPSession> {
public:
    enum SessionState { Failed = 0, Running = 1, Finished = 2 };

    // Copies the request, reports status 1 and opens the session's socket on
    // `localAddress` (0 is any) and a free port; -1109 when that fails.
    _TFTPSession(const AnsiString& RootDirectory, KwTFTPStatusEvent OnStatus,
                 const KwTFTPMsg& Request, const UdpEndpoint& Requester,
                 std::uint32_t localAddress = 0);
    // Closes the socket (an unfinished upload is discarded) and reports status 0.
    ~_TFTPSession();
    _TFTPSession(const _TFTPSession&) = delete;
    _TFTPSession& operator=(const _TFTPSession&) = delete;

    // Opens the file and sends the first packet.
    void Begin();
    // Handles one socket notification.
    void OnSocket();
    // Retransmits the last DATA; true when the session is to be timed out instead (a
    // write at once).
    bool Resend(int RetryLimit);
    // Ends the transfer now: ERROR 0 to the peer, status -1114. Nothing when it has
    // ended already, also when its end is being reported at this moment.
    void Abort();
    // Answers a request that repeats this session's (its first answer was lost).
    void AnswerRepeatedRequest(int RetryLimit);
    // Same opcode, mode, client address, client port and file name.
    bool IsSame(const KwTFTPMsg& Request) const;
    void SetStatus(int Code);
    void Dispatch(TMessage& Message);
    // Stops every later call of the status handler (the server is going away).
    void DetachStatusHandler()
    {
        OnStatus_ = nullptr;
        Detached_ = true;
    }

    int State() const { return State_; }
    // Retransmission deadline in KwTFTPTickCount milliseconds; 0 when none is armed.
    std::int64_t Deadline() const { return Deadline_; }
    // A finished write that still acknowledges a repeated last block.
    bool Lingering(std::int64_t now, int RetryLimit) const
    {
        return State_ == Finished && FinishedAt_ != 0 &&
               now - FinishedAt_ < static_cast<std::int64_t>(Msg_.Timeout) * 10 * RetryLimit;
    }
    const KwTFTPMsg& Msg() const { return Msg_; }
    std::uint16_t LocalPort() const { return Socket_.LocalEndpoint().Port; }

    static constexpr int QuickRoundTripUs = 500;
    static constexpr int QuickWaitUs = 1000;
    static constexpr int BurstBlocks = 32;
    static constexpr int BurstUs = 5000;

private:
    void HandlePacket(const std::uint8_t* packet, int length, const UdpEndpoint& from);
    // Running, owned, and the peer answers fast: worth waiting for its next packet.
    bool ExpectsQuickAnswer() const
    {
        return QuickPeer_ && !Detached_ && State_ == Running && TransferOpen() && Socket_.IsOpen();
    }
    void BeginRead(const std::string& path);
    void BeginWrite(const std::string& path);
    void SendNextBlock(std::uint16_t block);
    void OnAck(int block);
    void OnData(int block, const std::uint8_t* payload, int count);
    void OnPeerError(int errorCode);
    // Sends the packet in the send buffer; false (and -1110) when that fails.
    bool SendBuffer();
    bool SendAck(std::uint16_t block);
    // Sends ERROR `errorCode` and sets `status` (-1110 when even the ERROR fails).
    void Refuse(int errorCode, int status);
    void ArmDeadline();
    void CloseFile();
    bool TransferOpen() const { return Source_.IsOpen() || Upload_.IsOpen(); }

    KwTFTPMsg Msg_;
    AnsiString RootDirectory_;
    KwTFTPStatusEvent OnStatus_;
    UdpEndpoint Peer_;
    bool Cancel_ = false;
    int State_ = Running;
    std::int64_t Deadline_ = 0;
    std::int64_t FinishedAt_ = 0;  // when a write completed
    HWND Window_ = nullptr;
    UdpSocket Socket_;
    KwTFTPSourceFile Source_;
    KwTFTPUploadFile Upload_;
    int LastBlockReceived_ = -1;   // last DATA written or ACK accepted; -1 at the start
    std::uint16_t BlockSent_ = 0;  // block number of the DATA in the send buffer
    std::uint8_t SendBuffer_[KwTFTPPacket::BufferSize] = {};
    int SendLength_ = 0;
    std::int64_t SentAtUs_ = 0;  // when the last DATA or ACK went out
    bool QuickPeer_ = false;     // the peer's last answer came within QuickRoundTripUs
    bool Detached_ = false;      // the server let go of this session
};
