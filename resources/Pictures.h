#pragma once

#include <memory>

#include "framework/ui/Picture.h"

// The program's three pictures, each loaded on first use and held for the rest of the run.
// While one cannot be loaded, every call tries its file again.
std::shared_ptr<fw::Picture> Stitle1();
std::shared_ptr<fw::Picture> icon2();
std::shared_ptr<fw::Picture> Question();
