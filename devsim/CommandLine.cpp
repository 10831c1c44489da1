#include "CommandLine.h"

namespace devsim {

const char* usageText()
{
    return "usage: devsim --port N --state FILE [--config FILE] [--journal FILE] [--control PATH] [--dir DIR]";
}

Options parseCommandLine(const std::vector<std::string>& arguments)
{
    Options options;
    bool havePort = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        std::string* target = nullptr;
        if (name == "--state") target = &options.statePath;
        else if (name == "--config") target = &options.configPath;
        else if (name == "--journal") target = &options.journalPath;
        else if (name == "--control") target = &options.controlPath;
        else if (name == "--dir") target = &options.workDir;
        else if (name != "--port") throw UsageError("unknown argument \"" + name + "\"");
        if (i + 1 >= arguments.size() || arguments[i + 1].empty())
            throw UsageError(name + " needs a value");
        const std::string& value = arguments[++i];
        if (target) {
            *target = value;
            continue;
        }
        if (value.size() > 5 || value.find_first_not_of("0123456789") != std::string::npos)
            throw UsageError("--port needs a number from 1 to 65535, not \"" + value + "\"");
        options.port = std::stoi(value);
        if (options.port < 1 || options.port > 65535)
            throw UsageError("--port needs a number from 1 to 65535, not \"" + value + "\"");
        havePort = true;
    }
    if (!havePort)
        throw UsageError("--port is required");
    if (options.statePath.empty())
        throw UsageError("--state is required");
    return options;
}

} // namespace devsim
