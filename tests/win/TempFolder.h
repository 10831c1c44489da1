#pragma once
// A fresh folder under /tmp for one test, removed with everything in it afterwards.
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/vka-win-XXXXXX";
        path_ = ::mkdtemp(pattern) ? pattern : "";
    }
    ~TempFolder()
    {
        if (!path_.empty()) {
            std::string command = "chmod -R u+w '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'";
            (void)std::system(command.c_str());
        }
    }
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(*this / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(*this / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void MakeFolder(const std::string& name) const { ::mkdir((*this / name).c_str(), 0755); }

private:
    std::string path_;
};
