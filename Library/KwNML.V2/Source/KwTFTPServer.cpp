#include "KwTFTPServer.h"

#include "HandlerExceptions.h"
#include "KwTFTPFileName.h"
#include "KwTFTPPacket.h"
#include "LocalInterfaces.h"
#include "SysUtils.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

KwTFTPServer::KwTFTPServer(TComponent* Owner) : TComponent(Owner)
{
    const std::string address = LocalHostAddress();
    if (!address.empty())
        Msg_.ServerAddress = address.c_str();
    Window_ = AllocateHWnd([this](TMessage& message) { Dispatch(message); });
    Timer_ = new QTimer();
    Timer_->setInterval(CheckIntervalMs);
    QObject::connect(Timer_, &QTimer::timeout, Timer_, [this] { RunGuarded([this] { CheckSessions(); }); });
}

KwTFTPServer::~KwTFTPServer()
{
    // No handler of the owner runs once its deletion has begun: sessions end quietly.
    *Alive_ = false;
    OnStatus_ = nullptr;
    CloseListener();
    Timer_->stop();
    std::vector<std::shared_ptr<_TFTPSession>> ending;
    ending.swap(Sessions_);
    for (auto& session : ending) {
        session->DetachStatusHandler();
        // A transfer under way is ended as an unexpected one is: an ERROR tells its
        // peer, whose client would otherwise send on to a closed port until its own
        // time-out; an upload's partial file goes.
        session->Abort();
    }
    ending.clear();
    DeallocateHWnd(Window_);
    if (QCoreApplication::instance())
        Timer_->deleteLater();  // this may run inside the timer's own signal
    else
        delete Timer_;
}

void KwTFTPServer::SetTimeout(int Timeout, int Retries)
{
    Msg_.Timeout = Timeout;
    RetryLimit_ = Retries;
}

void KwTFTPServer::SetOnStatus(KwTFTPStatusEvent OnStatus) { OnStatus_ = std::move(OnStatus); }

void KwTFTPServer::SetOnRequest(KwTFTPRequestFilter OnRequest) { OnRequest_ = std::move(OnRequest); }

void KwTFTPServer::EndSession(int SessionNumber)
{
    for (const auto& session : Sessions_)
        if (session->State() == _TFTPSession::Running && session->Msg().SessionNumber == SessionNumber) {
            const auto ending = session;  // alive while its status handler runs
            RemoveSession(ending);
            ending->Abort();
            return;
        }
}

void KwTFTPServer::SetListenAddress(const AnsiString& dottedAddress)
{
    std::uint32_t address = 0;
    if (UdpEndpoint::ParseAddress(dottedAddress.ToStdString(), address))
        ListenAddress_ = address;
}

void KwTFTPServer::Start(const AnsiString& RootDirectory, int Port)
{
    RootDirectory_ = KwTFTPRootDirectory(RootDirectory);
    if (Listener_.IsOpen())
        return;  // the port stays the one listened on
    Msg_.ServerPort = Port;
    const auto fail = [this] {
        Stop();
        throw Exception(TFTPStatusText(TFTPERR_OPEN_SOCKET), TFTPERR_OPEN_SOCKET);
    };
    if (Port < 0 || Port > 65535 || !Listener_.Open())
        fail();
    if (!Listener_.Bind(UdpEndpoint{ListenAddress_, static_cast<std::uint16_t>(Port)}) ||
        !Listener_.AsyncSelect(Window_, WM_TFTP_SERVER, FD_READ))
        fail();
    Msg_.ServerPort = Listener_.LocalEndpoint().Port;
    Timer_->start();
}

void KwTFTPServer::Stop()
{
    CloseListener();
    if (QCoreApplication::instance()) {
        const std::shared_ptr<bool> alive = Alive_;
        QElapsedTimer waited;
        waited.start();
        // The 20 ms check keeps waking the loop, so the wait sleeps between events.
        while (RunningSessionCount() > 0 && waited.elapsed() < StopWaitMs && Timer_->isActive()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (!*alive)
                return;  // a handler deleted the server while it waited
        }
    }
    Timer_->stop();
    // Finished sessions need no more time: end them now.
    std::vector<std::shared_ptr<_TFTPSession>> finished;
    for (const auto& session : Sessions_)
        if (session->State() != _TFTPSession::Running)
            finished.push_back(session);
    for (const auto& session : finished)
        RemoveSession(session);
}

void KwTFTPServer::CloseListener() { Listener_.Close(); }

int KwTFTPServer::RunningSessionCount() const
{
    return static_cast<int>(std::count_if(Sessions_.begin(), Sessions_.end(), [](const auto& s) {
        return s->State() == _TFTPSession::Running;
    }));
}

bool KwTFTPServer::FindSession(const KwTFTPMsg& Request) { return FindRunningSession(Request) != nullptr; }

std::shared_ptr<_TFTPSession> KwTFTPServer::FindRunningSession(const KwTFTPMsg& Request) const
{
    for (const auto& session : Sessions_)
        if (session->State() == _TFTPSession::Running && session->IsSame(Request))
            return session;
    return nullptr;
}

std::shared_ptr<_TFTPSession> KwTFTPServer::RunningSessionOf(const UdpEndpoint& peer) const
{
    const AnsiString address(peer.DottedAddress());
    for (const auto& session : Sessions_)
        if (session->State() == _TFTPSession::Running && session->Msg().ClientAddress == address &&
            session->Msg().ClientPort == peer.Port)
            return session;
    return nullptr;
}

std::vector<std::shared_ptr<_TFTPSession>> KwTFTPServer::TakeEndedSessions(std::int64_t now)
{
    std::vector<std::shared_ptr<_TFTPSession>> ended;
    for (const auto& session : Sessions_)
        if (session->State() != _TFTPSession::Running && !session->Lingering(now, RetryLimit_))
            ended.push_back(session);
    for (const auto& session : ended)
        RemoveSession(session);
    return ended;
}

std::vector<std::shared_ptr<_TFTPSession>> KwTFTPServer::ReleaseFinishedSessions(const AnsiString& clientAddress)
{
    const bool full = SessionCount() >= MaxSessions;
    std::vector<std::shared_ptr<_TFTPSession>> released;
    for (const auto& session : Sessions_)
        if (session->State() == _TFTPSession::Finished && (full || session->Msg().ClientAddress == clientAddress))
            released.push_back(session);
    for (const auto& session : released)
        RemoveSession(session);
    return released;
}

bool KwTFTPServer::HasRoomFor(const AnsiString& clientAddress) const
{
    if (SessionCount() >= MaxSessions)
        return false;
    const auto fromAddress = std::count_if(Sessions_.begin(), Sessions_.end(), [&](const auto& s) {
        return s->Msg().ClientAddress == clientAddress;
    });
    return fromAddress < MaxSessionsPerAddress;
}

void KwTFTPServer::RefuseRequest(const UdpEndpoint& peer, int errorCode)
{
    std::uint8_t error[8];
    Listener_.SendTo(error, KwTFTPPacket::BuildError(error, errorCode), peer);
}

void KwTFTPServer::ReadRequest()
{
    std::uint8_t packet[KwTFTPPacket::BufferSize];
    UdpEndpoint from;
    const int length = Listener_.ReceiveFrom(packet, sizeof packet, &from);
    if (length < KwTFTPPacket::HeaderSize)
        return;
    int opcode = 0;
    std::string fileName, mode;
    if (!KwTFTPPacket::ParseRequest(packet, length, opcode, fileName, mode))
        return;  // malformed or not a request: dropped without reply
    if (auto running = RunningSessionOf(from)) {
        // The same peer port asks again: its first answer was lost. Whatever it names,
        // it is that transfer, never a second one.
        const KwTFTPMsg& m = running->Msg();
        if (m.Opcode == opcode && m.FileName.ToStdString() == fileName &&
            AnsiString(mode).LowerCase() == m.Mode.LowerCase())
            running->AnswerRepeatedRequest(RetryLimit_);
        return;
    }
    if (!KwTFTPPacket::IsKnownMode(mode)) {
        RefuseRequest(from, KwTFTPPacket::ERR_ILLEGAL_OPERATION);
        return;
    }
    const std::shared_ptr<bool> alive = Alive_;
    TakeEndedSessions(KwTFTPTickCount()).clear();  // their sockets and files go first
    if (!*alive)
        return;  // a status handler deleted the server
    const AnsiString clientAddress(from.DottedAddress());
    if (!HasRoomFor(clientAddress)) {
        // Finished uploads that only wait for a repeated last block give their place.
        ReleaseFinishedSessions(clientAddress).clear();
        if (!*alive)
            return;
        if (!HasRoomFor(clientAddress)) {
            RefuseRequest(from, KwTFTPPacket::ERR_UNDEFINED);
            return;
        }
    }
    KwTFTPMsg request = Msg_;
    request.Code = TFTP_CONNECTED;
    request.Text = TFTPStatusText(TFTP_CONNECTED);
    request.Opcode = opcode;
    request.FileName = AnsiString(fileName);
    request.Mode = AnsiString(mode);
    request.ClientAddress = clientAddress;
    request.ClientPort = from.Port;
    request.SendCount = 0;
    ++request.SessionNumber;
    if (OnRequest_) {
        const int refusal = OnRequest_(request);
        if (!*alive)
            return;
        if (refusal != 0) {
            RefuseRequest(from, refusal);
            return;
        }
    }
    Msg_ = request;
    auto session = std::make_shared<_TFTPSession>(RootDirectory_, OnStatus_, Msg_, from, ListenAddress_);
    if (!*alive) {
        session->DetachStatusHandler();  // its first status deleted the server
        return;
    }
    Sessions_.push_back(session);
    session->Begin();
}

void KwTFTPServer::CheckSessions()
{
    const std::int64_t now = KwTFTPTickCount();
    const std::shared_ptr<bool> alive = Alive_;
    // Every session that has ended leaves now, with its socket and file.
    TakeEndedSessions(now).clear();
    if (!*alive)
        return;  // a status handler deleted the server
    const auto snapshot = Sessions_;  // handlers may change the list
    for (const auto& session : snapshot) {
        if (!*alive)
            return;
        if (std::find(Sessions_.begin(), Sessions_.end(), session) == Sessions_.end())
            continue;
        if (session->State() == _TFTPSession::Running && session->Deadline() != 0 &&
            now > session->Deadline() && session->Resend(RetryLimit_)) {
            if (!*alive)
                return;
            RemoveSession(session);
            session->SetStatus(TFTPERR_TIMEOUT);
        }
    }
}

void KwTFTPServer::RemoveSession(const std::shared_ptr<_TFTPSession>& session)
{
    Sessions_.erase(std::remove(Sessions_.begin(), Sessions_.end(), session), Sessions_.end());
}

void KwTFTPServer::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_TFTP_SERVER)
        ReadRequest();
}
