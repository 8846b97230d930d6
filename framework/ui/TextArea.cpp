#include "framework/ui/TextArea.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string_view>

#include "framework/runtime/MainThread.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/QtText.h"
#include "framework/ui/TextAreaEditor.h"
#include "framework/ui/WidgetStyle.h"

namespace fw {
namespace {

constexpr PropertySpec kTextAreaProperties[] = {
    {"Value", PropertyType::String, Apply<&TextArea::SetText>},
    {"TextAlignment", PropertyType::Int64, Apply<&TextArea::SetTextAlignment>},
    {"BackgroundColor", PropertyType::Color, Apply<&TextArea::SetBackgroundColor>},
    {"TextColor", PropertyType::Color, Apply<&TextArea::SetTextColor>},
    {"HasBorder", PropertyType::Boolean, Apply<&TextArea::SetHasBorder>},
    {"ReadOnly", PropertyType::Boolean, Apply<&TextArea::SetReadOnly>},
    {"HasVerticalScrollbar", PropertyType::Boolean, Apply<&TextArea::SetHasVerticalScrollbar>},
    {"HasHorizontalScrollbar", PropertyType::Boolean, Apply<&TextArea::SetHasHorizontalScrollbar>},
    {"AllowTabs", PropertyType::Boolean, Apply<&TextArea::SetAllowTabs>},
    {"Multiline", PropertyType::Boolean, nullptr},
    {"HideSelection", PropertyType::Boolean, Apply<&TextArea::SetHideSelection>},
    {"LineHeight", PropertyType::Double, nullptr},
    {"LineSpacing", PropertyType::Double, nullptr},
    {"AllowStyledText", PropertyType::Boolean, nullptr},
    {"AllowFocusRing", PropertyType::Boolean, nullptr},
    {"AllowSpellChecking", PropertyType::Boolean, nullptr},
    {"MaximumCharactersAllowed", PropertyType::Int64, nullptr},
    {"ValidationMask", PropertyType::String, nullptr},
    {"Format", PropertyType::String, nullptr},
};

// The widget breaks lines at line feeds; the text ends them with carriage returns.
QString ShownText(std::string_view text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QChar('\r'), QChar('\n'));
  return shown;
}

}  // namespace

ClassRecord* TextArea::Lookup() {
  static ClassRecord* record =
      DeriveClass(RectControl::Lookup(), "TextArea", MakeInstance<TextArea>);
  return record;
}

TextArea::TextArea() {
  AcceptProperties(kTextAreaProperties);
  auto* editor = new Editor(*this);
  AdoptWidget(editor);
  QObject::connect(editor, &QPlainTextEdit::textChanged, [this] {
    if (!changingWidget_) {
      editedByUser_ = true;
    }
  });
}

TextArea::~TextArea() {
  if (auto* editor = static_cast<Editor*>(Widget())) {
    editor->Detach();
  }
}

String TextArea::Text() {
  CheckMainThread();
  if (editedByUser_) {
    TakeUserEdits();
  }
  return text_;
}

void TextArea::SetText(const String& text) {
  CheckMainThread();
  const bool extends =
      !editedByUser_ && text.Size() > text_.Size() && text_.IsPrefixOfSameBuffer(text);
  lag_ = extends ? std::max(lag_, WidgetLag::Tail) : WidgetLag::Everything;
  editedByUser_ = false;
  text_ = text;
  ScheduleFlush();
}

void TextArea::FlushToWidget() {
  if (lag_ == WidgetLag::None) {
    return;
  }
  QTextDocument& document = *WidgetAs<Editor>().document();
  QTextCursor cursor(&document);
  std::string_view unseen = text_.View();
  changingWidget_ = true;
  if (lag_ == WidgetLag::Everything) {
    // Emptying the document first is much cheaper than replacing a selection of it.
    if (!document.isEmpty()) {
      document.clear();
    }
  } else {
    cursor.movePosition(QTextCursor::End);
    unseen.remove_prefix(shownLength_);
  }
  // The program's text is not the user's to undo, and the history would keep a copy of it.
  // One cursor insertion measured faster than setPlainText for replacing and appending alike.
  document.setUndoRedoEnabled(false);
  cursor.insertText(ShownText(unseen));
  document.setUndoRedoEnabled(true);
  changingWidget_ = false;
  shownLength_ = text_.Size();
  lag_ = WidgetLag::None;
}

void TextArea::SetTextAlignment(std::int64_t alignment) {
  QTextDocument& document = *WidgetAs<Editor>().document();
  QTextOption option = document.defaultTextOption();
  option.setAlignment(HorizontalAlignment(alignment));
  document.setDefaultTextOption(option);
}

void TextArea::SetBackgroundColor(Color color) {
  SetPaletteColor(WidgetAs<Editor>(), QPalette::Base, color);
}

void TextArea::SetTextColor(Color color) {
  Editor& editor = WidgetAs<Editor>();
  SetPaletteColor(editor, QPalette::Text, color);
  ShowSelection(!hideSelection_ || editor.hasFocus());
}

void TextArea::SetHasBorder(bool hasBorder) {
  WidgetAs<Editor>().setFrameShape(hasBorder ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TextArea::SetReadOnly(bool readOnly) {
  WidgetAs<Editor>().setReadOnly(readOnly);
}

void TextArea::SetHasVerticalScrollbar(bool hasScrollbar) {
  WidgetAs<Editor>().setVerticalScrollBarPolicy(hasScrollbar ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAlwaysOff);
}

void TextArea::SetHasHorizontalScrollbar(bool hasScrollbar) {
  // Without a horizontal scroll bar, long lines wrap.
  Editor& editor = WidgetAs<Editor>();
  editor.setLineWrapMode(hasScrollbar ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  editor.setHorizontalScrollBarPolicy(hasScrollbar ? Qt::ScrollBarAlwaysOn
                                                   : Qt::ScrollBarAlwaysOff);
}

void TextArea::SetAllowTabs(bool allowTabs) {
  WidgetAs<Editor>().setTabChangesFocus(!allowTabs);
}

void TextArea::SetHideSelection(bool hide) {
  hideSelection_ = hide;
  ShowSelection(!hide || WidgetAs<Editor>().hasFocus());
}

// An open menu or the menu bar's keyboard navigation takes the keys for a while but leaves
// the control its focus: the selection stays, as the Edit commands act on it.
bool TextArea::HandleWidgetEvent(QEvent& event) {
  if (hideSelection_ && (event.type() == QEvent::FocusIn || event.type() == QEvent::FocusOut)) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    const bool toMenu = reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
    if (event.type() == QEvent::FocusIn || !toMenu) {
      ShowSelection(event.type() == QEvent::FocusIn);
    }
  }
  return RectControl::HandleWidgetEvent(event);
}

void TextArea::ScheduleFlush() {
  if (flushScheduled_) {
    return;
  }
  flushScheduled_ = true;
  QMetaObject::invokeMethod(
      &WidgetAs<Editor>(),
      [weakSelf = weak_from_this()] {
        if (std::shared_ptr<Object> self = weakSelf.lock()) {
          auto& area = static_cast<TextArea&>(*self);
          area.flushScheduled_ = false;
          // A handler still adding lines: the widget catches up once, when it is done, as
          // every partial insertion costs the widget nearly as much as the whole text.
          if (RuntimeInBackgroundTask()) {
            area.ScheduleFlush();
          } else {
            area.FlushToWidget();
          }
        }
      },
      Qt::QueuedConnection);
}

// The widget draws the selection of an unfocused control in the palette's inactive colours;
// hiding it there paints the selected text as any other.
void TextArea::ShowSelection(bool shown) {
  Editor& editor = WidgetAs<Editor>();
  QPalette palette = editor.palette();
  const QPalette standard = QApplication::palette(&editor);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setBrush(group, QPalette::Highlight,
                     shown ? standard.brush(group, QPalette::Highlight) : QBrush(Qt::transparent));
    palette.setBrush(group, QPalette::HighlightedText,
                     shown ? standard.brush(group, QPalette::HighlightedText)
                           : palette.brush(group, QPalette::Text));
  }
  editor.setPalette(palette);
}

void TextArea::TakeUserEdits() {
  QString shown = WidgetAs<Editor>().toPlainText();
  shown.replace(QChar('\n'), QChar('\r'));
  text_ = FromQString(shown);
  shownLength_ = text_.Size();
  lag_ = WidgetLag::None;
  editedByUser_ = false;
}

}  // namespace fw
