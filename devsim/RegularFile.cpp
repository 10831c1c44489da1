#include "RegularFile.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace devsim {

FileFault readRegularFile(const std::string& path, std::string& content)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return FileFault::Unreadable;
    if (S_ISDIR(info.st_mode))
        return FileFault::Folder;
    if (!S_ISREG(info.st_mode))
        return FileFault::NotRegular;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return FileFault::Unreadable;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        return FileFault::Unreadable;
    content = text.str();
    return FileFault::None;
}

} // namespace devsim
