#include "DeviceLog.h"

#include <cstdio>

namespace devsim {

DeviceLog::DeviceLog()
{
    add("System", "System started, firmware 1.2.07");
    add("Wireless", "Radio on, 2.4GHz channel 6");
    add("Notice", "Station 00:1C:C0:50:60:01 associated with VKA-7410");
    add("System", "Administrator login from 192.168.1.100");
}

void DeviceLog::add(const std::string& type, const std::string& message)
{
    // The device clock starts at 1 January 2000; one entry every 12 seconds.
    const unsigned seconds = 5 + 12 * static_cast<unsigned>(lines_.size());
    char time[32];
    std::snprintf(time, sizeof time, "Jan  1 %02u:%02u:%02u", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
    lines_.push_back(std::string(time) + " | VKA-7410 [" + type + "]" + message);
}

std::string DeviceLog::fileText() const
{
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    return text;
}

} // namespace devsim
