#pragma once
// The command line of the level tool: a command, positional arguments and options.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tolvar::levels {

/// Exit codes that scripts can rely on.
enum ExitCode : int {
    ExitOk = 0,
    ExitFailed = 1,      // a level failed verification, could not be solved or was refused
    ExitUsage = 2,       // bad command line
    ExitFileError = 3,   // a file could not be read or written, or is not a level file
    ExitGaveUp = 4,      // the solver reached its time or memory limit
};

class Arguments {
public:
    /// Splits args; options named in `withValue` take the next argument as value.
    /// Fails with a message on an unknown option or a missing value.
    static std::optional<Arguments> Parse(const std::vector<std::string>& args, const std::set<std::string>& withValue,
                                          const std::set<std::string>& flags, std::string* error);

    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& option) const { return options_.count(option) != 0; }
    std::string value(const std::string& option, const std::string& fallback = {}) const {
        const auto it = options_.find(option);
        return it == options_.end() ? fallback : it->second;
    }

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> options_;
};

/// A whole number in [min, max] from text, or nothing.
std::optional<long> ParseNumber(const std::string& text, long min, long max);
/// A positive decimal number of seconds, or nothing.
std::optional<double> ParseSeconds(const std::string& text);

}  // namespace tolvar::levels
