// Splitting stored texts into pieces and reading numbers out of them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The pieces between separators, in order. An empty piece between two
// separators is kept; the piece after the last separator only if it is not
// empty; an empty text gives no pieces.
std::vector<std::string> SplitText(const std::string& text, char separator);

// Reads a decimal number as atol does: leading blanks, an optional sign and
// the digits up to the first other character; 0 without digits. The value
// wraps around modulo 2^32 instead of overflowing.
int32_t ReadDecimal(const char* text);
inline int32_t ReadDecimal(const std::string& text) { return ReadDecimal(text.c_str()); }
// A whole number written with digits only (no sign, no blanks) from
// minValue to maxValue; none for any other text.
std::optional<int32_t> ReadBoundedNumber(const std::string& text, int32_t minValue, int32_t maxValue);
// The value moved into the range.
int32_t Clamp(int32_t value, int32_t minValue, int32_t maxValue);
// The number in signed decimal, as "%d" writes it.
std::string FormatDecimal(int32_t value);
// The number in lower-case hexadecimal digits, without leading zeros.
std::string FormatHex(uint64_t value);

// The text with A to Z turned to a to z, for comparing without regard to case.
std::string LowerCase(std::string text);
