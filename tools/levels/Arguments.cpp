#include "Arguments.h"

#include <charconv>
#include <cmath>

namespace tolvar::levels {

std::optional<Arguments> Arguments::Parse(const std::vector<std::string>& args, const std::set<std::string>& withValue,
                                          const std::set<std::string>& flags, std::string* error) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 1 && arg[0] == '-') {
            if (withValue.count(arg)) {
                if (i + 1 >= args.size()) {
                    *error = "option " + arg + " needs a value";
                    return std::nullopt;
                }
                parsed.options_[arg] = args[++i];
            } else if (flags.count(arg)) {
                parsed.options_[arg] = "";
            } else {
                *error = "unknown option " + arg;
                return std::nullopt;
            }
        } else {
            parsed.positional_.push_back(arg);
        }
    }
    return parsed;
}

std::optional<long> ParseNumber(const std::string& text, long min, long max) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < min || value > max) return std::nullopt;
    return value;
}

std::optional<double> ParseSeconds(const std::string& text) {
    try {
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        if (used != text.size() || !std::isfinite(value) || value <= 0) return std::nullopt;
        return value;
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace tolvar::levels
