#pragma once
// The folder where net-snmp may keep its own files: the one given on the
// command line, or a fresh temporary folder that is removed at exit.
#include <string>

namespace devsim {

class WorkFolder {
public:
    WorkFolder() = default;
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // `given` empty: creates a temporary folder. A given folder must exist; a
    // relative one is taken from the current folder. False with `error` naming why
    // when the folder is missing, not a folder, or cannot be created.
    bool prepare(const std::string& given, std::string& error);
    const std::string& path() const { return path_; }

private:
    std::string path_;
    bool owned_ = false;
};

} // namespace devsim
