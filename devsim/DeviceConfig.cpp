#include "DeviceConfig.h"

#include "RegularFile.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace devsim {

namespace {

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> result;
    std::string word;
    while (in >> word)
        result.push_back(word);
    return result;
}

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool plainWord(const std::string& word)
{
    for (unsigned char c : word)
        if (c <= 0x20 || c >= 0x7f || c == '"' || c == '\'' || c == '\\' || c == '#')
            return false;
    return !word.empty();
}

bool privacyProtocol(const std::string& word)
{
    return upper(word) == "DES" || upper(word) == "AES";
}

// True when words follow w[last] other than one closing "readonly": what the line
// has no room for is the rest of a pass phrase with blanks.
bool wordsAfter(const std::vector<std::string>& w, std::size_t last)
{
    const std::size_t rest = w.size() - (last + 1);
    return rest > 1 || (rest == 1 && w.back() != "readonly");
}

// A pass phrase is one word of any bytes but blanks (AccessSetup hands it to net-snmp
// quoted), of the length net-snmp takes whole.
void checkPass(const std::string& user, const std::string& pass, bool blanks, const char* what)
{
    if (blanks)
        throw std::runtime_error("user " + user + ": " + what + " pass phrase must not hold blanks");
    if (pass.size() < 8 || pass.size() > 1023)
        throw std::runtime_error("user " + user + ": " + what + " pass phrase must have 8 to 1023 bytes");
}

UsmUser parseUser(const std::vector<std::string>& w)
{
    if (w.size() < 3)
        throw std::runtime_error("user needs a name and a level (noAuthNoPriv, authNoPriv or authPriv)");
    UsmUser user;
    user.name = w[1];
    if (!plainWord(user.name) || user.name.size() > 32)
        throw std::runtime_error("user name \"" + user.name
                                 + "\" must be 1 to 32 printable ASCII characters without quotes, backslashes or \"#\"");
    std::size_t next = 3;
    const std::string level = w[2];
    if (level == "noAuthNoPriv") {
        user.level = SecurityLevel::NoAuthNoPriv;
    } else if (level == "authNoPriv" || level == "authPriv") {
        user.level = level == "authPriv" ? SecurityLevel::AuthPriv : SecurityLevel::AuthNoPriv;
        if (w.size() < 5)
            throw std::runtime_error("user " + user.name + ": " + level + " needs MD5|SHA and a pass phrase");
        user.authProtocol = upper(w[3]);
        if (user.authProtocol != "MD5" && user.authProtocol != "SHA")
            throw std::runtime_error("user " + user.name + ": unknown authentication protocol \"" + w[3] + "\" (MD5 or SHA)");
        user.authPass = w[4];
        const bool authBlanks = user.level == SecurityLevel::AuthNoPriv
                                    ? wordsAfter(w, 4)
                                    : w.size() > 6 && !privacyProtocol(w[5])
                                          && std::any_of(w.begin() + 6, w.end(), privacyProtocol);
        checkPass(user.name, user.authPass, authBlanks, "authentication");
        next = 5;
        if (user.level == SecurityLevel::AuthPriv) {
            if (w.size() < 7)
                throw std::runtime_error("user " + user.name + ": authPriv needs DES|AES and a privacy pass phrase");
            user.privProtocol = upper(w[5]);
            if (!privacyProtocol(user.privProtocol))
                throw std::runtime_error("user " + user.name + ": unknown privacy protocol \"" + w[5] + "\" (DES or AES)");
            user.privPass = w[6];
            checkPass(user.name, user.privPass, wordsAfter(w, 6), "privacy");
            next = 7;
        }
    } else {
        throw std::runtime_error("user " + user.name + ": unknown level \"" + level
                                 + "\" (noAuthNoPriv, authNoPriv or authPriv)");
    }
    if (next < w.size()) {
        if (w[next] != "readonly" || next + 1 != w.size())
            throw std::runtime_error("user " + user.name + ": unexpected \"" + w[next] + "\"");
        user.readOnly = true;
    }
    return user;
}

} // namespace

DeviceConfig defaultDeviceConfig()
{
    DeviceConfig config;
    config.readCommunities = {"orchid"};
    config.writeCommunities = {"thunder"};
    return config;
}

DeviceConfig parseDeviceConfig(const std::string& text, const std::string& name)
{
    DeviceConfig config;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::vector<std::string> w = words(line);
        if (w.empty() || w[0][0] == '#')
            continue;
        try {
            if (w[0] == "read-community" || w[0] == "write-community") {
                if (w.size() != 2 || !plainWord(w[1]))
                    throw std::runtime_error(w[0] + " needs one community of printable ASCII characters without"
                                                    " quotes, backslashes or \"#\"");
                (w[0] == "read-community" ? config.readCommunities : config.writeCommunities).push_back(w[1]);
            } else if (w[0] == "user") {
                UsmUser user = parseUser(w);
                for (const UsmUser& other : config.users)
                    if (other.name == user.name)
                        throw std::runtime_error("user " + user.name + " is given twice");
                config.users.push_back(std::move(user));
            } else if (w[0] == "restart-silence") {
                if (w.size() != 2 || w[1].empty() || w[1].size() > 6
                    || w[1].find_first_not_of("0123456789") != std::string::npos)
                    throw std::runtime_error("restart-silence needs a number of seconds");
                config.restartSilenceSeconds = static_cast<unsigned>(std::stoul(w[1]));
            } else if (w[0] == "tftp-client") {
                if (w.size() != 2 || (w[1] != "tftp-hpa" && w[1] != "atftp"))
                    throw std::runtime_error("tftp-client needs tftp-hpa or atftp");
                config.tftpClient = w[1];
            } else if (w[0] == "log-upload") {
                if (w.size() != 2 || (w[1] != "after-reply" && w[1] != "before-reply"))
                    throw std::runtime_error("log-upload needs after-reply or before-reply");
                config.logBeforeReply = w[1] == "before-reply";
            } else if (w[0] == "tftp-port") {
                if (w.size() != 2 || w[1].empty() || w[1].size() > 5
                    || w[1].find_first_not_of("0123456789") != std::string::npos || std::stoi(w[1]) < 1
                    || std::stoi(w[1]) > 65535)
                    throw std::runtime_error("tftp-port needs a port from 1 to 65535");
                config.tftpPort = std::stoi(w[1]);
            } else {
                throw std::runtime_error("unknown setting \"" + w[0] + "\"");
            }
        } catch (const std::runtime_error& e) {
            throw ConfigError(name + ": line " + std::to_string(number) + ": " + e.what());
        }
    }
    if (config.readCommunities.empty())
        config.readCommunities = {"orchid"};
    if (config.writeCommunities.empty())
        config.writeCommunities = {"thunder"};
    return config;
}

DeviceConfig loadDeviceConfig(const std::string& path)
{
    std::string content;
    const std::string fault = readRegularFile(path, "configuration file", content);
    if (!fault.empty())
        throw ConfigError(fault);
    return parseDeviceConfig(content, path);
}

} // namespace devsim
