#pragma once
// A private folder for one fuzz process, and whole-file reads and writes.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

class FuzzFolder {
public:
    FuzzFolder()
    {
        char pattern[] = "/tmp/vka-fuzz-XXXXXX";
        path_ = ::mkdtemp(pattern) ? pattern : "/tmp";
    }
    ~FuzzFolder()
    {
        const std::string command = "rm -rf '" + path_ + "'";
        (void)std::system(command.c_str());
    }
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
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
