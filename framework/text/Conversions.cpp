#include "framework/text/Conversions.h"

#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringView>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "framework/text/Format.h"

namespace fw {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kEncodedReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::size_t kLongestUtf8Sequence = 4;

std::string_view SkipLeading(std::string_view text, std::string_view characters) {
  return text.substr(std::min(text.find_first_not_of(characters), text.size()));
}

std::size_t DigitRunLength(std::string_view text) {
  return std::min(text.find_first_not_of(kDigits), text.size());
}

// from_chars leaves the value alone when it does not fit; the digits before the point tell
// whether the number was too large or too small.
double OutOfRangeMagnitude(std::string_view wholeDigits) {
  const bool atLeastOne = wholeDigits.find_first_not_of('0') != std::string_view::npos;
  return atLeastOne ? std::numeric_limits<double>::infinity() : 0.0;
}

}  // namespace

double Val(std::string_view text) {
  text = SkipLeading(text, kBlanks);
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) {
    text.remove_prefix(1);
  }
  const std::size_t wholeLength = DigitRunLength(text);
  std::size_t fractionLength = 0;
  if (text.substr(wholeLength).starts_with('.')) {
    fractionLength = DigitRunLength(text.substr(wholeLength + 1));
  }
  if (wholeLength + fractionLength == 0) {
    return 0.0;
  }
  const std::size_t numberLength = wholeLength + (fractionLength > 0 ? 1 + fractionLength : 0);
  double magnitude = 0.0;
  const std::errc error =
      std::from_chars(text.data(), text.data() + numberLength, magnitude, std::chars_format::fixed)
          .ec;
  if (error == std::errc::result_out_of_range) {
    magnitude = OutOfRangeMagnitude(text.substr(0, wholeLength));
  }
  return negative ? -magnitude : magnitude;
}

std::int64_t ToInt64(double value) {
  using Limits = std::numeric_limits<std::int64_t>;
  // 2^63 is exact as a double while INT64_MAX is not, so compare against the power of two.
  constexpr double kTwoToThe63 = 0x1p63;
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= kTwoToThe63) {
    return Limits::max();
  }
  if (value <= -kTwoToThe63) {
    return Limits::min();
  }
  return static_cast<std::int64_t>(value);
}

String Str(std::int64_t value, std::string_view format) {
  if (!format.empty()) {
    return Format(static_cast<double>(value), format);
  }
  std::array<char, std::numeric_limits<std::int64_t>::digits10 + 2> text;
  const char* end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  return String(std::string_view(text.data(), end));
}

String Chr(std::int64_t codePoint) {
  const bool valid = codePoint >= 0 && codePoint <= QChar::LastValidCodePoint &&
                     !QChar::isSurrogate(static_cast<char32_t>(codePoint));
  if (!valid) {
    return String();
  }
  const QByteArray utf8 = QStringView(QChar::fromUcs4(static_cast<char32_t>(codePoint))).toUtf8();
  return String(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::int64_t Asc(std::string_view text) {
  if (text.empty()) {
    return 0;
  }
  // A leading U+FEFF is a character here, not a byte order mark to skip; and a sequence cut
  // short must come out as a replacement, not wait for more input.
  QStringDecoder decoder(QStringDecoder::Utf8,
                         QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
  const std::string_view head = text.substr(0, kLongestUtf8Sequence);
  const QString decoded = decoder(QByteArrayView(head.data(), static_cast<qsizetype>(head.size())));
  const QList<uint> codePoints = decoded.toUcs4();
  // The decoder stands U+FFFD in for a malformed sequence; only a real one is spelled out.
  const bool malformed =
      codePoints.isEmpty() || (codePoints.front() == QChar::ReplacementCharacter &&
                               !text.starts_with(kEncodedReplacementCharacter));
  return malformed ? static_cast<unsigned char>(text.front()) : codePoints.front();
}

}  // namespace fw
