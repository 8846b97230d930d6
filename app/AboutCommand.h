#pragma once

#include <memory>

#include "framework/ui/MenuItem.h"

// The "About Sortivale" item of the application's menu bar.
std::shared_ptr<fw::AppleMenuItem> AppleAboutSortivale();
