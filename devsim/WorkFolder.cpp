#include "WorkFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace devsim {

namespace {

int removeOne(const char* path, const struct stat*, int, struct FTW*)
{
    ::remove(path);
    return 0;
}

} // namespace

WorkFolder::~WorkFolder()
{
    if (owned_ && !path_.empty())
        ::nftw(path_.c_str(), removeOne, 16, FTW_DEPTH | FTW_PHYS);
}

bool WorkFolder::prepare(const std::string& given, std::string& error)
{
    if (!given.empty()) {
        struct stat info {};
        if (::stat(given.c_str(), &info) != 0) {
            error = given + ": " + (errno == ENOENT || errno == ENOTDIR ? "does not exist" : std::strerror(errno));
            return false;
        }
        if (!S_ISDIR(info.st_mode)) {
            error = given + ": not a folder";
            return false;
        }
        // net-snmp makes its own folders below this one and takes a relative
        // path from the file system's root: hand everyone the full path.
        std::error_code failed;
        path_ = std::filesystem::absolute(given, failed).string();
        if (failed) {
            error = given + ": " + failed.message();
            return false;
        }
        return true;
    }
    // A test run's mark ($VKA7410_TEST_RUN) in the name tells what a run left from another's.
    const char* base = std::getenv("TMPDIR");
    const char* run = std::getenv("VKA7410_TEST_RUN");
    const std::string mark = run && *run ? std::string(run) + "." : "";
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/devsim." + mark + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data())) {
        error = "cannot create a temporary folder: " + std::string(std::strerror(errno));
        return false;
    }
    path_ = buffer.data();
    owned_ = true;
    return true;
}

} // namespace devsim
