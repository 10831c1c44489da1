// devsim: the simulated VKA-7410 access point (see Device.h, CommandLine.h).
#include "CommandLine.h"
#include "Device.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    devsim::Options options;
    try {
        options = devsim::parseCommandLine(arguments);
    } catch (const devsim::UsageError& e) {
        std::cerr << "devsim: " << e.what() << "\n" << devsim::usageText() << "\n";
        return devsim::kExitUsage;
    }
    if (options.help) {
        std::cout << devsim::helpText();
        return devsim::kExitOk;
    }
    return devsim::runDevice(options);
}
