#pragma once

#include <vector>

namespace fw {

class RectControl;

// Chains the controls that are tab stops in the order Tab visits them: the window's own
// controls by TabIndex, each followed by the controls placed inside it, also by TabIndex.
// Controls of equal TabIndex keep the order they were added in.
void ChainTabStops(const std::vector<RectControl*>& controlsInAddedOrder);

}  // namespace fw
