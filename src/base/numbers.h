#pragma once
// Conversions between text and numbers shared by every part of the program.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tidemark {

// Reads the number at the start of `text`: blanks, tabs and line feeds are
// ignored anywhere in it; an optional sign, digits with at most one ".", and an
// optional exponent (E or D, optional sign, digits); or "&H"/"&O" followed by
// hexadecimal/octal digits. Reading stops at the first other character.
// Text without a leading number reads as 0. Values beyond double's range
// come back as +/-infinity, so callers can refuse them.
double leadingNumber(std::string_view text);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> -0).
double roundHalfEven(double value);

// roundHalfEven, then the result if it fits the type; nothing for NaN or
// values outside the type's range.
std::optional<std::int32_t> roundToInt32(double value);
std::optional<std::int16_t> roundToInt16(double value);

// Decimal digits with a leading "-" for negatives and no padding.
std::string decimalText(std::int64_t value);

}  // namespace tidemark
