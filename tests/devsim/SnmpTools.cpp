#include "TempFolder.h"
#include "SnmpTools.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace devsim_test {

namespace {

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// The tools' own configuration and persistent folder, removed at exit.
class ToolFolderHolder {
public:
    ToolFolderHolder()
    {
        const std::string pattern = vka_test::MakeTempFolder("devsim-tools");
        if (!pattern.empty())
            path = pattern;
    }
    ~ToolFolderHolder()
    {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

const std::string& ToolFolder()
{
    static const ToolFolderHolder folder;
    return folder.path;
}

std::string Trim(const std::string& text)
{
    std::size_t b = text.find_first_not_of(" \r\n");
    std::size_t e = text.find_last_not_of(" \r\n");
    return b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
}

} // namespace

ToolRun RunTool(const std::string& tool, const std::vector<std::string>& arguments)
{
    const std::string& folder = ToolFolder();
    std::string command = "env SNMPCONFPATH=" + Quote(folder) + " SNMP_PERSISTENT_DIR=" + Quote(folder)
                        + " MIBS= MIBDIRS=" + Quote(folder) + " " + tool + " -On -Ot";
    for (const std::string& argument : arguments)
        command += " " + Quote(argument);
    command += " 2>&1";
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<ToolVar> ParseVars(const std::string& output)
{
    std::vector<ToolVar> vars;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        const std::string line = output.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line[0] != '.')
            continue;
        std::size_t equals = line.find(" = ");
        if (equals == std::string::npos)
            continue;
        ToolVar var;
        var.Oid = line.substr(1, equals - 1);
        const std::string rest = line.substr(equals + 3);
        if (rest.rfind("No more variables left", 0) == 0)
            continue; // the end of a v2c walk, not a variable
        std::size_t colon = rest.find(": ");
        if (colon != std::string::npos && rest.find(' ') > colon) {
            var.Type = rest.substr(0, colon);
            var.Value = Trim(rest.substr(colon + 2));
        } else if (rest.size() && rest.back() == ':' && rest.find(' ') == std::string::npos) {
            var.Type = rest.substr(0, rest.size() - 1);
        } else {
            var.Value = Trim(rest);
        }
        vars.push_back(var);
    }
    return vars;
}

std::vector<std::string> Community(const std::string& version, const std::string& community, int timeoutSeconds)
{
    return {"-v", version, "-c", community, "-t", std::to_string(timeoutSeconds), "-r", "0"};
}

std::vector<std::string> Join(std::vector<std::string> first, const std::vector<std::string>& rest)
{
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

} // namespace devsim_test
