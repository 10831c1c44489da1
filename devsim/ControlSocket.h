#pragma once
// The control channel's Unix stream socket: any number of connections, each
// sending command lines and reading one reply line per command. Its
// descriptors are watched by net-snmp's agent loop.
#include "ControlCommands.h"

#include <map>
#include <string>

namespace devsim {

class ControlSocket {
public:
    explicit ControlSocket(ControlCommands& commands);
    ~ControlSocket();
    ControlSocket(const ControlSocket&) = delete;
    ControlSocket& operator=(const ControlSocket&) = delete;

    // Creates and listens on `path` (an old socket file there is replaced);
    // false with `error` set when it cannot.
    bool listen(const std::string& path, std::string& error);

private:
    static void onListen(int fd, void* data);
    static void onClient(int fd, void* data);
    void accept();
    void serve(int fd);
    void drop(int fd);

    ControlCommands& commands_;
    std::string path_;
    int listenFd_ = -1;
    std::map<int, std::string> pending_;   // unfinished input per connection
};

} // namespace devsim
