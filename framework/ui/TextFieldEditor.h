#pragma once

#include <QLineEdit>

#include "framework/ui/TextField.h"

namespace fw {

// The widget a text field draws with: Qt 6.4's QLineEdit, with drops that its character limit
// cuts made copies.
class TextField::Editor : public QLineEdit {
 protected:
  void dropEvent(QDropEvent* event) override;
};

}  // namespace fw
