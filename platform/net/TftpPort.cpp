#include "TftpPort.h"

#include <cstdlib>
#include <string>

const char* const TftpPortVariable = "VKA7410_TFTP_PORT";

int TftpServerPort(int designedPort)
{
    const char* value = std::getenv(TftpPortVariable);
    if (!value || !*value)
        return designedPort;
    const std::string text(value);
    if (text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return designedPort;
    const int port = std::stoi(text);
    return port >= 1 && port <= 65535 ? port : designedPort;
}
