#include "framework/ui/DesktopIdentity.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>

#include "framework/ui/Picture.h"
#include "framework/ui/QtText.h"

namespace fw {

void IntroduceToDesktop() {
  QGuiApplication::setDesktopFileName(SORTIVALE_DESKTOP_ENTRY);
  // Qt adds the picture drawn at twice the resolution where the screen's pixel ratio calls for
  // it, as pictures do (Picture.h).
  QGuiApplication::setWindowIcon(
      QIcon(QDir(ToQString(ResourceFolder())).filePath(SORTIVALE_ICON_PICTURE)));
}

}  // namespace fw
