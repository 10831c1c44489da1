// What the simulated device did after a set, as its journal notes it
// ("NOTE" TAB text lines, see devsim/README.md), and where its own files
// lie (config.dcf, download.img, firmware.img, certificate.pem, key.pem,
// restore.dcf, LogFile.RD).
#pragma once
#include "DevsimPeer.h"

#include <string>
#include <vector>

namespace vka_test {

// The device's file folder: its --dir folder.
std::string DevsimFilesFolder(const DevsimPeer& peer);

// The journal's notes in order, without the leading "NOTE" TAB.
std::vector<std::string> DevsimNotes(const DevsimPeer& peer);

// Waits until the journal holds "<what> ok" or "<what> failed: <reason>"
// (what: "tftp get download.img", "tftp put config.dcf", "upgrade firmware",
// ...) and returns that note; "" when none came within `seconds`.
std::string WaitForDevsimOutcome(const DevsimPeer& peer, const std::string& what, double seconds = 40);

}  // namespace vka_test
