#pragma once
// Temporary folders and file contents for the TFTP tests.
#include <cstdint>
#include <string>
#include <vector>

// A fresh folder under /tmp, removed with everything in it at destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    // Names in the folder (no "." or ".."), sorted.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

// `size` bytes that differ from block to block, so a lost, repeated or misplaced
// block shows up in a comparison.
std::string PatternBytes(std::size_t size, unsigned seed = 1);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The file's bytes; `exists` false (and "") when it cannot be read.
std::string ReadFileBytes(const std::string& path, bool* exists = nullptr);
bool PathExists(const std::string& path);
