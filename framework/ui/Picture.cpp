#include "framework/ui/Picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include "framework/runtime/ClassRecord.h"
#include "framework/ui/QtText.h"

namespace fw {
namespace {

struct PictureSource {
  QString folderOverride;
  std::int64_t loadAttempts = 0;
};

PictureSource& Source() {
  static PictureSource source;
  return source;
}

QString DefaultResourceFolder() {
  const QDir executableDir(QCoreApplication::applicationDirPath());
  const QString besideExecutable = executableDir.filePath("resources");
  if (QDir(besideExecutable).exists()) {
    return besideExecutable;
  }
  return QDir::cleanPath(executableDir.filePath(SORTIVALE_INSTALLED_RESOURCES));
}

}  // namespace

Picture::Picture() : image_(std::make_unique<QImage>()) {}
Picture::~Picture() = default;

ClassRecord* Picture::Lookup() {
  static ClassRecord* record = [] {
    ClassRecord* made = ClassRecord::Derive(Object::Lookup());
    made->SetName("Picture");
    made->SetFactory(MakeInstance<Picture>);
    return made;
  }();
  return record;
}

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view fileName) {
  ++Source().loadAttempts;
  const QString path = QDir(ToQString(ResourceFolder()))
                           .filePath(QString::fromUtf8(fileName.data(), fileName.size()));
  QImage image(path);
  if (image.isNull()) {
    return nullptr;
  }
  auto picture = New<Picture>();
  *picture->image_ = std::move(image);
  return picture;
}

std::int64_t Picture::Width() const {
  return image_->width();
}
std::int64_t Picture::Height() const {
  return image_->height();
}

void SetResourceFolder(std::string_view folder) {
  Source().folderOverride = QString::fromUtf8(folder.data(), static_cast<qsizetype>(folder.size()));
}

String ResourceFolder() {
  return FromQString(Source().folderOverride.isEmpty() ? DefaultResourceFolder()
                                                       : Source().folderOverride);
}

std::int64_t PictureLoadAttempts() {
  return Source().loadAttempts;
}

}  // namespace fw
