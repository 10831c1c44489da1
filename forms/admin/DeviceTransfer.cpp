#include "DeviceTransfer.h"

#include "InputChecks.h"
#include "KwNetInterface.h"
#include "KwSNMPSession.h"
#include "KwTFTPFileName.h"
#include "KwTFTPFiles.h"
#include "KwTFTPPacket.h"
#include "KwTFTPServer.h"
#include "Main.h"
#include "MessageBox.h"
#include "TftpPort.h"
#include "UdpEndpoint.h"
#include "Wait.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

const char* const FilePathErrorText = "The file path is error.";
const char* const NoServerAddressText = "Invalid Server IP Address or SNMP timed out!";
const char* const TftpInitErrorText = "TFTP Service Init Error:";

namespace {
const int TftpRetries = 3;
}  // namespace

bool SplitTransferPath(const AnsiString& path, TTransferPath& parts)
{
    const int at = path.LastDelimiter("/");
    if (at == 0 || at == path.Length())
        return false;
    parts.Root = at == 1 ? path.SubString(1, 1) : path.SubString(1, at - 1);
    parts.Name = path.SubString(at + 1, path.Length() - at);
    return true;
}

AnsiString TransferFileName(const AnsiString& path)
{
    TTransferPath parts;
    return SplitTransferPath(path, parts) ? parts.Name : path;
}

bool TransferNameAccepted(const AnsiString& name) { return KwTFTPIsPlainFileName(name); }

AnsiString ResolveChosenFile(const AnsiString& path)
{
    struct stat entry {};
    TTransferPath parts;
    if (!SplitTransferPath(path, parts) || ::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode))
        return path;
    std::error_code failed;
    const std::filesystem::path target = std::filesystem::canonical(path.ToStdString(), failed);
    return failed ? path : AnsiString(target.string());
}

bool TransferFileExists(const AnsiString& path)
{
    const AnsiString chosen = ResolveChosenFile(path);
    TTransferPath parts;
    if (!SplitTransferPath(chosen, parts))
        parts = TTransferPath{"", chosen};
    if (!TransferNameAccepted(parts.Name))
        return false;
    KwTFTPSourceFile file;  // opened as the server's session opens it
    return file.Open(KwTFTPFilePath(KwTFTPRootDirectory(parts.Root), parts.Name));
}

AnsiString ModuleDataFolder()
{
    namespace fs = std::filesystem;
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    fs::path base;
    if (state && *state == '/')
        base = state;
    else if (home && *home)
        base = fs::path(home) / ".local" / "state";
    else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        base = fs::path(user->pw_dir) / ".local" / "state";
    else
        return "";
    const fs::path folder = base / "vka7410";
    std::error_code failed;
    fs::create_directories(folder, failed);
    if (!fs::is_directory(folder, failed))
        return "";
    return AnsiString(folder.string());
}

AnsiString ChooseServerAddress(const KwNetInterface* interfaces, int count, const AnsiString& deviceAddress,
                               const AnsiString& deviceMask)
{
    if (deviceAddress.IsEmpty())
        return "";
    for (int i = 0; i < count; ++i) {
        const KwNetInterface& local = interfaces[i];
        const AnsiString mask = deviceMask.IsEmpty() ? local.Netmask : deviceMask;
        if (NetworkAddressText(local.Address, local.Netmask) == NetworkAddressText(deviceAddress, mask))
            return local.Address;
    }
    return "";
}

bool ChooseLocalServerAddress(TEdit* target)
{
    KwNetInterface interfaces[KwMaxNetInterfaces];
    const int count = GetNetInterfaces(interfaces);
    AnsiString address;
    AnsiString mask;
    if (MainForm && !MainForm->IPAddressEdit->Text().Trim().IsEmpty() &&
        !MainForm->SubMaskEdit->Text().Trim().IsEmpty()) {
        address = MainForm->IPAddressEdit->Text().Trim();
        mask = MainForm->SubMaskEdit->Text().Trim();
    } else {
        address = KwDefaultDevice.Address;
    }
    target->SetText(ChooseServerAddress(interfaces, count, address, mask));
    if (!target->Text().IsEmpty())
        return true;
    ShowMessage(NoServerAddressText);
    return false;
}

bool MayReplaceFile(const AnsiString& path)
{
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0)
        return true;
    const AnsiString question = TransferFileName(path) + " already exists.\nDo you want to replace it?";
    return MessageBoxA(nullptr, question.c_str(), "Confirm Save As", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

bool PrepareTransfer(TEdit* serverEdit, const AnsiString& path, TTransferPath& parts)
{
    serverEdit->SetText("");
    if (!ChooseLocalServerAddress(serverEdit))
        return false;
    if (SplitTransferPath(ResolveChosenFile(path), parts))
        return true;
    RefuseInput(FilePathErrorText, "Warning");
    return false;
}

// --- TTransferServer ----------------------------------------------------------------

TTransferServer::TTransferServer(TForm* form, int timeout)
    : TComponent(form), form_(form), report_(new TTimer(this)), timeout_(timeout)
{
    report_->SetEnabled(false);
    report_->SetInterval(1);
    report_->OnTimer = [this](TObject*) {
        report_->SetEnabled(false);
        if (OnEnded && (state_ == TTransferState::Arrived || state_ == TTransferState::Failed))
            OnEnded(state_ == TTransferState::Arrived);
    };
}

TTransferServer::~TTransferServer()
{
    OnEnded = nullptr;
    delete server_;  // ends its sessions at once; no status reaches us any more
    server_ = nullptr;
}

bool TTransferServer::Open(const AnsiString& root)
{
    try {
        server_ = new KwTFTPServer(nullptr);
        server_->SetTimeout(timeout_, TftpRetries);
        server_->SetOnStatus([this](KwTFTPMsg& msg, bool& cancel) { Status(msg, cancel); });
        server_->SetOnRequest([this](const KwTFTPMsg& msg) { return Request(msg); });
        server_->Start(root, TftpServerPort(69));
        return true;
    } catch (const Exception& e) {
        delete server_;
        server_ = nullptr;
        ShowMessage(AnsiString(TftpInitErrorText) + e.Message);
    } catch (const std::exception& e) {
        delete server_;
        server_ = nullptr;
        ShowMessage(AnsiString(TftpInitErrorText) + e.what());
    }
    CloseFormSoon();
    return false;
}

void TTransferServer::CloseFormSoon()
{
    // The form is being created: its modal loop has not begun, so the close waits for it.
    TTimer* closer = new TTimer(this);
    closer->SetInterval(1);
    TForm* form = form_;
    closer->OnTimer = [closer, form](TObject*) {
        closer->SetEnabled(false);
        form->Close();
    };
    closer->SetEnabled(true);
}

void TTransferServer::Serve(const AnsiString& root)
{
    if (server_)
        server_->Start(root, TftpServerPort(69));
}

int TTransferServer::Port() const { return server_ ? server_->Template().ServerPort : 0; }

void TTransferServer::Expect(const AnsiString& fileName, TTransferDirection direction)
{
    report_->SetEnabled(false);
    expectedName_ = fileName;
    expectedOpcode_ = direction == TTransferDirection::ToDevice ? KwTFTPPacket::RRQ : KwTFTPPacket::WRQ;
    std::uint32_t device = 0;
    deviceAddress_ = UdpEndpoint::ResolveAddress(KwDefaultDevice.Address.ToStdString(), device)
                         ? AnsiString(DottedIPv4(device))
                         : AnsiString();
    session_ = -1;
    state_ = TTransferState::Expecting;
}

void TTransferServer::ExpectNothing()
{
    report_->SetEnabled(false);
    const int running = state_ == TTransferState::Running ? session_ : -1;
    session_ = -1;
    state_ = TTransferState::Idle;
    if (running >= 0 && server_)
        server_->EndSession(running);
}

// A new request: served only when it is the one expected, from the device, and only once.
int TTransferServer::Request(const KwTFTPMsg& msg)
{
    if (!TransferNameAccepted(msg.FileName) || deviceAddress_.IsEmpty() || msg.ClientAddress != deviceAddress_)
        return KwTFTPPacket::ERR_ACCESS_VIOLATION;
    if (state_ == TTransferState::Expecting && msg.Opcode == expectedOpcode_ && msg.FileName == expectedName_) {
        session_ = msg.SessionNumber;
        state_ = TTransferState::Running;
        return 0;
    }
    return msg.Opcode == KwTFTPPacket::RRQ ? KwTFTPPacket::ERR_FILE_NOT_FOUND : KwTFTPPacket::ERR_ACCESS_VIOLATION;
}

bool TTransferServer::GiveUpUnlessBegun()
{
    if (state_ != TTransferState::Expecting)
        return false;
    ExpectNothing();
    return true;
}

void TTransferServer::Status(KwTFTPMsg& msg, bool& cancel)
{
    if (msg.SessionNumber != session_ || state_ != TTransferState::Running)
        return;
    if (msg.Code == TFTP_SUCCESS || msg.Code < 0) {
        state_ = msg.Code == TFTP_SUCCESS ? TTransferState::Arrived : TTransferState::Failed;
        report_->SetEnabled(true);
    }
}

void TTransferServer::Stop()
{
    if (!server_)
        return;
    ExpectNothing();
    server_->Stop();
    delete server_;
    server_ = nullptr;
}

// --- the waiting dialog -----------------------------------------------------------

void ShowDeviceWait(int seconds, const TWaitTexts& texts)
{
    // A countdown opened on top of another one: the other is current again afterwards.
    TFM_Waiting* const below = FM_Waiting;
    TFM_Waiting* wait = NewForm<TFM_Waiting>(Application);
    FM_Waiting = wait;
    wait->SendReboot = false;
    wait->SecondsLeft = seconds;
    if (texts.Caption)
        wait->SetCaption(texts.Caption);
    if (texts.Label2)
        wait->Label2->SetCaption(texts.Label2);
    if (texts.Label3)
        wait->Label3->SetCaption(texts.Label3);
    try {
        wait->ShowModal();
    } catch (...) {
        delete wait;
        FM_Waiting = below;
        throw;
    }
    delete wait;
    FM_Waiting = below;
}

bool AwaitTransfer(TTransferServer& server, int firstSeconds, int startWaits, const TWaitTexts& texts)
{
    int seconds = firstSeconds;
    int notBegun = 0;
    do {
        ShowDeviceWait(seconds, texts);
        seconds = 5;
        if (server.State() == TTransferState::Expecting && ++notBegun >= startWaits && server.GiveUpUnlessBegun())
            return false;
    } while (server.Awaited());
    if (server.State() == TTransferState::Arrived)
        return true;
    server.ExpectNothing();
    return false;
}

// --- TArrivalWait -------------------------------------------------------------------

TArrivalWait::TArrivalWait(TTransferServer* server) : TComponent(server), server_(server), start_(new TTimer(this))
{
    start_->SetEnabled(false);
    start_->OnTimer = [this](TObject*) {
        start_->SetEnabled(false);
        if (waiting_ && server_->GiveUpUnlessBegun())
            Finish(false);
    };
    server_->OnEnded = [this](bool completed) {
        if (waiting_)
            Finish(completed);
    };
}

void TArrivalWait::Begin()
{
    waiting_ = true;
    switch (server_->State()) {
    case TTransferState::Arrived: Finish(true); break;
    case TTransferState::Failed:
    case TTransferState::Idle: Finish(false); break;
    case TTransferState::Running: break;  // its session ends it
    case TTransferState::Expecting:
        start_->SetInterval(StartWaitMs);
        start_->SetEnabled(true);
        break;
    }
}

void TArrivalWait::Cancel()
{
    waiting_ = false;
    start_->SetEnabled(false);
}

void TArrivalWait::Finish(bool completed)
{
    Cancel();
    if (OnDone)
        OnDone(completed);
}

void EndDeviceWait()
{
    if (!FM_Waiting)
        return;
    FM_Waiting->SecondsLeft = 0;
    FM_Waiting->Close();
}
