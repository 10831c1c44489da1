#include "RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace devsim {

std::string readRegularFile(const std::string& path, const std::string& what, std::string& content)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return path + ": cannot read the " + what + ": " + (missing ? "it does not exist" : std::strerror(errno));
    }
    if (S_ISDIR(info.st_mode))
        return path + ": is a folder, not a " + what;
    if (!S_ISREG(info.st_mode))
        return path + ": is not a regular file, not a " + what;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return path + ": cannot read the " + what + ": " + std::strerror(errno);
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        return path + ": cannot read the " + what;
    content = text.str();
    return "";
}

} // namespace devsim
