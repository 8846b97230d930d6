#include "windows/Texts.h"

#include "windows/Credits.h"

using namespace credits;

fw::String CopyrightLine() {
  return fw::String("Copyright \u00a9 ") + kYear + " " + kAuthorFullName;
}

fw::String CreditLine() {
  return fw::String("by ") + kAuthorFullName;
}

fw::String Citation() {
  return fw::String(kAuthorSurname) + ", " + kAuthorInitials + " (" + kYear + "). " + kProgramName +
         " [Computer software]. " + kPublisherCity + ", " + kPublisherState + ": " + kPublisher +
         ".";
}
