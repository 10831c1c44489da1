#pragma once
// The device's local log, as it sends it in "LogFile.RD": one entry a line,
// CR LF ended, each "time | host [type]message" (types System, Wireless,
// Notice). Starts with a few entries; the log-clear command empties it.
#include <string>
#include <vector>

namespace devsim {

class DeviceLog {
public:
    DeviceLog();

    void add(const std::string& type, const std::string& message);
    // A whole line as given (control channel).
    void addLine(const std::string& line) { lines_.push_back(line); }
    void clear() { lines_.clear(); }
    std::size_t size() const { return lines_.size(); }

    // The file's text.
    std::string fileText() const;

private:
    std::vector<std::string> lines_;
};

} // namespace devsim
