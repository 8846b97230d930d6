#include "framework/text/String.h"

#include <functional>

namespace fw {

String::String(std::string_view text)
    : buffer_(text.empty() ? nullptr : std::make_shared<std::string>(text)), length_(text.size()) {}

std::string_view String::View() const {
  return buffer_ ? std::string_view(buffer_->data(), length_) : std::string_view();
}

bool String::IsPrefixOfSameBuffer(const String& other) const {
  return buffer_ && buffer_ == other.buffer_ && length_ <= other.length_;
}

String& String::operator+=(std::string_view tail) {
  if (tail.empty()) {
    return *this;
  }
  if (EndsItsBuffer()) {
    const char* begin = buffer_->data();
    const bool aliases = std::less_equal<>()(begin, tail.data()) &&
                         std::less<>()(tail.data(), begin + buffer_->size());
    if (aliases) {
      const std::string copy(tail);
      buffer_->append(copy);
    } else {
      buffer_->append(tail);
    }
  } else {
    auto grown = std::make_shared<std::string>();
    grown->reserve(length_ + tail.size());
    grown->append(View()).append(tail);
    buffer_ = std::move(grown);
  }
  length_ += tail.size();
  return *this;
}

}  // namespace fw
