// Typed numbers: how an answer is read, rounded and trimmed, and which answers may
// name a file in the game directory.
#include <cmath>
#include <filesystem>

#include "FuzzGame.h"
#include "levels/TypedNumber.h"

using namespace tolvar;
using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzzing::AsText(data, size);

    const double value = LeadingNumber(text);
    Require(std::isfinite(value), "a typed number is finite");
    const long long rounded = RoundHalfEven(value);
    Require(rounded >= -1000000000000000LL && rounded <= 1000000000000000LL, "rounding stays in range");
    if (std::fabs(value) < 1e15) {
        Require(std::fabs(static_cast<double>(rounded) - value) <= 0.5, "rounding goes to a nearest whole number");
        if (std::fabs(static_cast<double>(rounded) - value) == 0.5)
            Require(rounded % 2 == 0, "a half goes to the even neighbour");
    }
    Require(LeadingNumber(NumberText(rounded)) == static_cast<double>(rounded), "a number's text reads back as it");

    const std::string trimmed = TrimSpaces(text);
    Require(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '), "trimming removes outer spaces");
    Require(TrimSpaces(trimmed) == trimmed, "trimming twice changes nothing");
    Require(text.find(trimmed) != std::string::npos, "trimming keeps the inner text");

    if (SafeNumberText(trimmed)) {
        const std::string name = "other." + trimmed;
        const std::filesystem::path path(name);
        Require(!path.has_parent_path() && path.filename() == path, "an accepted answer names a file in the game directory");
        Require(name.find('\0') == std::string::npos, "an accepted answer holds no NUL");
    }
    return 0;
}
