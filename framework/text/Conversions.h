#pragma once

#include <cstdint>
#include <string_view>

#include "framework/text/String.h"

namespace fw {

// The leading plain decimal number of `text`: blanks (spaces, tabs), an optional sign, digits,
// an optional point and fraction digits. Exponents, hexadecimal and named values are not
// numbers here, and the locale never matters. Text without a number gives 0; a number too
// large for a double gives an infinity, one too small a zero.
double Val(std::string_view text);

// Truncates toward zero, saturating at the Int64 bounds; NaN gives 0.
std::int64_t ToInt64(double value);

// Plain decimal text, or `Format(double(value), format)` when a format is given.
String Str(std::int64_t value, std::string_view format = {});

// The UTF-8 text of one code point; negative values, surrogates and values beyond U+10FFFF
// give the empty text.
String Chr(std::int64_t codePoint);

// The code point of the first character of UTF-8 text, 0 for the empty text. When the text
// does not start with a well-formed UTF-8 sequence, the value of its first byte.
std::int64_t Asc(std::string_view text);

}  // namespace fw
