#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStringList>

#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/TestSupport.h"
#include "windows/Window1.h"

namespace {

const QStringList kEditItems = {"Undo", "Cut", "Copy", "Paste", "Clear"};

class EditMenu : public GeneratorWindowTest {
 protected:
  EditMenu() { QApplication::clipboard()->clear(); }

  QWidget* Frame() { return window().TopWidget(); }
  std::string Text(const std::shared_ptr<fw::TextField>& field) {
    return field->Text().ToStdString();
  }
  // The Edit items enabled when the menu is opened with the mouse; the menu is closed again.
  QStringList EnabledItems() {
    QMenu* edit = OpenMenuWithMouse(Frame(), "Edit");
    QStringList enabled;
    if (edit == nullptr) {
      ADD_FAILURE() << "the Edit menu did not open";
      return enabled;
    }
    for (const QString& title : kEditItems) {
      if (ItemOf(edit, title)->isEnabled()) {
        enabled.append(title);
      }
    }
    PressInWindow(Frame(), Qt::Key_Escape);
    return enabled;
  }
  void Choose(const QString& item) { ChooseWithMouse(OpenMenuWithMouse(Frame(), "Edit"), item); }
  static std::string CopiedFormats() {
    return QApplication::clipboard()->mimeData()->formats().join(' ').toStdString();
  }
  void SelectAllOfField() {
    PressInWindow(Frame(), Qt::Key_Home);
    PressInWindow(Frame(), Qt::Key_End, Qt::ShiftModifier);
  }
};

TEST_F(EditMenu, OpenedWithTheMouseItActsOnTheSelectionOfTheFocusedField) {
  TypeIntoWindow(Frame(), "1234");
  EXPECT_EQ(EnabledItems(), QStringList({"Undo"}));
  SelectAllOfField();
  EXPECT_EQ(EnabledItems(), QStringList({"Undo", "Cut", "Copy", "Clear"}));

  Choose("Copy");
  EXPECT_EQ(QApplication::clipboard()->text(), "1234");
  Choose("Clear");
  EXPECT_EQ(Text(window().LowFld()), "");
  EXPECT_EQ(EnabledItems(), QStringList({"Undo", "Paste"}));
  Choose("Undo");
  EXPECT_EQ(Text(window().LowFld()), "1234");
  SelectAllOfField();
  Choose("Cut");
  EXPECT_EQ(Text(window().LowFld()), "");
  Choose("Paste");
  Choose("Paste");
  EXPECT_EQ(Text(window().LowFld()), "123412") << "six characters at most, pasted or typed";
  // The focus never left the field: typing goes on there.
  TypeIntoWindow(Frame(), "9");
  EXPECT_EQ(Text(window().LowFld()), "123412");
  PressInWindow(Frame(), Qt::Key_Backspace);
  TypeIntoWindow(Frame(), "9");
  EXPECT_EQ(Text(window().LowFld()), "123419");
}

TEST_F(EditMenu, OpenedWithAltAndArrowsItActsOnTheFieldThatHadTheFocus) {
  TypeIntoWindow(Frame(), "1234");
  SelectAllOfField();
  PressInWindow(Frame(), Qt::Key_Alt, Qt::AltModifier);
  PressInWindow(Frame(), Qt::Key_Right);  // "File"
  PressInWindow(Frame(), Qt::Key_Right);  // "Edit"
  PressInWindow(Frame(), Qt::Key_Down);   // opens it on "Undo"
  QMenu* edit = OpenMenu();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->title(), "Edit");
  EXPECT_TRUE(ItemOf(edit, "Cut")->isEnabled());
  EXPECT_FALSE(ItemOf(edit, "Paste")->isEnabled());
  PressInWindow(Frame(), Qt::Key_Down);  // "Cut"
  PressInWindow(Frame(), Qt::Key_Return);
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(QApplication::clipboard()->text(), "1234");
  EXPECT_EQ(Text(window().LowFld()), "");
  TypeIntoWindow(Frame(), "7");
  EXPECT_EQ(Text(window().LowFld()), "7");
}

TEST_F(EditMenu, ShortcutsActOnTheFocusedFieldAndPastesMeetItsLimit) {
  QApplication::clipboard()->setText("98765432");
  PressInWindow(Frame(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(window().LowFld()), "987654");
  SelectAllOfField();
  PressInWindow(Frame(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "987654");
  EXPECT_EQ(Text(window().LowFld()), "");
  PressInWindow(Frame(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(window().LowFld()), "987654");
  EXPECT_TRUE(alerts_.events.empty()) << "the key filter does not see the chords";

  // "How Many" takes five characters at most.
  Click(window().repsFld());
  SelectAllOfField();
  Choose("Paste");
  EXPECT_EQ(Text(window().repsFld()), "98765");
}

TEST_F(EditMenu, CopyGivesPlainTextOnlyFromTheOutputAreaAndFromAField) {
  window().RandomFld()->SetText("12\r345\r6\r");
  Click(window().RandomFld());
  PressInWindow(Frame(), Qt::Key_A, Qt::ControlModifier);
  Choose("Copy");
  EXPECT_EQ(CopiedFormats(), "text/plain");
  EXPECT_EQ(QApplication::clipboard()->text(), "12\n345\n6\n");

  Click(window().LowFld());
  TypeIntoWindow(Frame(), "1234");
  SelectAllOfField();
  Choose("Copy");
  EXPECT_EQ(CopiedFormats(), "text/plain");
  EXPECT_EQ(QApplication::clipboard()->text(), "1234");
}

TEST_F(EditMenu, EverythingIsDisabledWhenNoTextControlHasTheFocus) {
  QApplication::clipboard()->setText("5");
  TypeIntoWindow(Frame(), "12");
  PressInWindow(Frame(), Qt::Key_Tab);
  PressInWindow(Frame(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), WidgetOf(window().ClearBtn()));
  EXPECT_EQ(EnabledItems(), QStringList());
}

class OutputSelection : public EditMenu {
 protected:
  // Twenty lines of output, all of them selected by the user, the caret in the area.
  OutputSelection() {
    TypeIntoWindow(Frame(), "0");
    PressInWindow(Frame(), Qt::Key_Tab);
    TypeIntoWindow(Frame(), "9");
    Click(window().repsFld());
    SelectAllOfField();
    TypeIntoWindow(Frame(), "20");
    Click(window().CalcBtn());
    Click(window().RandomFld());
    PressInWindow(Frame(), Qt::Key_A, Qt::ControlModifier);
  }
  // Pixels of the output area painted in the selection's colour.
  int HighlightedPixels() {
    auto* editor = static_cast<QPlainTextEdit*>(WidgetOf(window().RandomFld()));
    const QRgb highlight =
        QApplication::palette().color(QPalette::Active, QPalette::Highlight).rgb();
    const QImage image = editor->viewport()->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        count += image.pixel(x, y) == highlight ? 1 : 0;
      }
    }
    return count;
  }
};

TEST_F(OutputSelection, EditItemsActOnTheOutputArea) {
  EXPECT_EQ(EnabledItems(), QStringList({"Cut", "Copy", "Clear"}));
  Choose("Copy");
  QString copied = QApplication::clipboard()->text();
  EXPECT_EQ(copied.count('\n'), 20);
  Choose("Clear");
  EXPECT_EQ(window().RandomFld()->Text().ToStdString(), "");
  Choose("Paste");
  EXPECT_EQ(window().RandomFld()->Text().ToStdString(), copied.replace('\n', '\r').toStdString())
      << "pasted lines read back ended with carriage returns";
}

TEST_F(OutputSelection, IsDrawnOnlyWhileTheAreaHasTheFocus) {
  EXPECT_GT(HighlightedPixels(), 100);
  OpenMenuWithMouse(Frame(), "Edit");
  EXPECT_GT(HighlightedPixels(), 100) << "an open menu leaves the area its focus";
  PressInWindow(Frame(), Qt::Key_Escape);

  Click(window().LowFld());
  EXPECT_EQ(HighlightedPixels(), 0);
  window().RandomFld()->SetFocus();
  EXPECT_GT(HighlightedPixels(), 100);
}

}  // namespace
