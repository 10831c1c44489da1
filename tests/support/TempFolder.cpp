#include "TempFolder.h"

#include <chrono>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vka_test {

namespace {

std::string MakeFolderLike(const std::string& pattern)
{
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    return ::mkdtemp(buffer.data()) ? std::string(buffer.data()) : std::string();
}

// $TMPDIR/vka-<program>-XXXXXX, made at first use and removed with everything in it
// when the program ends, passed or failed. Only the process that made it removes it
// (a forked child that exits leaves it to its parent). The program's name is cut
// short: sockets below it must fit 108 bytes. Under scripts/test the name carries the
// run's mark ($VKA7410_TEST_RUN) too, so what a run leaves is told from another's.
class ProgramFolder {
public:
    ProgramFolder() : owner_(::getpid())
    {
        const char* base = std::getenv("TMPDIR");
        const char* run = std::getenv("VKA7410_TEST_RUN");
        const std::string program = std::string(program_invocation_short_name).substr(0, 20);
        const std::string mark = run && *run ? std::string(run).substr(0, 12) + "-" : "";
        path_ = MakeFolderLike(std::string(base && *base ? base : "/tmp") + "/vka-" + mark + program + "-XXXXXX");
        // Others may pass through, as through /tmp, but not list it: a test that opens a
        // folder of its own to another user (checks run as "nobody") still works.
        if (!path_.empty())
            ::chmod(path_.c_str(), 0711);
    }
    ~ProgramFolder()
    {
        if (::getpid() == owner_)
            RemoveFolder(path_);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    pid_t owner_;
    std::string path_;
};

}  // namespace

const std::string& ProgramTempFolder()
{
    static const ProgramFolder folder;
    return folder.Path();
}

std::string MakeTempFolder(const std::string& prefix)
{
    const std::string& program = ProgramTempFolder();
    return program.empty() ? std::string() : MakeFolderLike(program + "/" + prefix + "-XXXXXX");
}

void RemoveFolder(const std::string& path)
{
    if (path.empty())
        return;
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (fs::recursive_directory_iterator it(path, ignored), end; it != end; it.increment(ignored))
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    const std::string file = *this / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string TempFolder::Read(const std::string& name) const
{
    std::ifstream in(*this / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempFolder::MakeFolder(const std::string& name) const
{
    std::filesystem::create_directory(*this / name);
}

bool WaitFor(const std::function<bool()>& done, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace vka_test
