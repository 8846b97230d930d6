#include "resources/Pictures.h"

#include "framework/runtime/Runtime.h"

namespace {

struct HeldPicture {
  const char* fileName;
  std::shared_ptr<fw::Picture> pic;
  bool called = false;
};

std::shared_ptr<fw::Picture> LoadOnce(HeldPicture& held) {
  if (!held.called) {
    held.called = true;
    held.pic.reset();
    fw::RuntimeAddFinalizer([&held] {
      held.pic.reset();
      held.called = false;
    });
  }
  if (held.pic == nullptr) {
    held.pic = fw::Picture::OpenFromApp(held.fileName);
  }
  return held.pic;
}

}  // namespace

std::shared_ptr<fw::Picture> Stitle1() {
  static HeldPicture held{"Stitle.png", nullptr, false};
  return LoadOnce(held);
}

std::shared_ptr<fw::Picture> icon2() {
  static HeldPicture held{"icon2.png", nullptr, false};
  return LoadOnce(held);
}

std::shared_ptr<fw::Picture> Question() {
  static HeldPicture held{"Question.jpg", nullptr, false};
  return LoadOnce(held);
}
