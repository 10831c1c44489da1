#include "TftpClient.h"

#include <arpa/inet.h>
#include <sstream>

namespace devsim {

std::vector<std::string> tftpCommandLine(TftpProgram program, const TftpTransfer& t)
{
    const std::string port = std::to_string(t.port);
    if (program == TftpProgram::Atftp)
        return {"atftp", t.upload ? "--put" : "--get", "-r", t.remoteName, "-l", t.localPath, t.server, port};
    // -l: a ':' in a name is part of the name, not a host separator.
    return {"tftp", "-4", "-v", "-l", "-m", "binary", t.server, port,
            "-c", t.upload ? "put" : "get", t.upload ? t.localPath : t.remoteName,
            t.upload ? t.remoteName : t.localPath};
}

namespace {

std::string lastLine(const std::string& output)
{
    std::istringstream in(output);
    std::string line;
    std::string last;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (!line.empty())
            last = line;
    }
    return last;
}

} // namespace

bool tftpSucceeded(TftpProgram program, int exitCode, const std::string& output, std::string& reason)
{
    const bool hpaFailure = program == TftpProgram::TftpHpa
        && (output.find("Error code") != std::string::npos || output.find("timed out") != std::string::npos
            || (output.find("Received ") == std::string::npos && output.find("Sent ") == std::string::npos));
    if (exitCode == 0 && !hpaFailure)
        return true;
    reason = lastLine(output);
    if (reason.empty())
        reason = exitCode < 0 ? "the client was stopped" : "the client ended with status " + std::to_string(exitCode);
    return false;
}

bool tftpServerAllowed(const std::string& server, std::string& reason)
{
    in_addr address {};
    if (::inet_pton(AF_INET, server.c_str(), &address) != 1) {
        reason = "server address \"" + server + "\" is not an IPv4 address";
        return false;
    }
    if ((ntohl(address.s_addr) >> 24) != 127) {
        reason = "server " + server + " is outside 127.0.0.0/8, the only network the simulated device reaches";
        return false;
    }
    return true;
}

} // namespace devsim
