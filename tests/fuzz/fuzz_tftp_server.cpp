// Datagrams from a peer on loopback to a running TFTP server: to its listening port
// and to the port of the last session that answered. Whatever arrives, nothing is
// created or changed outside the served folder, and sessions and descriptors stay
// within the server's bounds.
//
// Input: records of [selector][length][bytes]; an even selector sends to the
// listening port, an odd one to the last session port heard from.
#include "FuzzFiles.h"
#include "KwTFTPServer.h"

#include <QCoreApplication>
#include <arpa/inet.h>
#include <cstdint>
#include <dirent.h>
#include <netinet/in.h>
#include <set>
#include <sys/socket.h>
#include <sys/stat.h>

namespace {

int OpenDescriptors()
{
    int count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir))
            ++count;
        ::closedir(dir);
    }
    return count;
}

std::set<std::string> Names(const std::string& folder, bool* onlyFiles = nullptr)
{
    std::set<std::string> names;
    if (onlyFiles)
        *onlyFiles = true;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            names.insert(name);
            struct stat info;
            if (onlyFiles && (::lstat((folder + "/" + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)))
                *onlyFiles = false;
        }
        ::closedir(dir);
    }
    return names;
}

// The world lives to the end of the run (its server serves to the last input); its
// folder goes when the run ends.
FuzzFolder& TopFolder()
{
    static FuzzFolder folder;
    return folder;
}

struct World {
    FuzzFolder& top = TopFolder();
    std::string root = top / "served";
    std::string secret = top / "secret";
    KwTFTPServer* server = nullptr;
    int peer = -1;
    std::uint16_t port = 0;
    std::uint16_t sessionPort = 0;
    int baseline = 0;

    World()
    {
        static int argc = 1;
        static char name[] = "fuzz_tftp_server";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
        ::mkdir(root.c_str(), 0700);
        WriteWholeFile(root + "/a", std::string(700, 'a'));
        WriteWholeFile(root + "/empty", "");
        WriteWholeFile(secret, "secret");
        server = new KwTFTPServer(nullptr);
        server->SetListenAddress("127.0.0.1");
        server->SetTimeout(1, 2);  // sessions end within a few ticks
        server->SetOnStatus([](KwTFTPMsg& msg, bool&) { FUZZ_CHECK(msg.Text == TFTPStatusText(msg.Code)); });
        server->Start(AnsiString(root.c_str()), 0);
        port = static_cast<std::uint16_t>(server->Template().ServerPort);
        peer = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(peer, reinterpret_cast<sockaddr*>(&local), sizeof local);
        baseline = OpenDescriptors();
    }

    void Send(std::uint16_t to, const std::uint8_t* bytes, std::size_t length)
    {
        sockaddr_in target{};
        target.sin_family = AF_INET;
        target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        target.sin_port = htons(to);
        ::sendto(peer, bytes, length, 0, reinterpret_cast<sockaddr*>(&target), sizeof target);
    }

    // Lets the server handle what arrived, and notes where its answers came from.
    void Pump()
    {
        for (int round = 0; round < 3; ++round) {
            QCoreApplication::processEvents();
            std::uint8_t reply[4096];
            sockaddr_in from{};
            socklen_t length = sizeof from;
            while (::recvfrom(peer, reply, sizeof reply, 0, reinterpret_cast<sockaddr*>(&from), &length) >= 0) {
                if (ntohs(from.sin_port) != port)
                    sessionPort = ntohs(from.sin_port);
                length = sizeof from;
            }
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static World* world = new World();
    for (std::size_t at = 0; at + 2 <= size;) {
        const bool toSession = data[at] & 1;
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        const std::uint16_t to = toSession && world->sessionPort ? world->sessionPort : world->port;
        world->Send(to, data + at + 2, length);
        at += 2 + length;
        world->Pump();
    }
    // Ended sessions' windows and notifiers go with deleteLater, which only an event
    // loop would carry out.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FUZZ_CHECK(world->server->SessionCount() <= KwTFTPServer::MaxSessions);
    FUZZ_CHECK(OpenDescriptors() <= world->baseline + 2 * KwTFTPServer::MaxSessions + 8);
    FUZZ_CHECK((Names(world->top.Path()) == std::set<std::string>{"served", "secret"}));
    FUZZ_CHECK(ReadWholeFile(world->secret) == "secret");
    bool onlyFiles = false;
    Names(world->root, &onlyFiles);
    FUZZ_CHECK(onlyFiles);
    return 0;
}
