#pragma once
// Environment variables a test sets for its own time: each goes back to what it was
// (set or not) when the override ends.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vka_test {

class EnvironmentOverride {
public:
    EnvironmentOverride() = default;
    ~EnvironmentOverride() { Restore(); }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

    void Set(const std::string& name, const std::string& value);
    // Every variable set since the last restore, back to its earlier value, newest first.
    void Restore();

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> earlier_;
};

}  // namespace vka_test
