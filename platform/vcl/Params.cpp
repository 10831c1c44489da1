// The program's arguments.
#include "System.h"

#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

namespace {
std::mutex paramsMutex;
bool paramsSet = false;
std::vector<AnsiString> params;

// The process's own arguments, NUL-separated in /proc/self/cmdline.
std::vector<AnsiString> ProcessParams()
{
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<AnsiString> out;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\0', start);
        if (end == std::string::npos)
            end = bytes.size();
        out.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

const std::vector<AnsiString>& Params()
{
    if (!paramsSet) {
        params = ProcessParams();
        paramsSet = true;
    }
    return params;
}
}  // namespace

void SetParams(int argc, const char* const* argv)
{
    std::lock_guard<std::mutex> lock(paramsMutex);
    params.clear();
    for (int i = 0; i < argc && argv; ++i)
        params.emplace_back(argv[i]);
    paramsSet = true;
}

int ParamCount()
{
    std::lock_guard<std::mutex> lock(paramsMutex);
    const auto& all = Params();
    return all.empty() ? 0 : static_cast<int>(all.size()) - 1;
}

AnsiString ParamStr(int index)
{
    std::lock_guard<std::mutex> lock(paramsMutex);
    const auto& all = Params();
    if (index < 0 || index >= static_cast<int>(all.size()))
        return AnsiString();
    return all[static_cast<size_t>(index)];
}
