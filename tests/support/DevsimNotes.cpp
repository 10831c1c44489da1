#include "DevsimNotes.h"

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace vka_test {

std::string DevsimFilesFolder(const DevsimPeer& peer)
{
    return peer.Folder() + "/netsnmp";
}

std::vector<std::string> DevsimNotes(const DevsimPeer& peer)
{
    std::ifstream file(peer.JournalPath(), std::ios::binary);
    std::vector<std::string> notes;
    std::string line;
    while (std::getline(file, line))
        if (line.rfind("NOTE\t", 0) == 0)
            notes.push_back(line.substr(5));
    return notes;
}

std::string WaitForDevsimOutcome(const DevsimPeer& peer, const std::string& what, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<long>(seconds * 1000));
    for (;;) {
        for (const std::string& note : DevsimNotes(peer))
            if (note == what + " ok" || note.rfind(what + " failed: ", 0) == 0)
                return note;
        if (std::chrono::steady_clock::now() >= deadline)
            return "";
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace vka_test
