#include "KwTFTPSession.h"

#include "HandlerExceptions.h"
#include "KwTFTPFileName.h"

#include <algorithm>
#include <chrono>
#include <climits>

using namespace KwTFTPPacket;

std::int64_t KwTFTPTickCount()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() + 1;
}

namespace {
std::int64_t MicroTicks()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

int SaturatingAdd(int total, int count)
{
    return total > INT_MAX - count ? INT_MAX : total + count;
}
}

_TFTPSession::_TFTPSession(const AnsiString& RootDirectory, KwTFTPStatusEvent OnStatus,
                           const KwTFTPMsg& Request, const UdpEndpoint& Requester,
                           std::uint32_t localAddress)
    : Msg_(Request), RootDirectory_(RootDirectory), OnStatus_(std::move(OnStatus)), Peer_(Requester)
{
    Msg_.Bytes = 0;
    Msg_.LastBlockSize = -1;
    SetStatus(TFTP_CONNECTED);
    Window_ = AllocateHWnd([this](TMessage& message) {
        if (auto self = weak_from_this().lock())
            self->Dispatch(message);
    });
    if (!Socket_.Open() || !Socket_.Bind(UdpEndpoint{localAddress, 0}) ||
        !Socket_.AsyncSelect(Window_, WM_TFTP_SESSION, FD_READ | FD_WRITE)) {
        Socket_.Close();
        SetStatus(TFTPERR_OPEN_SOCKET);
    }
}

_TFTPSession::~_TFTPSession()
{
    Socket_.Close();
    DeallocateHWnd(Window_);
    CloseFile();
    SetStatus(TFTP_DISCONNECTED);
}

void _TFTPSession::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_TFTP_SESSION)
        OnSocket();
}

void _TFTPSession::SetStatus(int Code)
{
    if (Code != Msg_.Code || Msg_.Text.IsEmpty()) {  // a transfer reports 2 for every block
        Msg_.Code = Code;
        Msg_.Text = TFTPStatusText(Code);
    }
    if (OnStatus_) {
        KwTFTPStatusEvent handler = OnStatus_;  // the handler may replace ours
        bool cancel = Cancel_;
        RunGuarded([&] { handler(Msg_, cancel); });
        Cancel_ = cancel;
    }
    if (Code == TFTP_SUCCESS) {
        CloseFile();
        if (State_ == Running)
            State_ = Finished;
    } else if (Code < 0) {
        CloseFile();
        State_ = Failed;
    }
}

bool _TFTPSession::IsSame(const KwTFTPMsg& Request) const
{
    return Msg_.Opcode == Request.Opcode && Msg_.Mode == Request.Mode &&
           Msg_.ClientAddress == Request.ClientAddress && Msg_.ClientPort == Request.ClientPort &&
           Msg_.FileName == Request.FileName;
}

void _TFTPSession::Begin()
{
    auto keepAlive = shared_from_this();
    if (Cancel_) {
        SetStatus(TFTPERR_CANCELED);
        return;
    }
    if (!Socket_.IsOpen() || State_ != Running)
        return;  // -1109 reported already; no file is touched
    if (RootDirectory_.IsEmpty() || !KwTFTPIsPlainFileName(Msg_.FileName)) {
        Refuse(ERR_ACCESS_VIOLATION, TFTPERR_ACCESS_VIOLATION);
        return;
    }
    const std::string path = KwTFTPFilePath(RootDirectory_, Msg_.FileName);
    if (Msg_.Opcode == RRQ)
        BeginRead(path);
    else if (Msg_.Opcode == WRQ)
        BeginWrite(path);
    else
        Refuse(ERR_ILLEGAL_OPERATION, TFTPERR_BAD_OPERATION);
}

void _TFTPSession::BeginRead(const std::string& path)
{
    if (!Source_.Open(path)) {
        Refuse(ERR_FILE_NOT_FOUND, TFTPERR_FILE_NOT_FOUND);
        return;
    }
    SendNextBlock(1);
}

void _TFTPSession::BeginWrite(const std::string& path)
{
    if (!Upload_.Create(path)) {
        Refuse(ERR_ACCESS_VIOLATION, TFTPERR_ACCESS_VIOLATION);
        return;
    }
    LastBlockReceived_ = 0;  // DATA 1 comes next
    if (SendAck(0)) {
        ArmDeadline();
        SetStatus(TFTP_TRANSFERRING);
    }
}

void _TFTPSession::SendNextBlock(std::uint16_t block)
{
    // The block is read straight behind the header it goes out with.
    const int count = Source_.Read(SendBuffer_ + HeaderSize, BlockSize);
    if (count < 0) {
        Refuse(ERR_UNDEFINED, TFTPERR_UNDEFINED);
        return;
    }
    BlockSent_ = block;
    SendLength_ = BuildData(SendBuffer_, block, nullptr, 0) + count;
    Msg_.LastBlockSize = count;
    Msg_.Bytes = SaturatingAdd(Msg_.Bytes, count);
    Msg_.SendCount = 1;
    if (SendBuffer()) {
        ArmDeadline();
        SetStatus(TFTP_TRANSFERRING);
    }
}

void _TFTPSession::OnSocket()
{
    auto keepAlive = shared_from_this();
    std::uint8_t packet[BufferSize];
    UdpEndpoint from;
    int length = Socket_.ReceiveFrom(packet, sizeof packet, &from);
    const std::int64_t burstEnd = MicroTicks() + BurstUs;
    for (int handled = 1; length >= 0; ++handled) {
        HandlePacket(packet, length, from);
        if (handled >= BurstBlocks || !ExpectsQuickAnswer() || SentAtUs_ > burstEnd)
            return;
        length = Socket_.WaitReceiveFrom(packet, sizeof packet, &from, QuickWaitUs);
    }
    QuickPeer_ = false;  // the wait went by: back to the event loop until it answers fast again
}

void _TFTPSession::HandlePacket(const std::uint8_t* packet, int length, const UdpEndpoint& from)
{
    if (from != Peer_) {
        // Not our peer: tell the stranger, leave the transfer alone.
        std::uint8_t error[8];
        Socket_.SendTo(error, BuildError(error, ERR_UNKNOWN_TRANSFER_ID), from);
        return;
    }
    if (length < HeaderSize)
        return;
    QuickPeer_ = MicroTicks() - SentAtUs_ < QuickRoundTripUs;
    const int opcode = OpcodeOf(packet, length);
    const int block = BlockOf(packet, length);
    if (State_ == Finished && FinishedAt_ != 0) {
        if (opcode == DATA && block == LastBlockReceived_)
            SendAck(static_cast<std::uint16_t>(block));
        return;
    }
    if (State_ != Running || !TransferOpen())
        return;
    if (opcode == ERR)
        OnPeerError(block);
    else if (Msg_.Opcode == RRQ && opcode == ACK)
        OnAck(block);
    else if (Msg_.Opcode == WRQ && opcode == DATA)
        OnData(block, packet + HeaderSize, length - HeaderSize);
}

void _TFTPSession::OnAck(int block)
{
    if (block != BlockSent_)
        return;  // old, repeated or not yet sent
    Deadline_ = 0;
    Msg_.ClientPort = Peer_.Port;
    LastBlockReceived_ = block;
    if (Cancel_) {
        SetStatus(TFTPERR_CANCELED);
        return;
    }
    if (Msg_.LastBlockSize < BlockSize) {
        SetStatus(TFTP_SUCCESS);  // the block just acknowledged was the last
        return;
    }
    SendNextBlock(static_cast<std::uint16_t>(BlockSent_ + 1));  // 65535 is followed by 0
}

void _TFTPSession::OnData(int block, const std::uint8_t* payload, int count)
{
    if (block == LastBlockReceived_) {
        // A repeat: our acknowledgement was lost.
        if (SendAck(static_cast<std::uint16_t>(block)))
            ArmDeadline();
        return;
    }
    if (block != ((LastBlockReceived_ + 1) & 0xFFFF))
        return;
    if (count > BlockSize) {
        Refuse(ERR_ILLEGAL_OPERATION, TFTPERR_BAD_PACKET);
        return;
    }
    Deadline_ = 0;
    Msg_.ClientPort = Peer_.Port;
    if (Cancel_) {
        SetStatus(TFTPERR_CANCELED);
        return;
    }
    // The last block writes out whatever is still pending, so a full disk shows here.
    if (!Upload_.Write(payload, count) || (count < BlockSize && !Upload_.Flush())) {
        Refuse(ERR_DISK_FULL, TFTPERR_DISK_FULL);
        return;
    }
    LastBlockReceived_ = block;
    Msg_.LastBlockSize = count;
    Msg_.Bytes = SaturatingAdd(Msg_.Bytes, count);
    if (count == BlockSize) {
        if (SendAck(static_cast<std::uint16_t>(block))) {
            ArmDeadline();
            SetStatus(TFTP_TRANSFERRING);
        }
        return;
    }
    // The last block: the file replaces the target before the peer hears it arrived.
    if (!Upload_.Commit()) {
        Refuse(ERR_ACCESS_VIOLATION, TFTPERR_ACCESS_VIOLATION);
        return;
    }
    if (SendAck(static_cast<std::uint16_t>(block))) {
        FinishedAt_ = KwTFTPTickCount();
        SetStatus(TFTP_SUCCESS);
    }
}

void _TFTPSession::OnPeerError(int errorCode)
{
    if (errorCode < ERR_UNDEFINED || errorCode > 7)
        errorCode = ERR_UNDEFINED;
    SetStatus(TFTPERR_UNDEFINED - errorCode);
}

bool _TFTPSession::Resend(int RetryLimit)
{
    auto keepAlive = shared_from_this();
    if (Msg_.Opcode == WRQ)
        return true;  // a write has nothing to repeat: one time-out without DATA ends it
    if (Msg_.SendCount >= RetryLimit)
        return true;
    ++Msg_.SendCount;
    if (SendBuffer()) {
        ArmDeadline();
        SetStatus(TFTP_TRANSFERRING);
    }
    return false;
}

void _TFTPSession::Abort()
{
    auto keepAlive = shared_from_this();
    // A success or failure reported now (its handler ends us) has had its last packet.
    if (State_ != Running || Msg_.Code == TFTP_SUCCESS || Msg_.Code < 0)
        return;
    Deadline_ = 0;
    Refuse(ERR_UNDEFINED, TFTPERR_CANCELED);
}

void _TFTPSession::AnswerRepeatedRequest(int RetryLimit)
{
    auto keepAlive = shared_from_this();
    if (State_ != Running || !TransferOpen())
        return;
    if (Msg_.Opcode == WRQ) {
        if (LastBlockReceived_ == 0 && Msg_.Bytes == 0 && SendAck(0))
            ArmDeadline();
        return;
    }
    if (BlockSent_ == 1 && LastBlockReceived_ < 0 && Msg_.SendCount < RetryLimit) {
        ++Msg_.SendCount;
        if (SendBuffer()) {
            ArmDeadline();
            SetStatus(TFTP_TRANSFERRING);
        }
    }
}

bool _TFTPSession::SendBuffer()
{
    if (Socket_.SendTo(SendBuffer_, SendLength_, Peer_) == SendLength_) {
        SentAtUs_ = MicroTicks();
        return true;
    }
    SetStatus(TFTPERR_SEND_RECEIVE);
    return false;
}

bool _TFTPSession::SendAck(std::uint16_t block)
{
    std::uint8_t ack[HeaderSize];
    if (Socket_.SendTo(ack, BuildAck(ack, block), Peer_) == HeaderSize) {
        SentAtUs_ = MicroTicks();
        return true;
    }
    if (State_ == Running)
        SetStatus(TFTPERR_SEND_RECEIVE);
    return false;
}

void _TFTPSession::Refuse(int errorCode, int status)
{
    std::uint8_t error[8];
    const int length = BuildError(error, errorCode);
    SetStatus(Socket_.SendTo(error, length, Peer_) == length ? status : TFTPERR_SEND_RECEIVE);
}

void _TFTPSession::ArmDeadline()
{
    Deadline_ = KwTFTPTickCount() + static_cast<std::int64_t>(Msg_.Timeout) * 10;
}

void _TFTPSession::CloseFile()
{
    Source_.Close();
    Upload_.Discard();  // nothing left to discard once committed
}
