#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "framework/base/Exceptions.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/Picture.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/Rectangle.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Timer.h"
#include "tests/support/ControlTesting.h"

namespace {

using controls_testing::EventLog;
using controls_testing::WindowTest;
using I = std::int64_t;
using S = fw::String;

constexpr fw::Color kBlack{0, 0, 0, 0};

fw::Value Swallow(fw::Arguments) {
  return fw::Value(true);
}
fw::Value LetThrough(fw::Arguments) {
  return fw::Value(false);
}

fw::PropertyList Join(std::initializer_list<fw::PropertyList> parts) {
  fw::PropertyList joined;
  for (const fw::PropertyList& part : parts) {
    joined.insert(joined.end(), part.begin(), part.end());
  }
  return joined;
}

// A value of the type that every setter takes.
fw::PropertyValue SampleOf(std::string_view type) {
  if (type == "Int64") {
    return I{0};
  }
  if (type == "Boolean") {
    return false;
  }
  if (type == "String") {
    return S("");
  }
  if (type == "Single") {
    return 0.0F;
  }
  if (type == "Double") {
    return 0.0;
  }
  return type == "Color" ? fw::PropertyValue(kBlack) : fw::PropertyValue(std::uint8_t{0});
}

// "Name:Type Name:Type ..." as a list of sample entries.
fw::PropertyList ListOf(const std::string& entries) {
  fw::PropertyList list;
  std::istringstream words(entries);
  for (std::string entry; words >> entry;) {
    const std::size_t colon = entry.find(':');
    list.push_back({entry.substr(0, colon), SampleOf(std::string_view(entry).substr(colon + 1))});
  }
  return list;
}

// The entries of the program's layouts: every control's, then each kind's own.
constexpr const char* kEveryControl =
    "Name:String Index:Int64 Left:Int64 Top:Int64 Width:Int64 Height:Int64 LockLeft:Boolean "
    "LockTop:Boolean LockRight:Boolean LockBottom:Boolean TabIndex:Int64 TabPanelIndex:Int64 "
    "TabStop:Boolean AllowAutoDeactivate:Boolean Enabled:Boolean Tooltip:String "
    "Transparent:Boolean Visible:Boolean FontName:String FontSize:Single FontUnit:UInt8 "
    "Bold:Boolean Italic:Boolean Underline:Boolean DataSource:String DataField:String "
    "InitialParent:String ";
constexpr const char* kTextEntries =
    "BackgroundColor:Color HasBorder:Boolean Format:String TextColor:Color "
    "AllowFocusRing:Boolean Value:String AllowTabs:Boolean TextAlignment:Int64 "
    "AllowSpellChecking:Boolean MaximumCharactersAllowed:Int64 ValidationMask:String "
    "ReadOnly:Boolean ";

TEST_F(WindowTest, EveryControlAcceptsTheEntriesOfItsLayoutList) {
  const std::pair<fw::ClassRecord* (*)(), std::string> kinds[] = {
      {fw::GroupBox::Lookup, "Caption:String"},
      {fw::RadioButton::Lookup, "Caption:String Value:Boolean"},
      {fw::PushButton::Lookup,
       "MacButtonStyle:Int64 Cancel:Boolean Caption:String Default:Boolean"},
      {fw::TextField::Lookup, kTextEntries + std::string("Password:Boolean Hint:String")},
      {fw::TextArea::Lookup,
       kTextEntries + std::string("HideSelection:Boolean LineHeight:Double "
                                  "LineSpacing:Double Multiline:Boolean "
                                  "HasHorizontalScrollbar:Boolean HasVerticalScrollbar:Boolean "
                                  "AllowStyledText:Boolean")},
      {fw::Canvas::Lookup,
       "AllowFocusRing:Boolean AllowFocus:Boolean AllowTabs:Boolean DoubleBuffer:Boolean "
       "Transparent:Boolean"},
      {fw::Rectangle::Lookup,
       "BorderThickness:Double BottomRightColor:Color FillColor:Color TopLeftColor:Color"},
      {fw::Label::Lookup,
       "Multiline:Boolean Selectable:Boolean TextAlignment:Int64 TextColor:Color Value:String"},
  };
  for (const auto& [lookup, entries] : kinds) {
    SCOPED_TRACE(lookup()->Name());
    const fw::PropertyList list = ListOf(kEveryControl + entries);
    fw::ObjectRef control = window->New(*lookup());
    window->AddControl(lookup()->Name(), control);
    EXPECT_NO_THROW(fw::SetProperties(*control, list));
    EXPECT_EQ(dynamic_cast<fw::Configurable&>(*control).AppliedProperties().size(), list.size());
  }
}

TEST_F(WindowTest, PropertyListErrorsNameTheEntryAndKeepTheEarlierOnes) {
  auto label = Add<fw::Label>("lowTxt");
  try {
    fw::SetProperties(*label, {{"Value", S("Low Value")}, {"Colour", kBlack}});
    FAIL() << "an unknown entry was accepted";
  } catch (const fw::InvalidPropertyException& error) {
    EXPECT_NE(std::string(error.what()).find("Colour"), std::string::npos) << error.what();
  }
  EXPECT_EQ(label->Text(), "Low Value");

  try {
    fw::SetProperties(*label, {{"Width", 70.5}});
    FAIL() << "a Double was accepted for an Int64 entry";
  } catch (const fw::InvalidPropertyException& error) {
    EXPECT_NE(std::string(error.what()).find("Width"), std::string::npos) << error.what();
  }
  EXPECT_THROW(fw::SetProperties(*label, {{"TextAlignment", I{7}}}), fw::InvalidPropertyException);
}

TEST_F(WindowTest, ControlsArePlacedInWindowCoordinatesAlsoInsideAGroupBox) {
  auto group = Add<fw::GroupBox>(
      "GroupBox1", {{"Left", I{25}}, {"Top", I{110}}, {"Width", I{126}}, {"Height", I{74}}});
  auto uniform = Add<fw::RadioButton>("UBtn", {{"Left", I{45}},
                                               {"Top", I{135}},
                                               {"Width", I{100}},
                                               {"Height", I{20}},
                                               {"InitialParent", S("GroupBox1")}});
  QWidget* client = window->ClientWidget();
  EXPECT_EQ(group->Widget()->geometry(), QRect(25, 110, 126, 74));
  EXPECT_EQ(uniform->Widget()->parentWidget(), group->Widget());
  EXPECT_EQ(uniform->Widget()->mapTo(client, QPoint(0, 0)), QPoint(45, 135));

  uniform->SetTop(155);
  EXPECT_EQ(uniform->Top(), 155);
  EXPECT_EQ(uniform->Widget()->mapTo(client, QPoint(0, 0)), QPoint(45, 155));
  EXPECT_EQ(uniform->Widget()->size(), QSize(100, 20));

  auto orphan = Add<fw::RadioButton>("GBtn");
  EXPECT_THROW(fw::SetProperties(*orphan, {{"InitialParent", S("GroupBox2")}}),
               fw::InvalidPropertyException);
}

TEST_F(WindowTest, VisibilityIsKeptUntilTheWindowHoldsTheWidget) {
  auto loose = fw::RuntimeCheckCast<fw::Label>(window->New(*fw::Label::Lookup()));
  loose->SetVisible(true);
  EXPECT_FALSE(loose->Widget()->isVisible()) << "a parentless widget became a window";

  auto hidden = Add<fw::Label>("lowTxt", {{"Visible", false}});
  window->AddControl("loose", loose);
  Activate();
  EXPECT_TRUE(loose->Widget()->isVisible());
  EXPECT_FALSE(loose->Widget()->isWindow());
  EXPECT_FALSE(hidden->Widget()->isVisible());
  EXPECT_FALSE(hidden->Visible());

  hidden->SetVisible(true);
  EXPECT_TRUE(hidden->Widget()->isVisible());
}

TEST_F(WindowTest, FontsUseThePlatformFontAtOnePixelPerPoint) {
  auto credit = Add<fw::Label>(
      "cTxt", {{"FontName", S("System")}, {"FontSize", 9.0F}, {"Bold", true}, {"Italic", true}});
  const QFont font = credit->Widget()->font();
  EXPECT_EQ(font.family(), QApplication::font().family());
  EXPECT_EQ(font.pixelSize(), 9);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  EXPECT_FALSE(font.underline());

  // A bold group box must not make the buttons inside it bold.
  Add<fw::GroupBox>("GroupBox1", {{"Bold", true}});
  auto inside = Add<fw::RadioButton>(
      "UBtn", {{"Bold", false}, {"FontSize", 0.0F}, {"InitialParent", S("GroupBox1")}});
  EXPECT_FALSE(inside->Widget()->font().bold());
  EXPECT_EQ(inside->Widget()->font().pointSizeF(), QApplication::font().pointSizeF());
}

TEST_F(WindowTest, OnlyControlsThatTakeTheFocusGetIt) {
  struct Expectation {
    fw::RectControl* control;
    Qt::FocusPolicy policy;
  };
  const Expectation expectations[] = {
      {Add<fw::TextField>("repsFld", {{"TabStop", true}}).get(), Qt::StrongFocus},
      {Add<fw::TextField>("LowFld", {{"TabStop", false}}).get(), Qt::ClickFocus},
      {Add<fw::PushButton>("CalcBtn", {{"TabStop", false}}).get(), Qt::NoFocus},
      {Add<fw::PushButton>("ClearBtn", {{"TabStop", true}}).get(), Qt::TabFocus},
      {Add<fw::RadioButton>("UBtn", {{"TabStop", true}}).get(), Qt::TabFocus},
      {Add<fw::TextArea>("RandomFld", {{"TabStop", false}}).get(), Qt::ClickFocus},
      {Add<fw::Label>("uText", {{"TabStop", true}}).get(), Qt::NoFocus},
      {Add<fw::Label>("cTxt", {{"Selectable", true}}).get(), Qt::NoFocus},
      {Add<fw::Canvas>("Canvas1", {{"TabStop", true}, {"AllowFocus", false}}).get(), Qt::NoFocus},
      {Add<fw::GroupBox>("GroupBox1", {{"TabStop", true}}).get(), Qt::NoFocus},
      {Add<fw::Rectangle>("Rectangle1", {{"TabStop", true}}).get(), Qt::NoFocus},
  };
  for (const Expectation& expectation : expectations) {
    SCOPED_TRACE(expectation.control->Name().ToStdString());
    EXPECT_EQ(expectation.control->Widget()->focusPolicy(), expectation.policy);
  }
}

TEST_F(WindowTest, RadioButtonsExcludeEachOtherAndOnlyTheUsersChoiceRaisesAction) {
  Add<fw::GroupBox>("GroupBox1",
                    {{"Left", I{25}}, {"Top", I{110}}, {"Width", I{126}}, {"Height", I{74}}});
  const fw::PropertyList inGroup = {
      {"Left", I{45}}, {"Width", I{100}}, {"Height", I{20}}, {"InitialParent", S("GroupBox1")}};
  auto uniform = Add<fw::RadioButton>(
      "UBtn", Join({inGroup, {{"Top", I{135}}, {"Caption", S("Uniform")}, {"Value", true}}}));
  auto gaussian = Add<fw::RadioButton>(
      "GBtn", Join({inGroup, {{"Top", I{155}}, {"Caption", S("Gaussian")}, {"Value", false}}}));
  fw::RuntimeAddEventHandler(uniform, "Action", log->Handler("UBtn"));
  fw::RuntimeAddEventHandler(gaussian, "Action", log->Handler("GBtn"));
  Activate();

  for (int click = 0; click < 2; ++click) {  // the second on the chosen button
    QTest::mouseClick(gaussian->Widget(), Qt::LeftButton, {}, QPoint(8, 10));
    controls_testing::ProcessEvents();
  }
  EXPECT_TRUE(gaussian->Value());
  EXPECT_FALSE(uniform->Value());
  EXPECT_EQ(log->entries, std::vector<std::string>{"GBtn: RadioButton"});

  uniform->SetValue(true);
  EXPECT_TRUE(uniform->Value());
  EXPECT_FALSE(gaussian->Value());
  uniform->SetValue(false);
  EXPECT_FALSE(uniform->Value()) << "code could not leave the group without a choice";
  EXPECT_EQ(log->entries.size(), 1U) << "setting Value in code raised Action";
}

TEST_F(WindowTest, PushButtonsRaiseActionOnClickAndPush) {
  auto clear = Add<fw::PushButton>("ClearBtn",
                                   {{"Width", I{100}}, {"Height", I{40}}, {"Caption", S("Clear")}});
  fw::RuntimeAddEventHandler(clear, "Action", log->Handler("Action"));
  Activate();

  QTest::mouseClick(clear->Widget(), Qt::LeftButton);
  clear->Push();
  EXPECT_EQ(log->entries, (std::vector<std::string>{"Action: PushButton", "Action: PushButton"}));
  EXPECT_EQ(static_cast<QPushButton*>(clear->Widget())->text(), "Clear");
}

TEST_F(WindowTest, ReturnAndEnterPushTheFocusedButtonRatherThanTheDefaultOne) {
  auto calculate = Add<fw::PushButton>("CalcBtn", {{"Default", true}});
  auto plain = Add<fw::PushButton>("Other", {{"TabStop", true}});
  fw::RuntimeAddEventHandler(calculate, "Action", log->Handler("Calculate"));
  fw::RuntimeAddEventHandler(plain, "Action", log->Handler("Other"));
  Activate();
  plain->SetFocus();

  QTest::keyClick(plain->Widget(), Qt::Key_Return);
  QTest::keyClick(plain->Widget(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(log->entries, (std::vector<std::string>{"Other: PushButton", "Other: PushButton"}));
}

TEST_F(WindowTest, EscapePushesOnlyACancelButton) {
  auto field = Add<fw::TextField>("repsFld");
  auto cancel = Add<fw::PushButton>("CancelBtn", {{"Cancel", true}});
  fw::RuntimeAddEventHandler(cancel, "Action", log->Handler("Cancel"));
  Activate();
  field->SetFocus();

  QTest::keyClick(field->Widget(), Qt::Key_Escape);
  EXPECT_EQ(log->entries, std::vector<std::string>{"Cancel: PushButton"});

  cancel->SetCancel(false);
  QTest::keyClick(field->Widget(), Qt::Key_Escape);
  EXPECT_EQ(log->entries.size(), 1U);
}

class TextFieldKeys : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    field = Add<fw::TextField>(
        "LowFld",
        {{"TabStop", true}, {"MaximumCharactersAllowed", I{6}}, {"ValidationMask", S("######")}});
    next = Add<fw::TextField>("HighFld", {{"TabStop", true}});
    Activate();
    field->SetFocus();
  }

  void FilterWith(EventLog::Answer answer) {
    fw::RuntimeAddEventHandler(field, "KeyDown", log->Handler("KeyDown", std::move(answer)));
  }

  std::shared_ptr<fw::TextField> field;
  std::shared_ptr<fw::TextField> next;
};

TEST_F(TextFieldKeys, TypedKeysReachKeyDownFirstAndTrueSwallowsThem) {
  FilterWith([](fw::Arguments arguments) { return fw::Value(std::get<S>(arguments[1]) == "x"); });
  QTest::keyClicks(field->Widget(), "1x2");
  EXPECT_EQ(field->Text(), "12");
  EXPECT_EQ(log->entries, (std::vector<std::string>{"KeyDown: TextField 1", "KeyDown: TextField x",
                                                    "KeyDown: TextField 2"}));
}

TEST_F(TextFieldKeys, BackspaceTabAndEscapeAreHandedOverAsControlCharacters) {
  FilterWith(LetThrough);
  field->SetText("12");
  QTest::keyClick(field->Widget(), Qt::Key_End);
  QTest::keyClick(field->Widget(), Qt::Key_Backspace);
  QTest::keyClick(field->Widget(), Qt::Key_Escape);
  QTest::keyClick(field->Widget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(field->Widget(), Qt::Key_Tab);
  EXPECT_EQ(field->Text(), "1");
  EXPECT_EQ(log->entries,
            (std::vector<std::string>{"KeyDown: TextField \b", "KeyDown: TextField \x1b",
                                      "KeyDown: TextField \t", "KeyDown: TextField \t"}));
}

TEST_F(TextFieldKeys, ASwallowedTabKeepsTheFocusAndALetThroughTabMovesIt) {
  bool swallow = true;
  FilterWith([&swallow](fw::Arguments) { return fw::Value(swallow); });
  QTest::keyClick(field->Widget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), field->Widget());

  swallow = false;
  QTest::keyClick(field->Widget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), next->Widget());
}

TEST_F(TextFieldKeys, KeysThatTypeNothingAndDeleteAreNotHandedOver) {
  FilterWith(Swallow);
  field->SetText("123");
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                      Qt::Key_PageDown, Qt::Key_F1, Qt::Key_End, Qt::Key_Home}) {
    QTest::keyClick(field->Widget(), key);
  }
  QTest::keyClick(field->Widget(), Qt::Key_Delete);
  EXPECT_TRUE(log->entries.empty());
  EXPECT_EQ(field->Text(), "23");
}

TEST_F(TextFieldKeys, CommandChordsPassTheFilterAndPastingKeepsToTheLengthLimit) {
  FilterWith(Swallow);
  QApplication::clipboard()->setText("1234567890");
  QTest::keyClick(field->Widget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->Text(), "123456");
  QTest::keyClick(field->Widget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field->Widget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "123456");
  EXPECT_TRUE(log->entries.empty());
}

TEST_F(TextFieldKeys, TheShorterOfLimitAndMaskLimitsTheText) {
  const auto pasted = [this] {
    field->SetText("");
    QApplication::clipboard()->setText("1234567890");
    QTest::keyClick(field->Widget(), Qt::Key_V, Qt::ControlModifier);
    return field->Text();
  };
  EXPECT_EQ(pasted(), "123456");
  fw::SetProperties(*field, {{"MaximumCharactersAllowed", I{4}}});
  EXPECT_EQ(pasted(), "1234");
  fw::SetProperties(*field, {{"MaximumCharactersAllowed", I{0}}});
  EXPECT_EQ(pasted(), "123456");
  fw::SetProperties(*field, {{"ValidationMask", S("")}, {"MaximumCharactersAllowed", I{5}}});
  EXPECT_EQ(pasted(), "12345");
}

TEST_F(TextFieldKeys, ReturnPressesTheDefaultButtonAndNeverReachesKeyDown) {
  FilterWith(LetThrough);
  QTest::keyClick(field->Widget(), Qt::Key_Return);
  EXPECT_TRUE(log->entries.empty()) << "no default button: Return is no key for the filter";

  auto plain = Add<fw::PushButton>("Other");
  auto calculate = Add<fw::PushButton>("CalcBtn", {{"Default", true}});
  fw::RuntimeAddEventHandler(plain, "Action", log->Handler("Other"));
  fw::RuntimeAddEventHandler(calculate, "Action", log->Handler("Calculate"));
  QTest::keyClick(field->Widget(), Qt::Key_Return);
  QTest::keyClick(field->Widget(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(log->entries,
            (std::vector<std::string>{"Calculate: PushButton", "Calculate: PushButton"}));
}

TEST_F(WindowTest, LabelsShowCarriageReturnsAsLineBreaksWhenMultiline) {
  const S description("Uniform distribution\rof integers");
  auto twoLines = Add<fw::Label>("uText", {{"Multiline", true},
                                           {"Value", description},
                                           {"TextColor", fw::Color{0xcd, 0x22, 0x18, 0}},
                                           {"TextAlignment", I{2}}});
  auto oneLine = Add<fw::Label>("lowTxt", {{"Value", description}});
  const auto* shown = static_cast<QLabel*>(twoLines->Widget());
  EXPECT_EQ(shown->text(), "Uniform distribution\nof integers");
  EXPECT_EQ(twoLines->Text(), description);
  EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(0xcd, 0x22, 0x18));
  EXPECT_TRUE(shown->alignment() & Qt::AlignHCenter);
  EXPECT_FALSE(static_cast<QLabel*>(oneLine->Widget())->text().contains('\n'));
}

TEST_F(WindowTest, APictureIsDrawnAtTheTopLeftUnscaledAndNilDrawsNothing) {
  QTemporaryDir folder;
  QImage red(4, 4, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(folder.filePath("red.png")));
  const S previousFolder = fw::ResourceFolder();
  fw::SetResourceFolder(folder.path().toStdString());
  auto picture = fw::Picture::OpenFromApp("red.png");
  fw::SetResourceFolder(previousFolder.View());
  ASSERT_NE(picture, nullptr);

  auto canvas = Add<fw::Canvas>("Canvas1", {{"Width", I{20}}, {"Height", I{20}}});
  const auto render = [&canvas] {
    QImage shot(20, 20, QImage::Format_RGB32);
    shot.fill(Qt::white);
    // Without the window's background: only what the canvas itself paints.
    canvas->Widget()->render(&shot, QPoint(), QRegion(), QWidget::DrawChildren);
    return shot;
  };
  canvas->SetBackdrop(picture);
  EXPECT_EQ(canvas->Backdrop(), picture);
  EXPECT_EQ(render().pixelColor(3, 3), QColor(Qt::red));
  EXPECT_EQ(render().pixelColor(4, 4), QColor(Qt::white));

  canvas->SetBackdrop(nullptr);
  EXPECT_EQ(render().pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(WindowTest, ARectangleFillsAndDrawsItsTwoEdgeColours) {
  auto bar = Add<fw::Rectangle>("Rectangle1", {{"Width", I{20}},
                                               {"Height", I{10}},
                                               {"BorderThickness", 2.0},
                                               {"FillColor", fw::Color{0, 0, 0xff, 0}},
                                               {"TopLeftColor", fw::Color{0, 0x80, 0xff, 0}},
                                               {"BottomRightColor", fw::Color{0, 0, 0xb5, 0}}});
  QImage shot(20, 10, QImage::Format_RGB32);
  bar->Widget()->render(&shot);
  EXPECT_EQ(shot.pixelColor(10, 1), QColor(0, 0x80, 0xff)) << "top";
  EXPECT_EQ(shot.pixelColor(1, 5), QColor(0, 0x80, 0xff)) << "left";
  EXPECT_EQ(shot.pixelColor(10, 5), QColor(0, 0, 0xff)) << "fill";
  EXPECT_EQ(shot.pixelColor(10, 8), QColor(0, 0, 0xb5)) << "bottom";
  EXPECT_EQ(shot.pixelColor(18, 5), QColor(0, 0, 0xb5)) << "right";
}

TEST_F(WindowTest, TheCanvasReportsThePointerEnteringAndLeaving) {
  auto icon = Add<fw::Canvas>("Canvas2", {{"Width", I{64}}, {"Height", I{64}}});
  fw::RuntimeAddEventHandler(icon, "MouseEnter", log->Handler("MouseEnter"));
  fw::RuntimeAddEventHandler(icon, "MouseExit", log->Handler("MouseExit"));
  Activate();
  QTest::mouseMove(icon->Widget(), QPoint(5, 5));
  QTest::mouseMove(window->ClientWidget(), QPoint(200, 300));
  EXPECT_EQ(log->entries, (std::vector<std::string>{"MouseEnter: Canvas", "MouseExit: Canvas"}));
}

// A window whose MouseDown handler records where the clicks it gets landed.
class ClickableWindow : public WindowTest {
 protected:
  const fw::ClassRecord& WindowRecord() const override {
    static fw::ClassRecord* record = [] {
      fw::ClassRecord* made = fw::ClassRecord::Derive(fw::Window::Lookup());
      made->SetName("ClickableWindow");
      made->SetFactory(fw::MakeInstance<fw::Window>);
      made->SetEventHandler("MouseDown", [](fw::Object&, fw::Arguments position) {
        WindowClicks().emplace_back(std::get<I>(position[0]), std::get<I>(position[1]));
        return fw::Value(false);
      });
      return made;
    }();
    return *record;
  }

  void SetUp() override {
    WindowClicks().clear();
    WindowTest::SetUp();
  }

  static std::vector<std::pair<I, I>>& WindowClicks() {
    static std::vector<std::pair<I, I>> clicks;
    return clicks;
  }
};

TEST_F(ClickableWindow, ClicksOnLabelsAndCanvasesWithoutHandlersReachTheWindow) {
  auto label = Add<fw::Label>(
      "uText", {{"Left", I{25}}, {"Top", I{188}}, {"Width", I{154}}, {"Height", I{34}}});
  auto title = Add<fw::Canvas>(
      "Canvas1", {{"Left", I{125}}, {"Top", I{13}}, {"Width", I{274}}, {"Height", I{26}}});
  Activate();
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseClick(title->Widget(), Qt::LeftButton, {}, QPoint(1, 2));
  EXPECT_EQ(WindowClicks(), (std::vector<std::pair<I, I>>{{30, 194}, {126, 15}}));
}

TEST_F(ClickableWindow, ACanvasWithAMouseDownHandlerKeepsItsClicks) {
  auto question = Add<fw::Canvas>(
      "Canvas3", {{"Left", I{225}}, {"Top", I{480}}, {"Width", I{20}}, {"Height", I{39}}});
  fw::RuntimeAddEventHandler(question, "MouseDown", log->Handler("MouseDown", LetThrough));
  Activate();
  QTest::mouseClick(question->Widget(), Qt::LeftButton, {}, QPoint(3, 4));
  EXPECT_EQ(log->entries, std::vector<std::string>{"MouseDown: Canvas 3 4"});
  EXPECT_TRUE(WindowClicks().empty());
}

TEST_F(WindowTest, AControlThatOutlivesItsWindowLosesItsWidgetSafely) {
  auto field = Add<fw::TextField>("repsFld", {{"Value", S("1")}});
  window->Close();
  window.reset();
  controls_testing::ProcessEvents();
  EXPECT_EQ(field->Widget(), nullptr);
  EXPECT_THROW(field->SetVisible(true), fw::NilObjectException);
}

}  // namespace
