#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "framework/ui/Picture.h"
#include "resources/Pictures.h"
#include "tests/TestSupport.h"

namespace {

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

}  // namespace
