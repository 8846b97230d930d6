#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "framework/ui/Canvas.h"
#include "framework/ui/Picture.h"
#include "resources/Pictures.h"
#include "tests/support/TestSupport.h"
#include "windows/Window1.h"

namespace {

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

TEST(Pictures, EachLoadsOnceAndIsShared) {
  ProgramRuntime runtime;
  const std::int64_t before = fw::PictureLoadAttempts();
  std::shared_ptr<fw::Picture> title = Stitle1();
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(Stitle1(), title);
  EXPECT_EQ(fw::PictureLoadAttempts(), before + 1);

  ASSERT_NE(icon2(), nullptr);
  ASSERT_NE(Question(), nullptr);
  EXPECT_EQ(icon2()->Width(), 64);
  EXPECT_EQ(Question()->Width(), 20);
  EXPECT_EQ(Question()->Height(), 39);
  EXPECT_EQ(title->Width(), 274);
}

TEST(Pictures, MissingFileIsTriedAgainOnEveryCall) {
  ProgramRuntime runtime;
  QTemporaryDir folder;
  fw::SetResourceFolder(folder.path().toStdString());

  const std::int64_t before = fw::PictureLoadAttempts();
  EXPECT_EQ(icon2(), nullptr);
  EXPECT_EQ(icon2(), nullptr);
  EXPECT_EQ(fw::PictureLoadAttempts(), before + 2);

  ASSERT_TRUE(QFile::copy(QDir(SORTIVALE_TEST_RESOURCES).filePath("icon2.png"),
                          QDir(folder.path()).filePath("icon2.png")));
  std::shared_ptr<fw::Picture> loaded = icon2();
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(icon2(), loaded);
  EXPECT_EQ(fw::PictureLoadAttempts(), before + 3);
}

TEST(Pictures, UndecodableFileGivesNil) {
  QTemporaryDir folder;
  QFile broken(QDir(folder.path()).filePath("Question.jpg"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  fw::SetResourceFolder(folder.path().toStdString());
  EXPECT_EQ(fw::Picture::OpenFromApp("Question.jpg"), nullptr);
}

TEST(Pictures, AtPixelRatioOneThePictureAtItsOwnSizeLoadsBesideTheSharperOne) {
  ASSERT_EQ(qGuiApp->devicePixelRatio(), 1);
  const PictureFolder folder({"icon2.png", "icon2@2x.png"});
  std::shared_ptr<fw::Picture> icon = fw::Picture::OpenFromApp("icon2.png");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Image(), QImage(folder.Path("icon2.png")));
  EXPECT_EQ(icon->Image().devicePixelRatio(), 1);
  EXPECT_EQ(icon->Width(), 64);
}

// Qt fixes the screens' pixel ratio when it starts: ctest runs these in a process of their own
// at QT_SCALE_FACTOR=2 (tests/CMakeLists.txt), and the others without them.
void SkipUnlessHighResolution() {
  if (qGuiApp->devicePixelRatio() <= 1) {
    GTEST_SKIP() << "needs a screen pixel ratio above 1; run with QT_SCALE_FACTOR=2";
  }
}

class PicturesAtScale2 : public testing::Test {
 protected:
  void SetUp() override { SkipUnlessHighResolution(); }
  ProgramRuntime runtime_;
};

TEST_F(PicturesAtScale2, ThePictureDrawnAtTwiceTheResolutionLoadsAtTheSameSize) {
  const PictureFolder folder({"icon2.png", "icon2@2x.png"});
  std::shared_ptr<fw::Picture> icon = fw::Picture::OpenFromApp("icon2.png");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Image(), QImage(folder.Path("icon2@2x.png")));
  EXPECT_EQ(icon->Image().size(), QSize(128, 128));
  EXPECT_EQ(icon->Image().devicePixelRatio(), 2);
  EXPECT_EQ(icon->Width(), 64);
  EXPECT_EQ(icon->Height(), 64);
}

TEST_F(PicturesAtScale2, WithoutTheSharperFileThePictureAtItsOwnSizeLoads) {
  const PictureFolder folder({"Question.jpg"});
  std::shared_ptr<fw::Picture> mark = fw::Picture::OpenFromApp("Question.jpg");
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->Image(), QImage(folder.Path("Question.jpg")));
  EXPECT_EQ(mark->Image().devicePixelRatio(), 1);
  EXPECT_EQ(mark->Width(), 20);
  EXPECT_EQ(mark->Height(), 39);
}

TEST_F(PicturesAtScale2, TheProgramsPicturesAreSharpAndKeepTheirSizes) {
  const std::shared_ptr<fw::Picture> pictures[] = {Stitle1(), icon2(), Question()};
  const QSize sizes[] = {{274, 26}, {64, 64}, {20, 39}};
  for (std::size_t index = 0; index < std::size(pictures); ++index) {
    ASSERT_NE(pictures[index], nullptr) << index;
    EXPECT_EQ(QSize(pictures[index]->Width(), pictures[index]->Height()), sizes[index]);
    EXPECT_EQ(pictures[index]->Image().size(), sizes[index] * 2);
  }
}

class GeneratorWindowAtScale2 : public GeneratorWindowTest {
 protected:
  void SetUp() override { SkipUnlessHighResolution(); }
};

TEST_F(GeneratorWindowAtScale2, TheQuestionMarkShowsEveryPixelOfItsSharperPicture) {
  QWidget* canvas = WidgetOf(window().Canvas3());
  EXPECT_EQ(canvas->size(), QSize(20, 39));
  const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage sharper(QDir(SORTIVALE_TEST_RESOURCES).filePath("Question@2x.jpg"));
  EXPECT_EQ(shown, sharper.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
