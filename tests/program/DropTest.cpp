#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/DesktopInput.h"
#include "tests/support/TestSupport.h"
#include "windows/Window1.h"

namespace {

const QString kDropped = "429262";

// Text dragged from another program onto a point of a widget, delivered as the window system
// delivers it: the drag enters, moves to the point, and drops there.
void DropFromAnotherProgram(QWidget* target, QPoint point, const QString& text) {
  QMimeData data;
  data.setText(text);
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &enter);
  ASSERT_TRUE(enter.isAccepted()) << "the widget refused the drag";
  QDragMoveEvent move(point, actions, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &move);
  QDropEvent drop(QPointF(point), actions, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &drop);
  ProcessEvents();
}

// Every few pixels of the widget, its last row and column included.
std::vector<QPoint> Grid(const QWidget* widget, int step) {
  std::vector<QPoint> points;
  for (int y = 0; y < widget->height() + step - 1; y += step) {
    for (int x = 0; x < widget->width() + step - 1; x += step) {
      points.emplace_back(std::min(x, widget->width() - 1), std::min(y, widget->height() - 1));
    }
  }
  return points;
}

// The values 101 to 199, one a line.
QString NinetyNineValues() {
  QString values;
  for (int value = 101; value < 200; ++value) {
    values += QString::number(value) + '\n';
  }
  return values;
}

std::string WithCarriageReturns(QString text) {
  return text.replace('\n', '\r').toStdString();
}

class Drops : public GeneratorWindowTest {
 protected:
  QWidget* Frame() { return window().TopWidget(); }
  QPlainTextEdit* Area() { return static_cast<QPlainTextEdit*>(WidgetOf(window().RandomFld())); }

  // Replaces everything in the output area by pasting, which leaves it scrolled to the end.
  void PasteOverOutput(const QString& text) {
    QApplication::clipboard()->setText(text);
    PressInWindow(Frame(), Qt::Key_A, Qt::ControlModifier);
    PressInWindow(Frame(), Qt::Key_V, Qt::ControlModifier);
  }

  // The whole output selected and dragged onto the middle of a field, through the window system
  // as a drag within the program arrives. The area offers to copy or move its selection and
  // proposes the move; here Shift proposes it, as the headless platform has no drag of its own.
  // The test stands in for the area as the drag's source: it removes its selection when the
  // field takes the drop as a move.
  void DragTheWholeOutputOnto(QWidget* field) {
    Click(window().RandomFld());
    PressInWindow(Frame(), Qt::Key_A, Qt::ControlModifier);
    PressInWindow(Frame(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* dragged = QApplication::clipboard()->mimeData();
    QWindow* frame = Frame()->windowHandle();
    const QPoint point = field->mapTo(Frame(), field->rect().center());
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QWindowSystemInterface::handleDrag(frame, dragged, point, offered, Qt::LeftButton,
                                       Qt::ShiftModifier);
    const QPlatformDropQtResponse taken = QWindowSystemInterface::handleDrop(
        frame, dragged, point, offered, Qt::LeftButton, Qt::ShiftModifier);
    if (taken.isAccepted() && taken.acceptedAction() == Qt::MoveAction) {
      QTextCursor selection = Area()->textCursor();
      selection.removeSelectedText();
    }
    ProcessEvents();
  }

  // Drops onto every point of the grid over the area's viewport, pasting the text back
  // before each: the dropped text must land where it was dropped.
  void DropAllOverTheArea(const QString& text) {
    QWidget* viewport = Area()->viewport();
    for (const QPoint point : Grid(viewport, 10)) {
      PasteOverOutput(text);
      // The drop places itself with the area's scroll offset in fractions of a pixel, which
      // cursorForPosition rounds to whole ones: it lands where that says, or a pixel lower.
      const auto droppedAt = [&](QPoint place) {
        return WithCarriageReturns(
            QString(text).insert(Area()->cursorForPosition(place).position(), kDropped));
      };
      const std::string atPoint = droppedAt(point);
      const std::string belowPoint = droppedAt(point + QPoint(0, 1));
      DropFromAnotherProgram(viewport, point, kDropped);
      const std::string landed = window().RandomFld()->Text().ToStdString();
      ASSERT_EQ(landed, landed == belowPoint ? belowPoint : atPoint)
          << "dropped at " << point.x() << "," << point.y();
    }
  }
};

TEST_F(Drops, LandWhereTheyAreDroppedOnALongLineOfTheOutputArea) {
  Click(window().ClearBtn());
  Click(window().RandomFld());
  DropAllOverTheArea(QString(1726, '7'));
  EXPECT_TRUE(Area()->verticalScrollBar()->isVisible());
}

TEST_F(Drops, LandWhereTheyAreDroppedBetweenValuesOfTheOutputArea) {
  Click(window().ClearBtn());
  Click(window().RandomFld());
  DropAllOverTheArea(QString("+1.234567\n-0.5\n123456\n").repeated(30));
  // Lines of many rows each, so that the start of the one shown on top is out of sight above.
  DropAllOverTheArea(QString("1234567890").repeated(40).append('\n').repeated(3));
}

TEST_F(Drops, OnAFieldInsertAtThePointAsMuchAsItsLimitTakes) {
  Click(window().ClearBtn());
  QWidget* low = WidgetOf(window().LowFld());
  // "Low Value" takes six characters: what follows the first `fitting` dropped ones is cut.
  const auto dropAllOver = [&](const QString& held, const QString& dropped, int fitting) {
    for (const QPoint point : Grid(low, 3)) {
      window().LowFld()->SetText(fw::String(held.toStdString()));
      const int at = static_cast<QLineEdit*>(low)->cursorPositionAt(point);
      DropFromAnotherProgram(low, point, dropped);
      ASSERT_EQ(window().LowFld()->Text().ToStdString(),
                QString(held).insert(at, dropped.left(fitting)).toStdString())
          << "dropped at " << point.x() << "," << point.y();
    }
  };
  dropAllOver("12", kDropped, 4);
  // U+1D7DC, U+1D7DA, U+1D7E1: MATHEMATICAL DOUBLE-STRUCK DIGITS FOUR, TWO, NINE, two UTF-16
  // units each.
  const QString astral = QString::fromUtf8("\xF0\x9D\x9F\x9C\xF0\x9D\x9F\x9A\xF0\x9D\x9F\xA1");
  dropAllOver("123", astral + astral, astral.size());
}

TEST_F(Drops, OnAFieldThatCannotTakeThemWholeLeaveTheOutputWhole) {
  Click(window().ClearBtn());
  Click(window().RandomFld());
  PasteOverOutput(NinetyNineValues());
  Click(window().repsFld());
  PressInWindow(Frame(), Qt::Key_Backspace);
  DragTheWholeOutputOnto(WidgetOf(window().repsFld()));
  EXPECT_EQ(window().repsFld()->Text(), "101\n1") << "\"How Many\" takes five characters";
  EXPECT_EQ(window().RandomFld()->Text().ToStdString(), WithCarriageReturns(NinetyNineValues()));

  Click(window().ClearBtn());
  Click(window().RandomFld());
  PasteOverOutput("123");
  Click(window().repsFld());
  PressInWindow(Frame(), Qt::Key_Backspace);
  DragTheWholeOutputOnto(WidgetOf(window().repsFld()));
  EXPECT_EQ(window().repsFld()->Text(), "123");
  EXPECT_EQ(window().RandomFld()->Text(), "") << "a drop that fits moves";
}

}  // namespace
