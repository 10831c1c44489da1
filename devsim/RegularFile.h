#pragma once

#include <string>

namespace devsim {

// Reads a whole regular file into `content`. Folders, devices and pipes are
// refused unread: /dev/zero would never end and a pipe without writer would
// stop the device. Returns "" when read, otherwise the fault as
// "PATH: ...", naming the file as `what` (e.g. "state file").
std::string readRegularFile(const std::string& path, const std::string& what, std::string& content);

} // namespace devsim
