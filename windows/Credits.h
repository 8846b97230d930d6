#pragma once

// Who made the program and who publishes it: the copyright line, the credit under the title
// and the citation are all made from these.

namespace credits {

inline constexpr const char* kAuthorFullName = "Dana R. Whitcombe";
inline constexpr const char* kAuthorSurname = "Whitcombe";
inline constexpr const char* kAuthorInitials = "D. R.";
inline constexpr const char* kPublisher = "Whitcombe Software";
inline constexpr const char* kPublisherCity = "Burlington";
inline constexpr const char* kPublisherState = "VT";
inline constexpr const char* kProgramName = "Sortivale";
inline constexpr const char* kYear = "2020";

}  // namespace credits
