#pragma once
// A private folder under the system's temporary folder, removed with its files.
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/kwutil-XXXXXX";
        path_ = ::mkdtemp(pattern) ? pattern : "";
    }
    ~TempFolder()
    {
        if (!path_.empty())
            std::system(("rm -rf '" + path_ + "'").c_str());
    }
    const std::string& Path() const { return path_; }
    std::string Write(const std::string& name, const std::string& content) const
    {
        std::string file = path_ + "/" + name;
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

private:
    std::string path_;
};
