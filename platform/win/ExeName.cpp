#include "ExeName.h"
#include "Paths.h"

#include <climits>
#include <unistd.h>

std::string ExeName()
{
    char buffer[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof buffer))
        return std::string();
    return std::string(buffer, static_cast<size_t>(length));
}

std::string ExeFolder()
{
    return ExtractFilePath(ExeName());
}
