#include "EnvironmentOverride.h"

#include <cstdlib>

namespace vka_test {

void EnvironmentOverride::Set(const std::string& name, const std::string& value)
{
    const char* now = std::getenv(name.c_str());
    earlier_.emplace_back(name, now ? std::optional<std::string>(now) : std::nullopt);
    ::setenv(name.c_str(), value.c_str(), 1);
}

void EnvironmentOverride::Restore()
{
    for (auto it = earlier_.rbegin(); it != earlier_.rend(); ++it) {
        if (it->second)
            ::setenv(it->first.c_str(), it->second->c_str(), 1);
        else
            ::unsetenv(it->first.c_str());
    }
    earlier_.clear();
}

}  // namespace vka_test
