#pragma once

#include <cstdint>
#include <memory>

#include "framework/runtime/Object.h"

namespace fw {

class MenuBar;

struct VersionData {
  std::int64_t majorVersion = 0;
  std::int64_t minorVersion = 0;
  std::int64_t bugVersion = 0;
  std::int64_t nonReleaseVersion = 0;
  std::int64_t stageCode = 0;
  String longVersion;
  String shortVersion;
  String packageInfo;
};

// The base of the program's application class. Once registered, the instance is held for the
// rest of the run.
class Application : public Object {
 public:
  static ClassRecord* Lookup();

  void _x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                         std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                         std::int64_t stageCode, const String& longVersion,
                         const String& shortVersion, const String& packageInfo);
  const VersionData& Version() const { return version_; }

  std::shared_ptr<MenuBar> GetMenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<MenuBar> menuBar);

  std::int64_t WindowCount() const;

 private:
  VersionData version_;
  std::shared_ptr<MenuBar> menuBar_;
};

// Registering the application object also introduces the program to the desktop
// (framework/ui/DesktopIdentity.h).
void RuntimeRegisterAppObject(const std::shared_ptr<Application>& application);
std::shared_ptr<Application> GetAppObject();

namespace lifecycle {
void ReleaseAppObject();
}

}  // namespace fw
