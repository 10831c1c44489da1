#pragma once
// The TFTP client program the device runs to move a file to or from the
// module's TFTP server: tftp-hpa's `tftp` (default) or `atftp`. Builds the
// command line and judges a finished run; tftp-hpa exits with 0 also when a
// transfer failed, so its output decides.
#include <string>
#include <vector>

namespace devsim {

enum class TftpProgram { TftpHpa, Atftp };

struct TftpTransfer {
    bool upload = false;          // put (device to server) or get
    std::string server;           // dotted IPv4 address
    int port = 69;
    std::string remoteName;       // the name on the server
    std::string localPath;        // the device-side file
    unsigned blockMs = 0;         // a put fed to the client one block per blockMs (0: at once)
};

std::vector<std::string> tftpCommandLine(TftpProgram program, const TftpTransfer& transfer);

// True when the run succeeded; otherwise `reason` holds the client's own
// words (its last output line) or the exit status.
bool tftpSucceeded(TftpProgram program, int exitCode, const std::string& output, std::string& reason);

// The server check made before any client is started: the simulated device
// reaches this machine only (127.0.0.0/8). False with `reason` set.
bool tftpServerAllowed(const std::string& server, std::string& reason);

} // namespace devsim
