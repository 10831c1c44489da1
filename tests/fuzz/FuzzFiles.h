#pragma once
// A private folder for one fuzz process, and whole-file reads and writes.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

class FuzzFolder {
public:
    FuzzFolder()
    {
        const char* run = std::getenv("VKA7410_TEST_RUN");  // a test run's mark, as every name it gives
        std::string pattern = (std::filesystem::temp_directory_path() / ("vka-fuzz-" + std::string(run ? run : "") + "-XXXXXX")).string();
        made_ = ::mkdtemp(pattern.data()) != nullptr;
        path_ = made_ ? pattern : std::filesystem::temp_directory_path().string();
    }
    ~FuzzFolder()
    {
        std::error_code ignored;
        if (made_)
            std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    bool made_ = false;
    std::string path_;
};

inline void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Aborts (so libFuzzer keeps the input) when a property does not hold.
#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)
