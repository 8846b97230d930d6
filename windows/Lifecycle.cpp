#include "framework/runtime/Cast.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/Alerts.h"
#include "windows/AboutWnd.h"
#include "windows/Texts.h"
#include "windows/Window1.h"

void Window1::Event_Open() {
  fw::NotNil(ImplicitAboutWnd())->Hide();
}

void Window1::Event_Close() {
  fw::Quit(0);
}

void Window1::Canvas2_MouseEnter(const std::shared_ptr<fw::Canvas>&) {
  fw::NotNil(cTxt())->SetVisible(true);
}

void Window1::Canvas2_MouseExit(const std::shared_ptr<fw::Canvas>&) {
  fw::NotNil(cTxt())->SetVisible(false);
}

bool Window1::Canvas3_MouseDown(const std::shared_ptr<fw::Canvas>&, std::int64_t, std::int64_t) {
  fw::MsgBox(Citation());
  return false;
}
