// number_text.cpp: shortest float text through printf's digits, strict reading through strtof.
#include "game/saves/number_text.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

std::string ShortestFloatText(float value)
{
    // The fewest significant digits that read back as the same float.
    char scientific[32];
    for (int precision = 0; precision < 9; ++precision)
    {
        std::snprintf(scientific, sizeof scientific, "%.*e", precision, static_cast<double>(value));
        if (std::strtof(scientific, nullptr) == value) break;
    }
    // "-d.ddde+XX" into its sign, digits and exponent, to lay the same digits out fixed.
    const char* p = scientific;
    std::string sign, digits;
    if (*p == '-') sign = *p++;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exponent = std::atoi(p + 1);
    std::string fixed;
    if (exponent < 0)
        fixed = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    else if (static_cast<size_t>(exponent) + 1 >= digits.size())
        fixed = digits + std::string(static_cast<size_t>(exponent) + 1 - digits.size(), '0');
    else
        fixed = digits.substr(0, static_cast<size_t>(exponent) + 1) + "." +
                digits.substr(static_cast<size_t>(exponent) + 1);
    if (digits == "0") fixed = "0";
    const std::string shortScientific = std::string(scientific + sign.size());
    return sign + (fixed.size() <= shortScientific.size() ? fixed : shortScientific);
}

bool ReadFloatText(const char* text, float* value)
{
    const char* digits = text[0] == '-' ? text + 1 : text;
    if (digits[0] == '\0' || digits[0] == '+' || digits[0] == '-' ||
        std::isspace(static_cast<unsigned char>(digits[0])) ||
        (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')))
        return false;
    char* end = nullptr;
    errno = 0;
    const float read = std::strtof(text, &end);
    // Too small or too large; a subnormal float is still a float.
    if (errno == ERANGE && (read == 0.0f || std::isinf(read))) return false;
    if (end == text || *end != '\0') return false;
    *value = read;
    return true;
}
