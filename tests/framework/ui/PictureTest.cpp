#include "framework/ui/Picture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>

#include "tests/support/TestSupport.h"

namespace {

using PictureAtScale2 = HighResolutionTest;

// A resource folder holding copies of the named files of the build tree's pictures.
class PictureFolder {
 public:
  explicit PictureFolder(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      const bool copied = QFile::copy(QDir(SORTIVALE_TEST_RESOURCES).filePath(name), Path(name));
      EXPECT_TRUE(copied) << name;
    }
    fw::SetResourceFolder(folder_.path().toStdString());
  }
  QString Path(const char* name) const { return folder_.filePath(name); }

 private:
  QTemporaryDir folder_;
};

TEST(Picture, UndecodableFileGivesNil) {
  QTemporaryDir folder;
  QFile broken(QDir(folder.path()).filePath("Question.jpg"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  fw::SetResourceFolder(folder.path().toStdString());
  EXPECT_EQ(fw::Picture::OpenFromApp("Question.jpg"), nullptr);
}

TEST(Picture, MissingFileGivesNilOnEveryCallAndIsReportedOnce) {
  QTemporaryDir folder;
  fw::SetResourceFolder(folder.path().toStdString());
  testing::internal::CaptureStderr();
  EXPECT_EQ(fw::Picture::OpenFromApp("Question.jpg"), nullptr);
  EXPECT_EQ(fw::Picture::OpenFromApp("Question.jpg"), nullptr);
  EXPECT_EQ(
      testing::internal::GetCapturedStderr(),
      "sortivale_tests: cannot read picture Question.jpg in " + folder.path().toStdString() + "\n");
}

TEST(Picture, AtPixelRatioOneThePictureAtItsOwnSizeLoadsBesideTheSharperOne) {
  ASSERT_EQ(qGuiApp->devicePixelRatio(), 1);
  const PictureFolder folder({"icon2.png", "icon2@2x.png"});
  std::shared_ptr<fw::Picture> icon = fw::Picture::OpenFromApp("icon2.png");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Image(), QImage(folder.Path("icon2.png")));
  EXPECT_EQ(icon->Image().devicePixelRatio(), 1);
  EXPECT_EQ(icon->Width(), 64);
}

TEST_F(PictureAtScale2, ThePictureDrawnAtTwiceTheResolutionLoadsAtTheSameSize) {
  const PictureFolder folder({"icon2.png", "icon2@2x.png"});
  std::shared_ptr<fw::Picture> icon = fw::Picture::OpenFromApp("icon2.png");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Image(), QImage(folder.Path("icon2@2x.png")));
  EXPECT_EQ(icon->Image().size(), QSize(128, 128));
  EXPECT_EQ(icon->Image().devicePixelRatio(), 2);
  EXPECT_EQ(icon->Width(), 64);
  EXPECT_EQ(icon->Height(), 64);
}

TEST_F(PictureAtScale2, WithoutTheNamedFileTheSharperOneIsNotTaken) {
  const PictureFolder folder({"Question@2x.jpg"});
  EXPECT_EQ(fw::Picture::OpenFromApp("Question.jpg"), nullptr);
  EXPECT_EQ(fw::Picture::OpenFromApp("Question.jpg"), nullptr);
}

TEST_F(PictureAtScale2, WithoutTheSharperFileThePictureAtItsOwnSizeLoads) {
  const PictureFolder folder({"Question.jpg"});
  std::shared_ptr<fw::Picture> mark = fw::Picture::OpenFromApp("Question.jpg");
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->Image(), QImage(folder.Path("Question.jpg")));
  EXPECT_EQ(mark->Image().devicePixelRatio(), 1);
  EXPECT_EQ(mark->Width(), 20);
  EXPECT_EQ(mark->Height(), 39);
}

}  // namespace
