// tftpd-hpa's in.tftpd in the foreground on 127.0.0.1:<free port>, serving
// a fresh folder where uploads may create files; stopped by its own id.
#pragma once
#include <string>
#include <sys/types.h>

namespace devsim_test {

class InTftpd {
public:
    InTftpd() = default;
    ~InTftpd();
    InTftpd(const InTftpd&) = delete;
    InTftpd& operator=(const InTftpd&) = delete;

    bool Start(std::string* error);
    void Stop();
    unsigned short Port() const { return port_; }
    const std::string& Folder() const { return folder_; }

private:
    pid_t pid_ = -1;
    unsigned short port_ = 0;
    std::string folder_;
};

// A file's bytes ("" when missing) and writing them.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

} // namespace devsim_test
