#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace fw {

// UTF-8 text with cheap copies. Copies share one buffer; a String views a prefix of it.
// Appending to a String that ends where its buffer ends grows the buffer in place, so the
// pattern "text = text + more", repeated, costs the length of "more" and not of "text".
// Every other String sharing the buffer keeps seeing exactly its own prefix, so the
// value semantics of an immutable string hold.
//
// Buffers are shared without locking: like the rest of the user interface, Strings that
// share a buffer belong to one thread.
class String {
 public:
  String() = default;
  String(const char* text) : String(std::string_view(text)) {}
  String(std::string_view text);
  String(const std::string& text) : String(std::string_view(text)) {}

  // A moved-from String is empty; its length must leave with the buffer it described.
  String(const String&) = default;
  String(String&& other) noexcept
      : buffer_(std::move(other.buffer_)), length_(std::exchange(other.length_, 0)) {}
  String& operator=(const String&) = default;
  String& operator=(String&& other) noexcept {
    buffer_ = std::move(other.buffer_);
    length_ = std::exchange(other.length_, 0);
    return *this;
  }

  // Valid until the next append through any String sharing this buffer.
  std::string_view View() const;
  std::string ToStdString() const { return std::string(View()); }
  std::size_t Size() const { return length_; }
  bool IsEmpty() const { return length_ == 0; }

  // True when `other` holds this String's text followed by zero or more further bytes,
  // known without comparing a byte: both view one buffer.
  bool IsPrefixOfSameBuffer(const String& other) const;

  String& operator+=(std::string_view tail);
  friend String operator+(String head, std::string_view tail) { return head += tail; }
  friend String operator+(String head, const String& tail) { return head += tail.View(); }
  friend String operator+(String head, const char* tail) { return head += tail; }

  friend bool operator==(const String& a, const String& b) { return a.View() == b.View(); }
  friend bool operator==(const String& a, const char* b) { return a.View() == b; }
  friend bool operator==(const String& a, std::string_view b) { return a.View() == b; }

 private:
  bool EndsItsBuffer() const { return buffer_ && buffer_->size() == length_; }

  std::shared_ptr<std::string> buffer_;
  std::size_t length_ = 0;
};

}  // namespace fw
