#include "levels/TypedNumber.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tolvar {

double LeadingNumber(const std::string& text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool digits = false;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
        number += text[i++];
        digits = true;
    }
    if (i < n && text[i] == '.') {
        number += text[i++];
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        bool expDigits = false;
        while (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) {
            exponent += text[j++];
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

long long RoundHalfEven(double value)
{
    // Typed numbers are range-checked by the callers; clamp so the cast stays defined.
    if (value > 1e15)
        value = 1e15;
    if (value < -1e15)
        value = -1e15;
    return static_cast<long long>(std::nearbyint(value));  // the default rounding mode ties to even
}

std::string TrimSpaces(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool SafeNumberText(const std::string& numberText)
{
    if (numberText.empty() || numberText.size() > 64)
        return false;
    if (numberText.find("..") != std::string::npos)
        return false;
    for (unsigned char c : numberText) {
        if (c < 0x20 || c == 0x7f || c == '/' || c == '\\')
            return false;
    }
    return true;
}

std::string NumberText(long long value) { return std::to_string(value); }

}  // namespace tolvar
