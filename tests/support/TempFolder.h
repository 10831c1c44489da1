#pragma once
// Fresh folders for tests under $TMPDIR (/tmp without it) and waiting for a condition
// with a deadline outside the Qt event loop.
#include <functional>
#include <string>

namespace vka_test {

// This test program's own folder, $TMPDIR/vka-<program>-XXXXXX: made at first use,
// removed with all it holds when the program ends, also after failed tests. "" when
// it could not be made.
const std::string& ProgramTempFolder();

// Creates <prefix>-XXXXXX in the program's folder (so it goes at the latest with it);
// its path without a trailing '/', or "" when it could not be made.
std::string MakeTempFolder(const std::string& prefix);

// Removes a folder and everything below it (what a test made in it, read-only or not).
void RemoveFolder(const std::string& path);

// A temporary folder that goes with its owner, also when a test left parts of it
// read-only.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "vka-test") : path_(MakeTempFolder(prefix)) {}
    ~TempFolder() { RemoveFolder(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Writes `bytes` to the file `name` in the folder; its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // The bytes of the file `name`; "" when there is none.
    std::string Read(const std::string& name) const;
    void MakeFolder(const std::string& name) const;

private:
    std::string path_;
};

// Asks `done` every 10 ms until it holds or `seconds` pass; true when it held.
bool WaitFor(const std::function<bool()>& done, double seconds = 10.0);

}  // namespace vka_test
