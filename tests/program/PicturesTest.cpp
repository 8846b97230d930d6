#include "resources/Pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "framework/ui/Canvas.h"
#include "framework/ui/Picture.h"
#include "tests/support/TestSupport.h"
#include "windows/Window1.h"

namespace {

using PicturesAtScale2 = HighResolutionTest;

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