#pragma once
// The UDP port the maintenance forms' TFTP server listens on. The forms serve on the
// standard port 69, which needs root or CAP_NET_BIND_SERVICE on Linux. For tests and
// unprivileged runs the environment variable VKA7410_TFTP_PORT (a number from 1 to
// 65535) moves it; the device must then be told the same port (devsim: "tftp-port N"
// in its configuration). An unset, empty or malformed value keeps the designed port.

// The port to listen on instead of `designedPort`.
int TftpServerPort(int designedPort = 69);

// The name of the environment variable.
extern const char* const TftpPortVariable;  // "VKA7410_TFTP_PORT"
