#pragma once

#include <string>

namespace devsim {

enum class FileFault { None, Folder, NotRegular, Unreadable };

// Reads a whole regular file. Folders, devices and pipes are refused unread:
// /dev/zero would never end and a pipe without writer would stop the device.
FileFault readRegularFile(const std::string& path, std::string& content);

} // namespace devsim
