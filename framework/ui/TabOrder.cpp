#include "framework/ui/TabOrder.h"

#include <QWidget>
#include <algorithm>

#include "framework/ui/Control.h"

namespace fw {
namespace {

std::vector<RectControl*> ChildrenByTabIndex(const std::vector<RectControl*>& controls,
                                             const String& parentName) {
  std::vector<RectControl*> level;
  std::copy_if(
      controls.begin(), controls.end(), std::back_inserter(level),
      [&parentName](const RectControl* control) { return control->InitialParent() == parentName; });
  std::stable_sort(level.begin(), level.end(), [](const RectControl* a, const RectControl* b) {
    return a->TabIndex() < b->TabIndex();
  });
  return level;
}

}  // namespace

void ChainTabStops(const std::vector<RectControl*>& controlsInAddedOrder) {
  std::vector<RectControl*> chain;
  for (RectControl* top : ChildrenByTabIndex(controlsInAddedOrder, String())) {
    chain.push_back(top);
    for (RectControl* child : ChildrenByTabIndex(controlsInAddedOrder, top->Name())) {
      chain.push_back(child);
    }
  }
  QWidget* previous = nullptr;
  for (RectControl* control : chain) {
    if (!control->TabStop()) {
      continue;
    }
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, control->Widget());
    }
    previous = control->Widget();
  }
}

}  // namespace fw
