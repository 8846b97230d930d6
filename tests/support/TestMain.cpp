#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QScreen>

namespace {

// The whole suite may run in one process, where Qt keeps the pointer where the last test left
// it: a window shown under it would get an enter event of its own. Every test starts with the
// pointer in the screen's far corner, where no window of the tests reaches.
class PointerParking : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override {
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    QCoreApplication::processEvents();
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new PointerParking);
  return RUN_ALL_TESTS();
}
