#pragma once

#include <memory>
#include <string_view>

#include "framework/runtime/Object.h"

class QImage;

namespace fw {

// A decoded picture. Loaded pictures are shared: every canvas that shows one holds a
// reference to the same object.
class Picture : public Object {
 public:
  static ClassRecord* Lookup();
  Picture();
  ~Picture() override;

  // Loads a file from the application's resource folder; nil when it is missing or cannot be
  // decoded (PNG and JPEG can), which the first time for each file prints a line on standard
  // error naming the file and the folder. Where the file loads and the screen's pixel ratio is
  // above 1, the same picture drawn at twice the resolution, "name@2x.png" beside "name.png",
  // is taken instead when it is there.
  static std::shared_ptr<Picture> OpenFromApp(std::string_view fileName);

  // The size it paints at, in logical pixels, whichever resolution was loaded.
  std::int64_t Width() const;
  std::int64_t Height() const;
  const QImage& Image() const { return *image_; }

 private:
  std::unique_ptr<QImage> image_;
};

// Where OpenFromApp looks: by default the `resources` folder beside the executable, or, once
// installed, the picture folder the install rules give relative to the executable's folder
// (`../share/sortivale` in the usual layout). Tests point it elsewhere.
void SetResourceFolder(std::string_view folder);
String ResourceFolder();
// How many pictures OpenFromApp has tried to load, for tests of caching.
std::int64_t PictureLoadAttempts();

}  // namespace fw
