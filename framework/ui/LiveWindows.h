#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace fw {

class Window;

// The process-wide list of the windows made and not yet closed, in the order they were made.
// It owns them: a window the program no longer holds lives on until it is closed.

// The live windows as they are now. The list is a copy, so a walk over it stays valid while
// the handlers it runs open or close windows.
std::vector<std::shared_ptr<Window>> LiveWindows();
std::int64_t LiveWindowCount();
// Nil for an index outside the list.
std::shared_ptr<Window> WindowAtIndex(std::int64_t index);
// The live window of the class registered under that name, shown or hidden; nil when none.
std::shared_ptr<Window> GetImplicitWindow(std::string_view className);
std::shared_ptr<Window> ActiveWindow();

// Called by a window as it is built and as it closes.
void AddLiveWindow(std::shared_ptr<Window> window);
void RemoveLiveWindow(const Window& window);

namespace lifecycle {
// Closes nothing and raises nothing: lets go of every window at the end of the run.
void ReleaseAllWindows();
}  // namespace lifecycle

}  // namespace fw
