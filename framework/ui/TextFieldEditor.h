#pragma once

#include <QLineEdit>

#include "framework/ui/TextField.h"

namespace fw {

// The widget a text field draws with: Qt 6.4's QLineEdit, with drops that its character limit
// cuts made copies, and with the caret kept out of the middle of surrogate pairs.
class TextField::Editor : public QLineEdit {
 public:
  Editor();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void KeepCaretOutOfSurrogatePair(int from, int to);
};

}  // namespace fw
