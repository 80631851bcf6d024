#include "base/TextPieces.h"

#include <algorithm>
#include <cctype>

std::vector<std::string> SplitText(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    if (start < text.size()) pieces.push_back(text.substr(start));
    return pieces;
}

std::string FormatDecimal(int32_t value)
{
    // Counted in 64 bits: the lowest value has no positive 32-bit twin.
    int64_t rest = value;
    bool negative = rest < 0;
    if (negative) rest = -rest;
    char digits[16];
    char* first = digits + sizeof digits;
    do {
        *--first = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negative) *--first = '-';
    return std::string(first, digits + sizeof digits);
}

std::string FormatHex(uint64_t value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789abcdef"[value % 16]);
        value /= 16;
    } while (value != 0);
    return digits;
}

int32_t ReadDecimal(const char* text)
{
    auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (isBlank(*text)) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10u + static_cast<uint32_t>(*text - '0');
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

std::optional<int32_t> ReadBoundedNumber(const std::string& text, int32_t minValue, int32_t maxValue)
{
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < minValue || value > maxValue) return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t Clamp(int32_t value, int32_t minValue, int32_t maxValue)
{
    return value < minValue ? minValue : value > maxValue ? maxValue : value;
}

std::string LowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
