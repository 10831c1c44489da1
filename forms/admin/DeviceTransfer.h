#pragma once
// What the maintenance forms share to move files between the PC and the device. The
// device has no file service of its own: the module serves the file by TFTP and tells
// the device over SNMP which address and name to use and what to do.
//
// - SplitTransferPath, TransferFileExists: the folder to serve and the bare name the
//   device asks for, and whether the server will find that file.
// - ChooseLocalServerAddress: the PC address the device can reach, the local
//   interface on the device's network.
// - TTransferServer: a form's TFTP server. It accepts only the one transfer the form
//   expects (name and direction, from the device's address), refuses every other
//   request at once, and tells the form when that transfer has ended.
// - ShowDeviceWait, AwaitTransfer, TArrivalWait: the countdowns that cover the
//   device's work or restart, and the waits for a file the device fetches or sends.
//   One rule for all: a countdown bounds the wait for the device to begin a transfer;
//   once it has begun, the transfer's own session time-outs end it if it stalls.
#include "KwTFTPMsg.h"
#include "vcl.h"

#include <functional>

class KwTFTPServer;
struct KwNetInterface;

// --- file paths ------------------------------------------------------------------

extern const char* const FilePathErrorText;  // "The file path is error."

struct TTransferPath {
    AnsiString Root;  // the folder to serve ("/" for a file at the top of the file system)
    AnsiString Name;  // the bare file name
};

// Splits a chosen path at its last "/" (on this system a "\" is part of a name). False
// when the path holds no "/" or ends in one.
bool SplitTransferPath(const AnsiString& path, TTransferPath& parts);
// The name part of a path (the whole path when it holds no "/").
AnsiString TransferFileName(const AnsiString& path);
// Whether the TFTP server serves a file of this bare name (KwTFTPIsPlainFileName).
bool TransferNameAccepted(const AnsiString& name);
// The file the user chose: a symbolic link is followed to the file it names, which is
// what the server then serves (it serves no link itself); any other path as given.
AnsiString ResolveChosenFile(const AnsiString& path);
// Whether the server will open the file at `path` (resolved as ResolveChosenFile) for
// the device: an accepted name and a readable regular file of exactly that name (case
// included; a path without a folder lies in the current folder).
bool TransferFileExists(const AnsiString& path);
// Before a file from the device replaces what lies at `path`: true when nothing does,
// or when the user confirms the replacement (the box names the file as `path` does).
bool MayReplaceFile(const AnsiString& path);

// The module's per-user data folder, where files from the device are received:
// $XDG_STATE_HOME/vka7410 (default ~/.local/state/vka7410), created when missing.
// Empty when it cannot be created.
AnsiString ModuleDataFolder();

// --- the PC address --------------------------------------------------------------

extern const char* const NoServerAddressText;  // "Invalid Server IP Address or SNMP timed out!"

// The address of the first interface whose network equals the device's network; ""
// when none does. Without a device mask (the device's own address facts not read yet)
// each interface's own mask decides whether the device's address lies on its network.
AnsiString ChooseServerAddress(const KwNetInterface* interfaces, int count, const AnsiString& deviceAddress,
                               const AnsiString& deviceMask);

// Puts the PC address into `target` (which the caller has emptied). The device's
// address and mask are the main window's; before the main window has read them, the
// address the session talks to stands in. False, after the message box
// NoServerAddressText, when no local interface is on the device's network.
bool ChooseLocalServerAddress(TEdit* target);

// The first steps of every transfer: `serverEdit` emptied and given the PC address
// (ChooseLocalServerAddress), then `path` (resolved as ResolveChosenFile) split into
// folder and name, a path that does not split refused with FilePathErrorText. False,
// after its message, when either fails.
bool PrepareTransfer(TEdit* serverEdit, const AnsiString& path, TTransferPath& parts);

// --- the form's TFTP server -------------------------------------------------------

enum class TTransferDirection { ToDevice, FromDevice };  // the device reads, or writes
enum class TTransferState { Idle, Expecting, Running, Arrived, Failed };

extern const char* const TftpInitErrorText;  // "TFTP Service Init Error:"

class TTransferServer : public TComponent {
public:
    // Owned by `form`; `timeout` in 10 ms units, 3 retries.
    TTransferServer(TForm* form, int timeout);
    ~TTransferServer() override;

    // Creates the server and starts it on `root` at the TFTP port (69, or its stand-in,
    // platform/net/TftpPort.h). On failure shows TftpInitErrorText followed by the
    // reason, arranges for the form to close as soon as it is shown, and returns false:
    // the module itself keeps running.
    bool Open(const AnsiString& root);
    bool Opened() const { return server_ != nullptr; }
    // Serves another folder; the running server keeps its port.
    void Serve(const AnsiString& root);

    // From now on only a request for `fileName` in `direction` from the device's address
    // (the one the module manages) is served, once; every other request gets an ERROR
    // at once (file not found for a read, access violation for a write).
    void Expect(const AnsiString& fileName, TTransferDirection direction);
    // Serves nothing until the next Expect; a transfer under way is stopped.
    void ExpectNothing();
    TTransferState State() const { return state_; }
    // True while the expected transfer has not begun or is under way.
    bool Awaited() const { return state_ == TTransferState::Expecting || state_ == TTransferState::Running; }
    // The wait for the device to begin is over: when the expected transfer has not
    // begun, the server expects nothing any more and true is returned. A transfer under
    // way is left to its session's time-outs, an ended one to OnEnded.
    bool GiveUpUnlessBegun();

    // The expected transfer has ended: true when the whole file moved. Called from the
    // event loop once the TFTP session's own work is done, so the handler may show
    // dialogs.
    std::function<void(bool completed)> OnEnded;

    // Closes the listening socket, waits for a running transfer (KwTFTPServer::Stop)
    // and deletes the server.
    void Stop();
    KwTFTPServer* Server() const { return server_; }
    int Port() const;

private:
    int Request(const KwTFTPMsg& msg);
    void Status(KwTFTPMsg& msg, bool& cancel);
    void CloseFormSoon();

    TForm* form_;
    TTimer* report_;  // hands the end of a transfer to OnEnded from the event loop
    int timeout_;
    KwTFTPServer* server_ = nullptr;
    TTransferState state_ = TTransferState::Idle;
    AnsiString expectedName_;
    int expectedOpcode_ = 0;
    AnsiString deviceAddress_;  // dotted
    int session_ = -1;
};

// --- the waiting dialog ------------------------------------------------------------

// Texts of the countdown; null keeps the dialog's own.
struct TWaitTexts {
    const char* Caption = nullptr;
    const char* Label2 = nullptr;
    const char* Label3 = nullptr;
};

// Shows the countdown modally for `seconds` (the dialog's own restart command off) and
// deletes it. Sequences that learn the device refused its command end it early with
// EndDeviceWait.
void ShowDeviceWait(int seconds, const TWaitTexts& texts);
// Ends the countdown shown now, if any.
void EndDeviceWait();

// Covers the device's fetch of the expected file: the countdown for `firstSeconds`,
// then 5 s more at a time while the transfer runs (its session's own time-outs end a
// transfer that stalls), or until `startWaits` countdowns have passed without it
// beginning. True once the whole file has moved; otherwise the server expects nothing
// any more (a transfer under way is stopped) and false.
bool AwaitTransfer(TTransferServer& server, int firstSeconds, int startWaits, const TWaitTexts& texts);

// The wait, without a dialog, for a file the device sends after it accepted the
// command: StartWaitMs bounds the wait for the device to begin; a transfer that has
// begun is awaited to its end, however slowly its blocks come.
class TArrivalWait : public TComponent {
public:
    // Owned by the server's form; takes the server's OnEnded.
    explicit TArrivalWait(TTransferServer* server);

    int StartWaitMs = 10000;
    // The end of the awaited transfer: true when the whole file arrived.
    std::function<void(bool completed)> OnDone;

    // The device accepted the command: OnDone follows once the transfer has ended, or
    // (false) when it has not begun within StartWaitMs. A transfer that ended before
    // is reported at once.
    void Begin();
    // Nothing more is reported until the next Begin.
    void Cancel();
    bool Waiting() const { return waiting_; }

private:
    void Finish(bool completed);

    TTransferServer* server_;
    TTimer* start_;
    bool waiting_ = false;
};
