#include "framework/runtime/Cast.h"
#include "windows/AboutWnd.h"
#include "windows/Window1.h"

void Window1::UBtn_Action(const std::shared_ptr<fw::RadioButton>&) {
  btn = 1;
  fw::NotNil(uText())->SetVisible(true);
  fw::NotNil(lowTxt())->SetVisible(true);
  fw::NotNil(LowFld())->SetVisible(true);
  fw::NotNil(highTxt())->SetVisible(true);
  fw::NotNil(HighFld())->SetVisible(true);
  fw::NotNil(LowFld())->SetText("");
  fw::NotNil(HighFld())->SetText("");
  fw::NotNil(RandomFld())->SetText("");
  fw::NotNil(repsFld())->SetText("1");
  fw::NotNil(gText())->SetVisible(false);
  fw::NotNil(LowFld())->SetFocus();
}

void Window1::GBtn_Action(const std::shared_ptr<fw::RadioButton>&) {
  btn = 2;
  fw::NotNil(lowTxt())->SetVisible(false);
  fw::NotNil(LowFld())->SetVisible(false);
  fw::NotNil(highTxt())->SetVisible(false);
  fw::NotNil(HighFld())->SetVisible(false);
  fw::NotNil(LowFld())->SetText("");
  fw::NotNil(HighFld())->SetText("");
  fw::NotNil(RandomFld())->SetText("");
  fw::NotNil(repsFld())->SetText("1");
  fw::NotNil(gText())->SetVisible(true);
  fw::NotNil(uText())->SetVisible(false);
  fw::NotNil(repsFld())->SetFocus();
}

void Window1::ClearBtn_Action(const std::shared_ptr<fw::PushButton>&) {
  btn = 1;
  fw::NotNil(lowTxt())->SetVisible(true);
  fw::NotNil(LowFld())->SetVisible(true);
  fw::NotNil(highTxt())->SetVisible(true);
  fw::NotNil(HighFld())->SetVisible(true);
  fw::NotNil(LowFld())->SetText("");
  fw::NotNil(HighFld())->SetText("");
  fw::NotNil(RandomFld())->SetText("");
  fw::NotNil(repsFld())->SetText("1");
  fw::NotNil(gText())->SetVisible(false);
  fw::NotNil(uText())->SetVisible(true);
  fw::NotNil(LowFld())->SetFocus();
  fw::NotNil(GBtn())->SetValue(false);
  fw::NotNil(UBtn())->SetValue(true);
}

// Every activation hides the About window. The first one also completes the uniform mode the
// layout starts in; later ones leave the mode alone, so coming back from another program
// never breaks the agreement between the chosen button, btn and the fields shown, nor
// throws away the count the user typed.
void Window1::Event_Activate() {
  fw::NotNil(ImplicitAboutWnd())->Hide();
  if (activatedBefore_) {
    return;
  }
  activatedBefore_ = true;
  fw::NotNil(repsFld())->SetText("1");
  btn = 1;
  fw::NotNil(lowTxt())->SetVisible(true);
  fw::NotNil(LowFld())->SetVisible(true);
  fw::NotNil(highTxt())->SetVisible(true);
  fw::NotNil(HighFld())->SetVisible(true);
  fw::NotNil(LowFld())->SetFocus();
}
