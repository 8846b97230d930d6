#include "framework/ui/Picture.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <cstdio>

#include "framework/runtime/ClassRecord.h"
#include "framework/ui/QtText.h"

namespace fw {
namespace {

struct PictureSource {
  QString folderOverride;
  std::int64_t loadAttempts = 0;
  QSet<QString> reportedUnreadable;
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

// "name@2x.png" for "name.png": where the picture drawn at twice the resolution is kept.
QString AtTwiceTheResolution(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf('.');
  return dot < 0 ? fileName + "@2x" : fileName.left(dot) + "@2x" + fileName.mid(dot);
}

// A screen with more than one pixel to each logical one shows the picture drawn at twice the
// resolution, when there is one: stretching the other would blur it. Its pixel ratio makes it
// paint at the same size. The named file decides whether there is a picture at all.
QImage ReadForScreen(const QDir& folder, const QString& fileName) {
  QImage image(folder.filePath(fileName));
  if (image.isNull() || qGuiApp->devicePixelRatio() <= 1) {
    return image;
  }
  QImage sharper(folder.filePath(AtTwiceTheResolution(fileName)));
  if (sharper.isNull()) {
    return image;
  }
  sharper.setDevicePixelRatio(2);
  return sharper;
}

// A picture that cannot be read leaves its place blank, so the user is told why, once for each
// file: a missing file is tried again on every call.
void ReportUnreadable(const QDir& folder, const QString& fileName) {
  const QString path = folder.filePath(fileName);
  if (Source().reportedUnreadable.contains(path)) {
    return;
  }
  Source().reportedUnreadable.insert(path);
  const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  std::fprintf(
      stderr, "%s\n",
      qUtf8Printable(
          QString("%1: cannot read picture %2 in %3").arg(program, fileName, folder.path())));
}

}  // namespace

Picture::Picture() : image_(std::make_unique<QImage>()) {}
Picture::~Picture() = default;

ClassRecord* Picture::Lookup() {
  static ClassRecord* record = DeriveClass(Object::Lookup(), "Picture", MakeInstance<Picture>);
  return record;
}

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view fileName) {
  ++Source().loadAttempts;
  const QDir folder(ToQString(ResourceFolder()));
  const QString name = QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
  QImage image = ReadForScreen(folder, name);
  if (image.isNull()) {
    ReportUnreadable(folder, name);
    return nullptr;
  }
  auto picture = New<Picture>();
  *picture->image_ = std::move(image);
  return picture;
}

std::int64_t Picture::Width() const {
  return qRound(image_->deviceIndependentSize().width());
}
std::int64_t Picture::Height() const {
  return qRound(image_->deviceIndependentSize().height());
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
