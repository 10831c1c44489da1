// Restart, factory reset, apply, the TFTP file commands and the device log.
// What a command does happens once the set's reply has gone out; its
// outcome is a NOTE line of the journal.
#include "DeviceBehaviours.h"
#include "DeviceTables.h"
#include "Journal.h"
#include "StateFile.h"
#include "StateLine.h"
#include "TransferFaults.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace devsim {

namespace {

// Command values by their option lists.
enum : long {
    kTftpGet = 2, kTftpPut = 3, kTftpNothing = 4,
    kUpgradeFirmware = 1, kUpgradeConfigsave = 3, kUpgradeReboot = 4, kUpgradeNothing = 6,
    kUpgradeCertificate = 7, kUpgradeKey = 8,
};

void note(HookContext& context, const std::string& text)
{
    if (context.journal)
        context.journal->note(text);
}

std::string ipText(const StateStore& store, const Oid& oid)
{
    const StateEntry* entry = store.find(oid);
    if (!entry || entry->value.bytes.size() != 4)
        return "0.0.0.0";
    const auto* b = reinterpret_cast<const unsigned char*>(entry->value.bytes.data());
    return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." + std::to_string(b[3]);
}

std::string textAt(const StateStore& store, const Oid& oid)
{
    const StateEntry* entry = store.find(oid);
    return entry ? entry->value.bytes : std::string();
}

Guard oneOf(std::set<long> allowed)
{
    return [allowed](StateStore&, const Oid&, const Value& written) {
        return written.type == VarType::Integer && allowed.count(static_cast<long>(written.integer))
                   ? SetError::None
                   : SetError::WrongValue;
    };
}

// The configuration backup: every writable variable as a state-file line.
std::string configurationText(const StateStore& store)
{
    std::string text = "# VKA-7410 configuration\n";
    for (const StateEntry& entry : store.entries()) {
        if (entry.readOnly || entry.upTime || entry.advancePerSecond)
            continue;
        text += formatStateLine(entry) + "\n";
    }
    return text;
}

// Applies a received configuration: all of it or, on any fault, nothing.
bool restoreConfiguration(StateStore& store, const std::string& path, std::string& outcome)
{
    std::vector<StateEntry> entries;
    try {
        entries = loadStateFile(path);
    } catch (const StateFileError& e) {
        outcome = e.what();
        return false;
    }
    std::vector<const StateEntry*> taken;
    for (const StateEntry& entry : entries) {
        const StateEntry* held = store.find(entry.oid);
        if (!held || held->readOnly || held->upTime || entry.isTemplate)
            continue; // not a setting of this device
        if (held->value.type != entry.value.type) {
            outcome = "variable " + formatOid(entry.oid) + " has the type " + typeWord(held->value.type) + ", not "
                    + typeWord(entry.value.type);
            return false;
        }
        if (held->maxLength && entry.value.bytes.size() > *held->maxLength) {
            outcome = "variable " + formatOid(entry.oid) + " is longer than " + std::to_string(*held->maxLength)
                    + " bytes";
            return false;
        }
        taken.push_back(&entry);
    }
    for (const StateEntry* entry : taken)
        store.assign(entry->oid, entry->value);
    outcome = std::to_string(taken.size()) + " variables";
    return true;
}

class CommandSet {
public:
    explicit CommandSet(DeviceServices& services) : s_(services) {}

    std::string path(const char* name) const { return s_.folder + "/" + name; }

    // A transfer with its two notes: where it goes, and how it ended.
    void transfer(HookContext& context, bool upload, const std::string& server, const std::string& remote,
                  const char* deviceFile, DeviceJobs::Done then = nullptr)
    {
        const std::string verb = upload ? "put" : "get";
        note(context, "tftp " + verb + " " + deviceFile + (upload ? " to " : " from ") + server + ":"
                          + std::to_string(s_.config.tftpPort) + " \"" + remote + "\"");
        Journal* journal = context.journal;
        TftpTransfer t{upload, server, s_.config.tftpPort, remote, path(deviceFile)};
        if (remote.empty()) {
            if (journal)
                journal->note("tftp " + verb + " " + deviceFile + " failed: no remote file name");
            return;
        }
        const TransferFault fault = transferFaults().take();
        if (fault.kind == TransferFault::Kind::Skip) {
            if (journal)
                journal->note("tftp " + verb + " " + deviceFile + " skipped");
            return;
        }
        if (fault.kind == TransferFault::Kind::Fail) {
            s_.jobs.then([journal, verb, deviceFile, then] {
                if (journal)
                    journal->note("tftp " + verb + " " + deviceFile + " failed: told to fail");
                if (then)
                    then(false, "told to fail");
            });
            return;
        }
        if (fault.kind == TransferFault::Kind::Late)
            s_.jobs.pause(std::chrono::milliseconds(fault.lateMs));
        if (fault.kind == TransferFault::Kind::Slow && upload)
            t.blockMs = fault.blockMs;
        s_.jobs.transfer(t, [journal, verb, deviceFile, then](bool ok, const std::string& reason) {
            if (journal)
                journal->note("tftp " + verb + " " + deviceFile + (ok ? " ok" : " failed: " + reason));
            if (then)
                then(ok, reason);
        });
    }

    void tftpCommand(HookContext& context, long command)
    {
        const std::string server = ipText(context.store, deviceOid("4.3.2.1.0"));
        const std::string remote = textAt(context.store, deviceOid("4.3.2.2.0"));
        if (command == kTftpGet) {
            transfer(context, false, server, remote, kDownloadFile);
        } else if (command == kTftpPut) {
            // The backup is written when the transfer starts, from the state of that moment.
            StateStore* store = &context.store;
            const std::string file = path(kConfigBackupFile);
            s_.jobs.then([store, file] { std::ofstream(file, std::ios::binary) << configurationText(*store); });
            transfer(context, true, server, remote, kConfigBackupFile);
        }
    }

    void install(HookContext& context, const char* what, const char* target)
    {
        Journal* journal = context.journal;
        const std::string from = path(kDownloadFile);
        const std::string to = path(target);
        s_.jobs.then([journal, what, from, to] {
            std::error_code error;
            if (!std::filesystem::is_regular_file(from, error)) {
                if (journal)
                    journal->note(std::string("upgrade ") + what + " failed: no file received");
                return;
            }
            std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
            if (journal)
                journal->note(std::string("upgrade ") + what + (error ? " failed: " + error.message() : " ok"));
        });
    }

    // A restart leaves the same log entry whichever command asked for it.
    void restart(HookContext& context)
    {
        s_.log.add("System", "Restart requested by the manager");
        note(context, "restart");
    }

    void upgradeCommand(HookContext& context, long command)
    {
        switch (command) {
        case kUpgradeFirmware: install(context, "firmware", kFirmwareFile); break;
        case kUpgradeCertificate: install(context, "certificate", kCertificateFile); break;
        case kUpgradeKey: install(context, "key", kKeyFile); break;
        case kUpgradeReboot: restart(context); break;
        case kUpgradeConfigsave: {
            StateStore* store = &context.store;
            Journal* journal = context.journal;
            const std::string file = path(kConfigRestoreFile);
            transfer(context, false, ipText(context.store, deviceOid("4.3.2.1.0")),
                     textAt(context.store, deviceOid("4.3.2.2.0")), kConfigRestoreFile,
                     [store, journal, file](bool ok, const std::string&) {
                         if (!ok)
                             return;
                         std::string outcome;
                         const bool restored = restoreConfiguration(*store, file, outcome);
                         if (journal)
                             journal->note(restored ? "configuration restored " + outcome
                                                    : "configuration restore failed: " + outcome);
                     });
            break;
        }
        default: break;
        }
    }

    void sendLog(HookContext& context)
    {
        const std::string file = path(kLogFile);
        DeviceLog* log = &s_.log;
        s_.jobs.then([log, file] { std::ofstream(file, std::ios::binary) << log->fileText(); });
        transfer(context, true, ipText(context.store, deviceOid("5.4.4.0")), textAt(context.store, deviceOid("5.4.5.0")),
                 kLogFile);
    }

    // The log sent before the set is answered: its notes come before the
    // set's own journal line.
    void sendLogNow(HookContext& context)
    {
        const std::string file = path(kLogFile);
        std::ofstream(file, std::ios::binary) << s_.log.fileText();
        const std::string server = ipText(context.store, deviceOid("5.4.4.0"));
        const std::string remote = textAt(context.store, deviceOid("5.4.5.0"));
        note(context, std::string("tftp put ") + kLogFile + " to " + server + ":" + std::to_string(s_.config.tftpPort)
                          + " \"" + remote + "\"");
        if (remote.empty()) {
            note(context, std::string("tftp put ") + kLogFile + " failed: no remote file name");
            return;
        }
        s_.jobs.transferNow(TftpTransfer{true, server, s_.config.tftpPort, remote, file},
                            [&context](bool ok, const std::string& reason) {
                                note(context, std::string("tftp put ") + kLogFile + (ok ? " ok" : " failed: " + reason));
                            });
    }

    DeviceServices& s_;
};

// After the reply: `work` with the command's context, then the command
// variable back at its idle value.
void afterReply(HookContext& context, std::function<void(HookContext&)> work)
{
    HookContext copy = context;
    context.afterReply.defer([copy, work]() mutable { work(copy); });
}

} // namespace

void installCommandBehaviours(HookTable& hooks, DeviceServices& services)
{
    auto commands = std::make_shared<CommandSet>(services);

    auto command = [&hooks](const Oid& oid, std::set<long> allowed, long idle,
                            std::function<void(HookContext&, long)> run) {
        hooks.addGuard(oid, oneOf(allowed));
        hooks.add(oid, [idle, run](HookContext& context, const Oid& at, const Value& written) {
            const long value = static_cast<long>(written.integer);
            context.store.assign(at, Value::makeInteger(static_cast<std::int32_t>(idle)));
            if (value != idle)
                afterReply(context, [run, value](HookContext& later) { run(later, value); });
        });
    };

    command(deviceOid("4.2.1.0"), {0, 1}, 0, [commands](HookContext& c, long) { commands->restart(c); });
    command(deviceOid("4.2.2.0"), {0, 1}, 0, [&services](HookContext& c, long) {
        c.store.reset(services.factoryState);
        services.log.add("System", "Factory default settings restored");
        note(c, "factory-reset");
    });
    command(deviceOid("4.2.3.0"), {0, 1}, 0, [&services](HookContext& c, long) {
        services.log.add("System", "Settings saved and activated");
        note(c, "apply");
    });
    command(deviceOid("4.3.2.3.0"), {kTftpGet, kTftpPut, kTftpNothing}, kTftpNothing,
            [commands](HookContext& c, long value) { commands->tftpCommand(c, value); });
    command(deviceOid("4.3.2.4.0"),
            {kUpgradeFirmware, kUpgradeConfigsave, kUpgradeReboot, kUpgradeNothing, kUpgradeCertificate, kUpgradeKey},
            kUpgradeNothing, [commands](HookContext& c, long value) { commands->upgradeCommand(c, value); });
    if (services.config.logBeforeReply) {
        hooks.addGuard(deviceOid("5.4.6.0"), oneOf({0, 1}));
        hooks.add(deviceOid("5.4.6.0"), [commands](HookContext& context, const Oid& at, const Value& written) {
            context.store.assign(at, Value::makeInteger(0));
            if (written.integer == 1)
                commands->sendLogNow(context);
        });
    } else {
        command(deviceOid("5.4.6.0"), {0, 1}, 0, [commands](HookContext& c, long) { commands->sendLog(c); });
    }
    command(deviceOid("5.4.10.0"), {0, 1}, 0, [&services](HookContext& c, long) {
        services.log.clear();
        note(c, "log cleared");
    });
}

} // namespace devsim
