#include "DevsimPeer.h"

#include "FreePort.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef VKA_DEVSIM_PROGRAM
#define VKA_DEVSIM_PROGRAM ""
#endif

namespace vka_test {

namespace {

constexpr int kExitPortInUse = 4; // devsim's exit code when its port is taken

bool WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

DevsimJournalBinding ParseBinding(const std::string& text)
{
    DevsimJournalBinding binding;
    std::size_t first = text.find(' ');
    binding.Oid = text.substr(0, first);
    if (first == std::string::npos)
        return binding;
    std::size_t second = text.find(' ', first + 1);
    binding.Type = text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    if (second != std::string::npos)
        binding.Value = text.substr(second + 1);
    return binding;
}

bool IsOk(const std::string& reply)
{
    return reply == "OK" || reply.compare(0, 3, "OK ") == 0;
}

} // namespace

DevsimPeer::~DevsimPeer()
{
    Stop();
}

std::string DevsimPeer::Program()
{
    return VKA_DEVSIM_PROGRAM;
}

std::string DevsimPeer::Log() const
{
    return dir_.empty() ? std::string() : ReadFile(dir_ + "/devsim.log");
}

bool DevsimPeer::Start(std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        Stop();
        return false;
    };
    if (Running())
        return fail("devsim is already running");
    if (Program().empty())
        return fail("this build has no devsim program");
    if (!MakeFolder("devsim-peer"))  // short: the control socket path must fit 108 bytes
        return fail("cannot create a temporary folder");
    if (::mkdir((dir_ + "/netsnmp").c_str(), 0700) != 0 || !WriteFile(StatePath(), stateText_)
        || (!configText_.empty() && !WriteFile(dir_ + "/device.conf", configText_)))
        return fail("cannot write devsim's files in " + dir_);

    // A free port may be taken before devsim binds it: try a few.
    std::string why;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (Launch(&why))
            return true;
        if (why != "port taken")
            break;
    }
    return fail(why + "\n" + Log());
}

bool DevsimPeer::Launch(std::string* why)
{
    port_ = FreeUdpPort();
    if (port_ == 0) {
        *why = "no free UDP port";
        return false;
    }
    std::vector<std::string> args = {Program(), "--port", std::to_string(port_), "--state", StatePath(),
                                     "--journal", JournalPath(), "--control", ControlPath(),
                                     "--dir", dir_ + "/netsnmp"};
    if (!configText_.empty()) {
        args.push_back("--config");
        args.push_back(dir_ + "/device.conf");
    }
    if (!Spawn(args, dir_ + "/devsim.log")) {
        *why = "cannot fork";
        return false;
    }
    int status = 0;
    if (WaitReady([&] { return Control("ping") == "OK"; }, 10, &status))
        return true;
    if (pid_ > 0)
        *why = "devsim did not answer within 10 s";
    else if (WIFEXITED(status) && WEXITSTATUS(status) == kExitPortInUse)
        *why = "port taken";
    else
        *why = "devsim ended at start (status " + std::to_string(status) + ")";
    return false;
}

void DevsimPeer::Stop()
{
    if (Running())
        Control("stop");
    EndAndClean(3000, false);
}

std::string DevsimPeer::Control(const std::string& command) const
{
    if (dir_.empty())
        return {};
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {};
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = ControlPath();
    if (path.size() >= sizeof address.sun_path) {
        ::close(fd);
        return {};
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    timeval wait{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    std::string reply;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const std::string line = command + "\n";
        if (::send(fd, line.data(), line.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(line.size())) {
            char c;
            while (::recv(fd, &c, 1, 0) == 1 && c != '\n')
                reply += c;
        }
    }
    ::close(fd);
    return reply;
}

bool DevsimPeer::LoadState(const std::string& path) const
{
    return IsOk(Control("load " + path));
}

bool DevsimPeer::SetValue(const std::string& oid, const std::string& type, const std::string& value) const
{
    return IsOk(Control("set " + oid + " " + type + " " + value));
}

bool DevsimPeer::DelayReplies(int milliseconds) const
{
    return IsOk(Control("delay " + std::to_string(milliseconds)));
}

bool DevsimPeer::DropNext(int requests) const
{
    return IsOk(Control("drop " + std::to_string(requests)));
}

bool DevsimPeer::SilentFor(int seconds) const
{
    return IsOk(Control("silent " + std::to_string(seconds)));
}

bool DevsimPeer::RemoveVariable(const std::string& oid) const
{
    return IsOk(Control("remove " + oid));
}

bool DevsimPeer::ClearJournal() const
{
    return IsOk(Control("clear-journal"));
}

std::string DevsimPeer::GetValue(const std::string& oid) const
{
    const std::string reply = Control("get " + oid);
    if (!IsOk(reply))
        return {};
    // "OK <oid> <TYPE> <value>"
    std::size_t afterOid = reply.find(' ', 3);
    return afterOid == std::string::npos ? std::string() : reply.substr(afterOid + 1);
}

std::vector<std::string> DevsimPeer::StateLines() const
{
    const std::string path = dir_ + "/dump.state";
    if (!IsOk(Control("dump " + path)))
        return {};
    std::istringstream text(ReadFile(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

std::vector<DevsimJournalEntry> DevsimPeer::Journal() const
{
    return ParseJournal(ReadFile(JournalPath()));
}

std::vector<DevsimJournalEntry> DevsimPeer::ParseJournal(const std::string& text)
{
    std::vector<DevsimJournalEntry> entries;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() < 5)
            continue;
        DevsimJournalEntry entry;
        entry.Kind = fields[0];
        entry.Version = fields[1];
        entry.Security = fields[2];
        entry.Status = fields[3];
        entry.ErrorIndex = std::strtol(fields[4].c_str(), nullptr, 10);
        for (std::size_t i = 5; i < fields.size(); ++i)
            entry.Bindings.push_back(ParseBinding(fields[i]));
        entries.push_back(std::move(entry));
    }
    return entries;
}

}
