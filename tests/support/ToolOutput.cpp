#include "ToolOutput.h"

#include <cstdio>

namespace vka_test {

std::string RunTool(const std::string& commandLine)
{
    std::string output;
    FILE* pipe = popen((commandLine + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    pclose(pipe);
    while (!output.empty() && (output.back() == '\n' || output.back() == ' '))
        output.pop_back();
    return output;
}

} // namespace vka_test
