#pragma once

#include <string_view>

#include "framework/text/String.h"

namespace fw {

// Writes `value` as decimal text shaped by `pattern`:
//
//   pattern  := [ "+" ] { "#" | "0" } [ "." { "0" | "#" } ]
//
// - "+" first: every result carries a sign, "+" or "-". Without it only negatives get "-".
// - Before the point, each "0" is a digit that is always written and each "#" a digit written
//   only when significant. Digits beyond what the pattern shows are always written, so
//   12345 with "##" is "12345", and 0.5 with "##.0" is ".5".
// - "." writes the decimal point whenever the pattern has one, even with nothing after it.
// - After the point, "0" is always written and "#" is written unless it would be a trailing
//   zero: 1.5 with "0.0##" is "1.5", and 1 with "0.##" is "1.".
// - The value is rounded half away from zero to the pattern's number of decimals, using its
//   exact binary value: 0.0078125 is a true tie and goes to .007813 with six decimals.
// - A value that rounds to zero is never negative: "-0" is not written, and "+" patterns
//   give "+".
// - NaN is written "NaN"; infinities "Inf" and "-Inf", or "+Inf" with a "+" pattern.
// - Any other character in the pattern raises InvalidArgumentException.
//
// Made to be called in tight loops: the last pattern stays parsed per thread, and once its
// scratch space has grown the only allocation per call is the result's own.
String Format(double value, std::string_view pattern);

}  // namespace fw
