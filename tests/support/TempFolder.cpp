#include "TempFolder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>
#include <vector>

namespace vka_test {

std::string MakeTempFolder(const std::string& prefix)
{
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    return ::mkdtemp(buffer.data()) ? std::string(buffer.data()) : std::string();
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
