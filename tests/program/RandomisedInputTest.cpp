// Random user actions on a generator window, from a fixed seed and a fixed number of them:
// keys, pastes and drops of odd text, input-method commits, clicks, context menus, menu
// commands, the About window, clicks queued and drops and pastes made while a press runs, real
// message boxes; after every press of "Calculate" a check of what the press must have written.
// SORTIVALE_RANDOM_ACTIONS sets how many actions a longer run takes (tools/soak).

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/runtime/ProgramCalls.h"
#include "framework/runtime/Runtime.h"
#include "framework/text/Conversions.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/Window.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/TestSupport.h"
#include "windows/AboutWnd.h"
#include "windows/Window1.h"

namespace {

// Any seed will do; a failure report names this one so that the run can be repeated.
constexpr std::uint64_t kSeed = 0x536f'7274'6976'616cULL;
// As many as stay within a few seconds in the sanitizer build.
constexpr int kActions = 1200;
constexpr std::size_t kTrailLength = 30;
// Presses of more values than this cost a good part of a second each.
constexpr std::int64_t kCheapCount = 5000;
// The presses of the most values there are, for each thousand actions.
constexpr int kCostlyPressesPerThousand = 1;
constexpr std::int64_t kMostLines = 99999;
// A press lets the window system in when it repaints, at most every 50 ms: after a pause this
// long, its first value does.
constexpr int kLongerThanARepaintPauseMs = 60;

// Plain arithmetic on the engine's output rather than the standard distributions, whose
// results differ between standard libraries: a seed repeats the same run everywhere.
class Dice {
 public:
  explicit Dice(std::uint64_t seed) : engine_(seed) {}

  std::uint64_t Below(std::uint64_t bound) { return engine_() % bound; }
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low) + 1));
  }
  bool Percent(std::uint64_t chance) { return Below(100) < chance; }
  template <class T>
  T Pick(std::initializer_list<T> choices) {
    return choices.begin()[Below(choices.size())];
  }
  // An index into `weights`, each as likely as its weight.
  std::size_t Weighted(std::initializer_list<int> weights) {
    return Weighted(weights, [](int weight) { return weight; });
  }
  // An index into `choices`, each as likely as the weight `weightOf` gives it.
  template <class Choices, class WeightOf>
  std::size_t Weighted(const Choices& choices, WeightOf weightOf) {
    int total = 0;
    for (const auto& choice : choices) {
      total += weightOf(choice);
    }
    auto roll = static_cast<int>(Below(static_cast<std::uint64_t>(total)));
    std::size_t index = 0;
    for (const auto& choice : choices) {
      if (roll < weightOf(choice)) {
        break;
      }
      roll -= weightOf(choice);
      ++index;
    }
    return index;
  }

 private:
  std::mt19937_64 engine_;
};

// For the trail: control and non-ASCII characters as \u escapes, long texts cut short.
std::string Printable(const QString& text) {
  constexpr qsizetype kShown = 40;
  std::string printable;
  for (QChar character : text.first(std::min(text.size(), kShown))) {
    const char16_t code = character.unicode();
    if (code >= 0x20 && code < 0x7f && code != '\\') {
      printable += static_cast<char>(code);
    } else {
      printable += QString::asprintf("\\u%04x", unsigned{code}).toStdString();
    }
  }
  if (text.size() > kShown) {
    printable += "... (" + std::to_string(text.size()) + " characters)";
  }
  return "\"" + printable + "\"";
}

bool InsidePair(const QString& text, qsizetype at) {
  return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() && text[at].isLowSurrogate();
}

// What a user counts as characters: a letter with its accents, a character outside the Basic
// Multilingual Plane, each is one. Qt 6.4 finds boundaries inside the latter in texts with
// Indic or Thai letters; a pair's halves are one character all the same.
int Characters(const QString& text) {
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  int count = 0;
  for (qsizetype next = finder.toNextBoundary(); next > 0; next = finder.toNextBoundary()) {
    count += InsidePair(text, next) ? 0 : 1;
  }
  return count;
}

// A field reads a "?" back for half a pair, which the run typed only where it typed a lone half.
bool IsLoneHalf(const QString& text, qsizetype at) {
  return text[at].isSurrogate() && !InsidePair(text, at) && !InsidePair(text, at + 1);
}

// What reads back as "?" or U+FFFD: those two, and lone halves of pairs.
bool IsStandIn(const QString& text, qsizetype at) {
  return text[at] == u'?' || text[at] == QChar::ReplacementCharacter || IsLoneHalf(text, at);
}

// The stand-ins in the texts the run typed, pasted, dropped or committed: the only ones a field
// may hold.
std::set<char16_t>& TypedStandIns() {
  static std::set<char16_t> marks;
  return marks;
}

void RememberStandIns(const QString& text) {
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (IsStandIn(text, at)) {
      TypedStandIns().insert(text[at].unicode());
    }
  }
}

// The first stand-in in a field's text that the run never typed, if any.
std::optional<char16_t> UntypedStandIn(const QString& text) {
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (IsStandIn(text, at) && !TypedStandIns().contains(text[at].unicode())) {
      return text[at].unicode();
    }
  }
  return std::nullopt;
}

bool IsValidUtf8(const std::string& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString decoded = decoder(QByteArrayView(bytes.data(), std::ssize(bytes)));
  return !decoder.hasError();
}

QString Digits(std::int64_t number) {
  return QString::number(number);
}

// A Devanagari, Bengali, Sinhala, Thai, Tibetan, Myanmar or Khmer letter and characters outside
// the Basic Multilingual Plane after it, where Qt 6.4 finds boundaries inside them.
QString IndicLetterAndAstral(Dice& dice) {
  const char16_t letter =
      dice.Pick({u'\u0915', u'\u0995', u'\u0d9a', u'\u0e01', u'\u0f40', u'\u1000', u'\u1780'});
  return QChar(letter) +
         QString::fromUcs4(U"\U0001F600\U0001D7CE\U00010000\U0001F44D", dice.Between(1, 4));
}

// One piece of clipboard text, from the kinds of text that reach a field without its key
// filter: numbers, stray signs, broken UTF-8, line ends, marks and digits of other scripts,
// characters outside the Basic Multilingual Plane after letters of Indic scripts or Thai.
QString AnyPiece(Dice& dice) {
  switch (dice.Below(13)) {
    case 0:
      return Digits(dice.Between(0, 99999999));
    case 1:
      return QString(QChar::fromLatin1(dice.Pick({'-', '.', '/', '+', ',', ':', ' ', '\t', 'e'})));
    case 2: {
      QByteArray bytes;
      for (auto count = dice.Between(1, 12); count > 0; --count) {
        bytes.append(static_cast<char>(dice.Below(256)));
      }
      return QString::fromUtf8(bytes);
    }
    case 3:
      return dice.Pick({QStringLiteral("\n"), QStringLiteral("\r"), QStringLiteral("\r\n")});
    case 4:
      return QString(QChar(u'\0'));
    case 5:
      return QString(QChar(dice.Pick({u'\u200e', u'\u200f', u'\u202e', u'\u2066', u'\u2069',
                                      u'\u061c', u'\u2028', u'\u2029', u'\ufeff', u'\ufffd'})));
    case 6: {
      const char16_t zero =
          dice.Pick({u'\u0660', u'\u06f0', u'\uff10', u'\u0966', u'\u09e6', u'\u2070'});
      return QString(QChar(static_cast<char16_t>(zero + dice.Below(10))));
    }
    case 7:
      return QString::fromUcs4(U"\U0001D7CE\U0001F600\U00010000", dice.Between(1, 3));
    case 8:
      // A lone surrogate: QString holds it, UTF-8 cannot.
      return QString(QChar(static_cast<char16_t>(0xd800 + dice.Below(0x800))));
    case 9: {
      const char32_t code = static_cast<char32_t>(dice.Below(0x110000));
      return QChar::isSurrogate(code) ? QString() : QString::fromUcs4(&code, 1);
    }
    case 10:
      return dice.Pick({QStringLiteral("1e5"), QStringLiteral("&h10"), QStringLiteral("0x1F"),
                        QStringLiteral("inf"), QStringLiteral("nan"), QStringLiteral("-0"),
                        QStringLiteral("--5"), QStringLiteral(".5."), QStringLiteral("99999")});
    case 11:
      return IndicLetterAndAstral(dice);
    default:
      return QString(QChar(static_cast<char16_t>('a' + dice.Below(26))));
  }
}

QString RandomPiece(Dice& dice) {
  QString piece = AnyPiece(dice);
  RememberStandIns(piece);
  return piece;
}

QString RandomClipboardText(Dice& dice) {
  const std::int64_t pieces = dice.Percent(4) ? dice.Between(200, 2000) : dice.Between(0, 6);
  QString text;
  for (std::int64_t piece = 0; piece < pieces; ++piece) {
    text += RandomPiece(dice);
  }
  return text;
}

// A count for "How Many": mostly a few values, now and then thousands or the most there is.
QString RandomCount(Dice& dice) {
  switch (dice.Weighted({60, 20, 8, 8, 4})) {
    case 0:
      return Digits(dice.Between(0, 20));
    case 1:
      return Digits(dice.Between(21, 500));
    case 2:
      return dice.Pick({QStringLiteral("-3"), QStringLiteral("2.5"), QStringLiteral("0.9"),
                        QStringLiteral("."), QStringLiteral("-"), QStringLiteral("/"),
                        QStringLiteral("3/4"), QStringLiteral("1-2"), QString()});
    case 3:
      return Digits(dice.Between(501, kCheapCount));
    default:
      return Digits(kMostLines);
  }
}

// A range value: mostly small, sometimes negative, fractional, odd or the widest there is.
QString RandomRangeValue(Dice& dice) {
  switch (dice.Weighted({50, 15, 10, 10, 10, 5})) {
    case 0:
      return Digits(dice.Between(0, 30));
    case 1:
      return Digits(dice.Between(31, 999999));
    case 2:
      return Digits(-dice.Between(1, 99999));
    case 3:
      return Digits(dice.Between(0, 99)) + "." + Digits(dice.Between(0, 999));
    case 4:
      return dice.Pick({QStringLiteral("-0.5"), QStringLiteral("-"), QStringLiteral("."),
                        QStringLiteral("/"), QStringLiteral("2/3"), QStringLiteral("0-0")});
    default:
      return QString();
  }
}

struct Key {
  Qt::Key code;
  QString text;
  Qt::KeyboardModifiers modifiers;
};

std::string Describe(const Key& key) {
  const QString chord = QKeySequence(key.modifiers | key.code).toString();
  return chord.toStdString() + " " + Printable(key.text);
}

constexpr std::array kSpecialKeys = {
    Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Backtab,  Qt::Key_Backspace, Qt::Key_Delete,
    Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,       Qt::Key_Down,      Qt::Key_Home,
    Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert,    Qt::Key_F1};

Key AsciiKey(char character, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  return {QTest::asciiToKey(character), QString(QChar::fromLatin1(character)), modifiers};
}

Key SpecialKey(Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const char text = QTest::keyToAscii(code);
  return {code, text != 0 ? QString(QChar::fromLatin1(text)) : QString(), modifiers};
}

Qt::KeyboardModifiers RandomChordModifiers(Dice& dice) {
  constexpr std::array kModifiers = {Qt::ControlModifier, Qt::AltModifier, Qt::ShiftModifier,
                                     Qt::MetaModifier};
  Qt::KeyboardModifiers modifiers;
  while (modifiers == Qt::NoModifier) {
    for (Qt::KeyboardModifier modifier : kModifiers) {
      if (dice.Percent(40)) {
        modifiers |= modifier;
      }
    }
  }
  return modifiers;
}

// Ctrl+Q is the menu's Quit: it would end the program, which is no robustness finding.
bool Quits(const Key& key) {
  return key.code == Qt::Key_Q && (key.modifiers & (Qt::ControlModifier | Qt::MetaModifier));
}

Key RandomChord(Dice& dice) {
  const Qt::KeyboardModifiers modifiers = RandomChordModifiers(dice);
  Key key = dice.Percent(60)
                ? AsciiKey(static_cast<char>(dice.Pick({'a', 'c', 'v', 'x', 'z', 'y', 'q', '5'})),
                           modifiers)
                : SpecialKey(dice.Pick({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace,
                                        Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                        Qt::Key_End, Qt::Key_Tab}),
                             modifiers);
  return Quits(key) ? AsciiKey('z', modifiers) : key;
}

// Any key a user might press but a plain Return, which in a field presses "Calculate": the
// run presses it there on purpose and checks what follows.
Key RandomKey(Dice& dice) {
  switch (dice.Weighted({30, 12, 10, 18, 15, 15})) {
    case 0:
      return AsciiKey(static_cast<char>('0' + dice.Below(10)));
    case 1:
      return AsciiKey(dice.Pick({'-', '.', '/'}));
    case 2:
      return AsciiKey(dice.Pick({',', ':', '+', ' ', 'a', 'Z', 'e', '#'}));
    case 3:
      return SpecialKey(kSpecialKeys[dice.Below(kSpecialKeys.size())]);
    case 4:
      return {Qt::Key_unknown, RandomPiece(dice), Qt::NoModifier};
    default:
      return RandomChord(dice);
  }
}

// The last actions of a run: with the seed, what a failure report needs for a rerun.
class Trail {
 public:
  void Add(int number, std::string action) {
    entries_.push_back("#" + std::to_string(number) + " " + std::move(action));
    if (entries_.size() > kTrailLength) {
      entries_.pop_front();
    }
  }
  std::string Report(int actionsRun) const {
    std::string report = "seed " + std::to_string(kSeed) + ", after " + std::to_string(actionsRun) +
                         " actions; the last ones:";
    for (const std::string& entry : entries_) {
      report += "\n  " + entry;
    }
    return report;
  }

 private:
  std::deque<std::string> entries_;
};

// What a press must show: a refusal, or this many values (of this range, in the uniform mode).
struct Expected {
  std::optional<std::string> refusal;
  std::int64_t low = 0;
  std::int64_t high = 0;
  std::int64_t lines = 0;
};

// Which part of the text counts is the framework's Val to decide; the truncation is checked
// here. The field limits keep every value far inside the Int64 range.
std::int64_t TruncatedValue(const QString& text) {
  const double value = std::trunc(fw::Val(text.toUtf8().toStdString()));
  EXPECT_LT(std::abs(value), 1e15) << Printable(text);
  return std::abs(value) < 1e15 ? static_cast<std::int64_t>(value) : 0;
}

std::int64_t ExpectedLines(const QString& count) {
  return std::max<std::int64_t>(TruncatedValue(count), 0);
}

Expected ExpectedUniformPress(const QString& low, const QString& high, const QString& count) {
  if (low.isEmpty()) {
    return {"Enter lowest random number allowed."};
  }
  if (high.isEmpty()) {
    return {"Enter highest random number allowed."};
  }
  Expected expected{std::nullopt, TruncatedValue(low), TruncatedValue(high)};
  if (expected.low < 0) {
    return {"Low value cannot be less than 0."};
  }
  if (expected.high - expected.low < 2) {
    return {"High value must be higher than low value by \u2265 2."};
  }
  expected.lines = ExpectedLines(count);
  return expected;
}

// A press of "Calculate" as the window stood just before it.
struct PressInputs {
  std::int64_t btn = 0;
  QString low;
  QString high;
  QString count;
};

Expected ExpectedPress(const PressInputs& inputs) {
  return inputs.btn == 1 ? ExpectedUniformPress(inputs.low, inputs.high, inputs.count)
                         : Expected{std::nullopt, 0, 0, ExpectedLines(inputs.count)};
}

std::string Describe(const PressInputs& inputs) {
  return "btn " + std::to_string(inputs.btn) + ", low " + Printable(inputs.low) + ", high " +
         Printable(inputs.high) + ", count " + Printable(inputs.count);
}

// The output's lines; false when the text is not a run of lines each ended by one carriage
// return.
bool SplitLines(const QString& output, QStringList& lines) {
  lines = output.split(QChar('\r'));
  const bool endsLines = lines.takeLast().isEmpty();
  return endsLines && !lines.contains(QString());
}

const QRegularExpression& UniformLine() {
  static const QRegularExpression pattern(
      QRegularExpression::anchoredPattern(QStringLiteral(R"(-?(?:0|[1-9][0-9]*))")));
  return pattern;
}

const QRegularExpression& GaussianLine() {
  static const QRegularExpression pattern(
      QRegularExpression::anchoredPattern(QStringLiteral(R"([+-][0-9]*\.[0-9]{6})")));
  return pattern;
}

std::optional<std::string> escapedException;

// Handlers run through the exception helper; one that lets a runtime exception escape would
// otherwise go unseen here, with no event loop for it to end.
std::exception_ptr RecordEscapes(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const fw::RuntimeException& raised) {
    if (!escapedException) {
      escapedException = std::string(raised.ClassName()) + ": " + raised.what();
    }
    return std::current_exception();
  }
  return nullptr;
}

// The headless platform reports each opening menu; nothing else is kept from view.
class QuietMenuNotices {
 public:
  QuietMenuNotices() { previous = qInstallMessageHandler(Filter); }
  ~QuietMenuNotices() { qInstallMessageHandler(previous); }
  QuietMenuNotices(const QuietMenuNotices&) = delete;
  QuietMenuNotices& operator=(const QuietMenuNotices&) = delete;

 private:
  static void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
      previous(type, context, message);
    }
  }
  static inline QtMessageHandler previous = nullptr;
};

class RandomisedInput : public GeneratorWindowTest {
 protected:
  RandomisedInput() {
    escapedException.reset();
    TypedStandIns().clear();
    fw::RuntimeSetExceptionHelper(RecordEscapes);
  }
  ~RandomisedInput() override { fw::RuntimeSetExceptionHelper(nullptr); }

  void Run();
  void RunAction();

  // The actions.
  void TypeKey();
  void TypeValue();
  void WalkThroughAstralCharacters();
  void Paste();
  void ClickSomewhere();
  void DoubleClickText();
  void MovePointer();
  void UseEditMenu();
  void ClickButton(const std::shared_ptr<fw::RectControl>& button, const char* name);
  void ClickDistribution();
  void PressCalculate(bool withReturn);
  void ActDuringThePress();
  void DropDuringThePress();
  void PasteDuringThePress();
  void Drop();
  void CommitInputMethodText();
  void UseContextMenu();
  void ShowAbout();
  void ClickInOneBatch();

  // Helpers of the actions.
  QWidget* RandomTextTarget();
  QWidget* RandomField();
  QPoint RandomPointIn(const QWidget* widget);
  void ClickAt(QPoint inClient, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Focus(QWidget* target);
  void Send(QWidget* target, const Key& key);
  void Retype(QWidget* field, const QString& text);
  void ChooseFromEditMenu(const QString& item, bool byKeys);
  void CloseStrayMenus();
  void KeepCountAffordable();
  void PressAndAnswerRealMessageBoxes(const std::function<void()>& press);
  // The control a widget belongs to, for the trail.
  std::string Name(const QWidget* widget) const;

  // The checks.
  PressInputs ReadInputs();
  void CheckPress(const PressInputs& inputs);
  void CheckLines(const QStringList& lines, const PressInputs& inputs, const Expected& expected);
  void CheckWindowState();
  void CheckOutputOfTheMode();

  QLineEdit* Line(const std::shared_ptr<fw::TextField>& field) {
    return static_cast<QLineEdit*>(field->Widget());
  }
  QPlainTextEdit* Output() { return static_cast<QPlainTextEdit*>(window().RandomFld()->Widget()); }

  QuietMenuNotices quiet_;
  Dice dice_{kSeed};
  Trail trail_;
  const int actionsToRun_ = qEnvironmentVariableIntValue("SORTIVALE_RANDOM_ACTIONS") > 0
                                ? qEnvironmentVariableIntValue("SORTIVALE_RANDOM_ACTIONS")
                                : kActions;
  int actionsRun_ = 0;
  int presses_ = 0;
  int pressesAtTheLimit_ = 0;
  int realMessageBoxes_ = 0;
  int dropsDuringPresses_ = 0;
  int costlyPressesLeft_ = 1 + actionsToRun_ * kCostlyPressesPerThousand / 1000;
  // A message box the program showed and the run answered: its text, since the last press.
  std::vector<std::string> answeredBoxes_;
};

void RandomisedInput::Run() {
  QElapsedTimer clock;
  clock.start();
  while (actionsRun_ < actionsToRun_ && !HasFailure()) {
    ++actionsRun_;
    RunAction();
    ProcessEvents();
    CheckWindowState();
  }
  if (HasFailure()) {
    ADD_FAILURE() << trail_.Report(actionsRun_);
  }
  std::cout << "[ random   ] seed " << kSeed << ": " << actionsRun_ << " actions, " << presses_
            << " presses (" << pressesAtTheLimit_ << " of " << kMostLines << " values, "
            << realMessageBoxes_ << " real message boxes, " << dropsDuringPresses_
            << " drops during a press) in " << clock.elapsed() << " ms\n";
}

void RandomisedInput::RunAction() {
  // Each action with how often it comes, against the others.
  struct Action {
    int weight;
    void (*run)(RandomisedInput&);
  };
  static constexpr Action kActions[] = {
      {30, [](RandomisedInput& run) { run.TypeKey(); }},
      {12, [](RandomisedInput& run) { run.TypeValue(); }},
      {6, [](RandomisedInput& run) { run.WalkThroughAstralCharacters(); }},
      {10, [](RandomisedInput& run) { run.Paste(); }},
      {10, [](RandomisedInput& run) { run.ClickSomewhere(); }},
      {2, [](RandomisedInput& run) { run.DoubleClickText(); }},
      {4, [](RandomisedInput& run) { run.MovePointer(); }},
      {3, [](RandomisedInput& run) { run.UseEditMenu(); }},
      {5, [](RandomisedInput& run) { run.ClickDistribution(); }},
      {2, [](RandomisedInput& run) { run.ClickButton(run.window().ClearBtn(), "Clear"); }},
      {14, [](RandomisedInput& run) { run.PressCalculate(false); }},
      {6, [](RandomisedInput& run) { run.PressCalculate(true); }},
      {4, [](RandomisedInput& run) { run.Drop(); }},
      {3, [](RandomisedInput& run) { run.CommitInputMethodText(); }},
      {2, [](RandomisedInput& run) { run.UseContextMenu(); }},
      {1, [](RandomisedInput& run) { run.ShowAbout(); }},
      {3, [](RandomisedInput& run) { run.ClickInOneBatch(); }},
  };
  kActions[dice_.Weighted(kActions, [](const Action& action) { return action.weight; })].run(*this);
}

void RandomisedInput::ClickDistribution() {
  if (dice_.Percent(50)) {
    ClickButton(window().UBtn(), "Uniform");
  } else {
    ClickButton(window().GBtn(), "Gaussian");
  }
}

void RandomisedInput::TypeKey() {
  QWidget* target = RandomTextTarget();
  const Key key = RandomKey(dice_);
  trail_.Add(actionsRun_, "key " + Describe(key) + " into " + Name(target));
  if (key.code == Qt::Key_Return || key.code == Qt::Key_Enter) {
    KeepCountAffordable();
  }
  Focus(target);
  Send(target, key);
}

void RandomisedInput::TypeValue() {
  QWidget* field = RandomField();
  const QString value =
      field == window().repsFld()->Widget() ? RandomCount(dice_) : RandomRangeValue(dice_);
  trail_.Add(actionsRun_, "type " + Printable(value) + " over " + Name(field));
  Retype(field, value);
}

// Caret keys, Delete, Backspace and digits in a field that mostly holds such characters after
// an Indic or Thai letter, each of which could part one where Qt 6.4 finds a boundary inside.
void RandomisedInput::WalkThroughAstralCharacters() {
  QWidget* field = RandomField();
  const QString text = dice_.Percent(70) ? IndicLetterAndAstral(dice_) : QString();
  std::vector<Key> keys;
  std::string described;
  for (auto count = dice_.Between(1, 8); count > 0; --count) {
    keys.push_back(dice_.Percent(15)
                       ? AsciiKey(static_cast<char>('0' + dice_.Below(10)))
                       : SpecialKey(dice_.Pick({Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                                Qt::Key_End, Qt::Key_Delete, Qt::Key_Backspace}),
                                    dice_.Percent(20) ? Qt::ShiftModifier : Qt::NoModifier));
    described += ", " + Describe(keys.back());
  }
  trail_.Add(actionsRun_,
             "paste " + Printable(text) + " over " + Name(field) + ", then keys" + described);
  Focus(field);
  if (!text.isEmpty()) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  }
  for (const Key& key : keys) {
    Send(field, key);
  }
}

void RandomisedInput::Paste() {
  QWidget* target = RandomTextTarget();
  const QString text = RandomClipboardText(dice_);
  const bool byMenu = dice_.Percent(35);
  const bool byKeys = dice_.Percent(50);
  trail_.Add(actionsRun_, std::string("paste ") + (byMenu ? "(Edit menu) " : "(Ctrl+V) ") +
                              Printable(text) + " into " + Name(target));
  QGuiApplication::clipboard()->setText(text);
  Focus(target);
  if (byMenu) {
    ChooseFromEditMenu(QStringLiteral("Paste"), byKeys);
  } else {
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
  }
}

void RandomisedInput::ClickSomewhere() {
  const QPoint point = RandomPointIn(window().ClientWidget());
  const Qt::KeyboardModifiers modifiers =
      dice_.Percent(10) ? Qt::KeyboardModifiers(Qt::ShiftModifier) : Qt::NoModifier;
  QWidget* hit = window().ClientWidget()->childAt(point);
  trail_.Add(actionsRun_, "click at (" + std::to_string(point.x()) + ", " +
                              std::to_string(point.y()) + ") on " + Name(hit));
  if (hit == window().CalcBtn()->Widget()) {
    KeepCountAffordable();
  }
  ClickAt(point, modifiers);
}

void RandomisedInput::DoubleClickText() {
  QWidget* target = RandomTextTarget();
  QWidget* surface = target == Output() ? Output()->viewport() : target;
  const QPoint point = RandomPointIn(surface);
  trail_.Add(actionsRun_, "double click in " + Name(target));
  QTest::mouseDClick(surface, Qt::LeftButton, Qt::NoModifier, point);
}

void RandomisedInput::MovePointer() {
  const QPoint point = RandomPointIn(window().ClientWidget());
  trail_.Add(actionsRun_,
             "pointer to (" + std::to_string(point.x()) + ", " + std::to_string(point.y()) + ")");
  QTest::mouseMove(window().ClientWidget(), point);
}

void RandomisedInput::UseEditMenu() {
  QWidget* target = RandomTextTarget();
  const QString item = dice_.Pick({QStringLiteral("Undo"), QStringLiteral("Cut"),
                                   QStringLiteral("Copy"), QStringLiteral("Clear")});
  const bool byKeys = dice_.Percent(50);
  trail_.Add(actionsRun_, "Edit > " + item.toStdString() + " in " + Name(target));
  Focus(target);
  ChooseFromEditMenu(item, byKeys);
}

void RandomisedInput::ClickButton(const std::shared_ptr<fw::RectControl>& button,
                                  const char* name) {
  trail_.Add(actionsRun_, std::string("click ") + name);
  Click(button);
}

// Most presses first set some of the fields, as a user trying values would; the rest take
// whatever the random actions left there.
void RandomisedInput::PressCalculate(bool withReturn) {
  if (dice_.Percent(60)) {
    Retype(Line(window().repsFld()), RandomCount(dice_));
  }
  if (window().btn == 1 && dice_.Percent(50)) {
    Retype(Line(window().LowFld()), RandomRangeValue(dice_));
    Retype(Line(window().HighFld()), RandomRangeValue(dice_));
  }
  KeepCountAffordable();
  const PressInputs inputs = ReadInputs();
  QWidget* field = RandomField();
  trail_.Add(actionsRun_,
             (withReturn ? "Return in " + Name(field) : "Calculate") + " with " + Describe(inputs));
  alerts_.events.clear();
  answeredBoxes_.clear();
  auto press = [&] {
    if (withReturn) {
      Focus(field);
      ActDuringThePress();
      QTest::keyClick(field, dice_.Pick({Qt::Key_Return, Qt::Key_Enter}));
    } else {
      ActDuringThePress();
      Click(window().CalcBtn());
    }
  };
  if (dice_.Percent(20)) {
    PressAndAnswerRealMessageBoxes(press);
  } else {
    press();
  }
  ProcessEvents();
  CheckPress(inputs);
}

// Input that comes while the press runs: a drop from another program, which the window refuses
// then, or Ctrl+V, which waits for the press to end. Either way the press writes only its values.
void RandomisedInput::ActDuringThePress() {
  switch (dice_.Weighted({80, 10, 10})) {
    case 1:
      DropDuringThePress();
      break;
    case 2:
      PasteDuringThePress();
      break;
    default:
      break;
  }
}

void RandomisedInput::DropDuringThePress() {
  QWidget* target = RandomTextTarget();
  QWidget* surface = target == Output() ? Output()->viewport() : target;
  const QPoint point = RandomPointIn(surface);
  auto dragged = std::make_shared<QMimeData>();
  dragged->setText(RandomClipboardText(dice_));
  trail_.Add(actionsRun_, "drop " + Printable(dragged->text()) + " at (" +
                              std::to_string(point.x()) + ", " + std::to_string(point.y()) +
                              ") on " + Name(target) + " while the press runs");
  QTest::qWait(kLongerThanARepaintPauseMs);
  QTimer::singleShot(0, [this, surface, point, dragged] {
    // A press that writes no value lets nothing in: the drop would only come after it.
    if (!fw::RuntimeHandlerRunning()) {
      return;
    }
    ++dropsDuringPresses_;
    EXPECT_FALSE(DragTextOver(surface, point, *dragged)) << "the window takes no drag now";
    EXPECT_FALSE(DropTextOn(surface, point, *dragged)) << "the window takes no drop now";
  });
}

// Into a field only: what a paste into the output area after the press leaves there is no
// press's output any more. Without a focused field, as while the About window is in front,
// the paste would go wherever the focus lands when the generator window is active again.
void RandomisedInput::PasteDuringThePress() {
  QWidget* focused = QApplication::focusWidget();
  if (focused != Line(window().LowFld()) && focused != Line(window().HighFld()) &&
      focused != Line(window().repsFld())) {
    return;
  }
  const QString text = RandomClipboardText(dice_);
  trail_.Add(actionsRun_,
             "Ctrl+V " + Printable(text) + " into " + Name(focused) + " while the press runs");
  QGuiApplication::clipboard()->setText(text);
  QTimer::singleShot(0, [this] { QueueKey(window().TopWidget(), Qt::Key_V, Qt::ControlModifier); });
}

// The program's own message boxes, modal, answered the way a user would: Return, Escape,
// Space or a click on their button. The beep is the platform's then, and goes unrecorded.
void RandomisedInput::PressAndAnswerRealMessageBoxes(const std::function<void()>& press) {
  fw::SetAlertObserver(nullptr);
  const int answer = static_cast<int>(dice_.Below(4));
  QTimer answering;
  QPointer<QMessageBox> answered;
  int tries = 0;
  QObject::connect(&answering, &QTimer::timeout, [this, answer, &answered, &tries] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    if (box != answered) {
      answered = box;
      tries = 0;
      answeredBoxes_.push_back(box->text().toStdString());
      ++realMessageBoxes_;
    }
    // A key the box does not take leaves it up: the user then clicks its button.
    if (answer == 3 || ++tries > 3) {
      QAbstractButton* ok = box->buttons().value(0);
      QTest::mouseClick(ok, Qt::LeftButton, Qt::NoModifier, ok->rect().center());
    } else {
      QTest::keyClick(box->windowHandle(),
                      std::array{Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}[answer]);
    }
  });
  answering.start(0);
  press();
  answering.stop();
  fw::SetAlertObserver(&alerts_);
  for (const std::string& text : answeredBoxes_) {
    alerts_.events.push_back("message: " + text);
  }
}

// Text dragged in from another program, dropped anywhere on a field or the output area.
void RandomisedInput::Drop() {
  QWidget* target = RandomTextTarget();
  QWidget* surface = target == Output() ? Output()->viewport() : target;
  const QPoint point = RandomPointIn(surface);
  const QString text = RandomClipboardText(dice_);
  trail_.Add(actionsRun_, "drop " + Printable(text) + " at (" + std::to_string(point.x()) + ", " +
                              std::to_string(point.y()) + ") on " + Name(target));
  DropText(surface, point, text);
}

// What an input method hands over once the user has composed it.
void RandomisedInput::CommitInputMethodText() {
  QWidget* target = RandomTextTarget();
  const QString text = RandomClipboardText(dice_);
  trail_.Add(actionsRun_, "input method commits " + Printable(text) + " in " + Name(target));
  Focus(target);
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QCoreApplication::sendEvent(target, &commit);
}

// The right button's menu of a field or the output area; an item picked with the keys, or
// none.
void RandomisedInput::UseContextMenu() {
  QWidget* target = RandomTextTarget();
  QWidget* surface = target == Output() ? Output()->viewport() : target;
  const QPoint point = RandomPointIn(surface);
  const auto steps = static_cast<int>(dice_.Below(9));
  trail_.Add(actionsRun_,
             "context menu in " + Name(target) + ", " + std::to_string(steps) + " steps down");
  Focus(target);
  QContextMenuEvent opening(QContextMenuEvent::Mouse, point, surface->mapToGlobal(point));
  QCoreApplication::sendEvent(surface, &opening);
  ProcessEvents();
  if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
    for (int step = 0; step < steps; ++step) {
      QTest::keyClick(menu, Qt::Key_Down);
    }
    QTest::keyClick(menu, steps == 0 ? Qt::Key_Escape : Qt::Key_Return);
  }
  CloseStrayMenus();
  Activate(window().TopWidget());
}

// "About Sortivale", then the About window closed by a click or a key, or left to the generator
// window's next activation.
void RandomisedInput::ShowAbout() {
  const int ending = static_cast<int>(dice_.Below(3));
  trail_.Add(actionsRun_, std::string("About Sortivale, ") +
                              std::array{"closed by a click", "closed by a key", "left"}[ending]);
  ChooseWithMouse(OpenMenuWithMouse(window().TopWidget(), QStringLiteral("Sortivale")),
                  QStringLiteral("About Sortivale"));
  std::shared_ptr<fw::Window> about = fw::GetImplicitWindow("AboutWnd.AboutWnd");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->Visible()) << "the About window shows when asked for";
  if (ending == 0) {
    QTest::mouseClick(about->ClientWidget(), Qt::LeftButton, Qt::NoModifier,
                      RandomPointIn(about->ClientWidget()));
  } else if (ending == 1) {
    QTest::keyClick(about->TopWidget()->windowHandle(), Qt::Key_Space);
  }
  ProcessEvents();
  Activate(window().TopWidget());
  EXPECT_FALSE(about->Visible()) << "the About window goes when the generator window is active";
}

// Clicks on the mode's buttons and "Calculate" that come in one batch, while the program is
// still busy: each click's handler runs to its end, in the order of the clicks.
void RandomisedInput::ClickInOneBatch() {
  const std::array<std::pair<std::shared_ptr<fw::RectControl>, const char*>, 4> buttons = {{
      {window().UBtn(), "Uniform"},
      {window().GBtn(), "Gaussian"},
      {window().ClearBtn(), "Clear"},
      {window().CalcBtn(), "Calculate"},
  }};
  std::string names;
  bool lastIsCalculate = false;
  for (auto clicks = dice_.Between(2, 4); clicks > 0; --clicks) {
    const auto& [button, name] = buttons[dice_.Below(buttons.size())];
    names += std::string(names.empty() ? "" : ", ") + name;
    lastIsCalculate = button == window().CalcBtn();
    if (lastIsCalculate) {
      KeepCountAffordable();
    }
    QueueClick(button->Widget());
  }
  trail_.Add(actionsRun_, "clicks in one batch: " + names);
  alerts_.events.clear();
  ProcessEvents();
  if (lastIsCalculate) {
    CheckOutputOfTheMode();
  }
}

QWidget* RandomisedInput::RandomTextTarget() {
  if (dice_.Percent(25)) {
    return Output();
  }
  return RandomField();
}

// One of the entry fields the user can see.
QWidget* RandomisedInput::RandomField() {
  std::vector<QWidget*> shown;
  for (const auto& field : {window().LowFld(), window().HighFld(), window().repsFld()}) {
    if (field->Widget()->isVisible()) {
      shown.push_back(field->Widget());
    }
  }
  return shown[dice_.Below(shown.size())];
}

QPoint RandomisedInput::RandomPointIn(const QWidget* widget) {
  return {static_cast<int>(dice_.Below(static_cast<std::uint64_t>(widget->width()))),
          static_cast<int>(dice_.Below(static_cast<std::uint64_t>(widget->height())))};
}

// A click lands on whatever the user sees at that point of the window.
void RandomisedInput::ClickAt(QPoint inClient, Qt::KeyboardModifiers modifiers) {
  QWidget* client = window().ClientWidget();
  QWidget* hit = client->childAt(inClient);
  QWidget* target = hit != nullptr ? hit : client;
  QTest::mouseClick(target, Qt::LeftButton, modifiers, target->mapFrom(client, inClient));
}

// Clicks into the widget, as a user would before typing, unless it has the focus already.
void RandomisedInput::Focus(QWidget* target) {
  if (QApplication::focusWidget() == target) {
    return;
  }
  QWidget* surface = target == Output() ? Output()->viewport() : target;
  QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, RandomPointIn(surface));
  ProcessEvents();
}

void RandomisedInput::Send(QWidget* target, const Key& key) {
  QTest::sendKeyEvent(QTest::Click, target, key.code, key.text, key.modifiers);
}

// Selects the whole text of a field and types the new one over it.
void RandomisedInput::Retype(QWidget* field, const QString& text) {
  Focus(field);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, text);
}

void RandomisedInput::ChooseFromEditMenu(const QString& item, bool byKeys) {
  QMenu* menu = OpenMenuWithMouse(window().TopWidget(), QStringLiteral("Edit"));
  ASSERT_NE(menu, nullptr) << "the Edit menu opens on a click";
  QAction* chosen = ItemOf(menu, item);
  ASSERT_NE(chosen, nullptr);
  if (byKeys) {
    for (int step = 0; step < 8 && menu->activeAction() != chosen; ++step) {
      QTest::keyClick(menu, Qt::Key_Down);
    }
    QTest::keyClick(menu, Qt::Key_Return);
  } else {
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(chosen).center());
  }
  CloseStrayMenus();
  // The headless platform hands the activation to each menu and never gives it back.
  Activate(window().TopWidget());
}

// A disabled item leaves its menu open, and Escape leaves the bar with the keyboard.
void RandomisedInput::CloseStrayMenus() {
  for (int tries = 0; tries < 4 && QApplication::activePopupWidget() != nullptr; ++tries) {
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ProcessEvents();
  }
  if (auto* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget())) {
    QTest::keyClick(bar, Qt::Key_Escape);
    ProcessEvents();
  }
}

// Called before anything that may press "Calculate". Random keys soon pile up five-digit
// counts; only a few presses of that size fit the time budget, and they go to the most values
// there are.
void RandomisedInput::KeepCountAffordable() {
  const std::int64_t lines = ExpectedPress(ReadInputs()).lines;
  if (lines <= kCheapCount) {
    return;
  }
  if (lines == kMostLines && costlyPressesLeft_ > 0) {
    --costlyPressesLeft_;
    return;
  }
  Retype(Line(window().repsFld()), Digits(dice_.Between(0, 50)));
}

std::string RandomisedInput::Name(const QWidget* widget) const {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    for (std::int64_t index = 0; index < window_->ControlCount(); ++index) {
      auto control = std::dynamic_pointer_cast<fw::RectControl>(window_->ControlAt(index));
      if (control != nullptr && control->Widget() == widget) {
        return control->Name().ToStdString();
      }
    }
  }
  return "the window";
}

PressInputs RandomisedInput::ReadInputs() {
  return {window().btn, Line(window().LowFld())->text(), Line(window().HighFld())->text(),
          Line(window().repsFld())->text()};
}

void RandomisedInput::CheckPress(const PressInputs& inputs) {
  ++presses_;
  ASSERT_TRUE(inputs.btn == 1 || inputs.btn == 2) << Describe(inputs);
  const Expected expected = ExpectedPress(inputs);
  if (expected.refusal && !answeredBoxes_.empty()) {
    EXPECT_EQ(alerts_.events, (std::vector<std::string>{"message: " + *expected.refusal}));
  } else if (expected.refusal) {
    EXPECT_EQ(alerts_.events, (std::vector<std::string>{"beep", "message: " + *expected.refusal}));
  } else {
    EXPECT_EQ(alerts_.events, std::vector<std::string>{});
  }
  const fw::String text = window().RandomFld()->Text();
  EXPECT_EQ(text.View().find('\n'), std::string_view::npos) << "no line feed in the output";
  const QString output = QString::fromUtf8(text.View().data(), std::ssize(text.View()));
  EXPECT_EQ(Output()->toPlainText(), QString(output).replace(QChar('\r'), QChar('\n')))
      << "the widget shows the output";
  QStringList lines;
  EXPECT_TRUE(SplitLines(output, lines)) << "each line ends with one carriage return";
  EXPECT_LE(lines.size(), kMostLines);
  EXPECT_EQ(lines.size(), expected.lines) << Describe(inputs);
  pressesAtTheLimit_ += lines.size() == kMostLines ? 1 : 0;
  CheckLines(lines, inputs, expected);
}

void RandomisedInput::CheckLines(const QStringList& lines, const PressInputs& inputs,
                                 const Expected& expected) {
  const QRegularExpression& pattern = inputs.btn == 1 ? UniformLine() : GaussianLine();
  for (const QString& line : lines) {
    ASSERT_TRUE(pattern.match(line).hasMatch()) << Printable(line);
    if (inputs.btn == 1) {
      const std::int64_t value = line.toLongLong();
      ASSERT_TRUE(expected.low <= value && value <= expected.high)
          << value << " outside " << expected.low << " to " << expected.high;
    }
  }
}

// What holds after any action: the window lives in one whole mode, and the fields keep their
// limits whatever reached them.
void RandomisedInput::CheckWindowState() {
  ASSERT_FALSE(window().IsClosed());
  if (escapedException) {
    ADD_FAILURE() << "a handler raised " << *escapedException;
    escapedException.reset();
  }
  for (const auto& [field, most] :
       {std::pair{window().LowFld(), 6}, std::pair{window().HighFld(), 6},
        std::pair{window().repsFld(), 5}}) {
    const std::string text = field->Text().ToStdString();
    EXPECT_LE(Characters(QString::fromStdString(text)), most) << Printable(Line(field)->text());
    EXPECT_TRUE(IsValidUtf8(text)) << Printable(Line(field)->text());
    const std::optional<char16_t> untyped = UntypedStandIn(Line(field)->text());
    EXPECT_FALSE(untyped)
        << QString::asprintf("\\u%04x", unsigned{untyped.value_or(0)}).toStdString() << " in "
        << Printable(Line(field)->text()) << ", never typed";
  }
  const std::int64_t btn = window().btn;
  ASSERT_TRUE(btn == 1 || btn == 2) << btn;
  const bool uniform = btn == 1;
  EXPECT_EQ(window().UBtn()->Value(), uniform);
  EXPECT_EQ(window().GBtn()->Value(), !uniform);
  EXPECT_EQ(window().uText()->Widget()->isVisible(), uniform);
  EXPECT_EQ(window().gText()->Widget()->isVisible(), !uniform);
  for (const auto& control : std::vector<std::shared_ptr<fw::RectControl>>{
           window().lowTxt(), window().LowFld(), window().highTxt(), window().HighFld()}) {
    EXPECT_EQ(control->Widget()->isVisible(), uniform) << control->Name().ToStdString();
  }
}

// After a batch that ended with "Calculate": whatever the clicks before it did, the output is
// what a press in the mode the window shows writes.
void RandomisedInput::CheckOutputOfTheMode() {
  const fw::String text = window().RandomFld()->Text();
  QStringList lines;
  ASSERT_TRUE(SplitLines(QString::fromUtf8(text.View().data(), std::ssize(text.View())), lines));
  const QRegularExpression& pattern = window().btn == 1 ? UniformLine() : GaussianLine();
  for (const QString& line : lines) {
    ASSERT_TRUE(pattern.match(line).hasMatch()) << Printable(line) << " in mode " << window().btn;
  }
  if (window().btn == 2) {
    EXPECT_EQ(lines.size(), ExpectedLines(Line(window().repsFld())->text()));
  }
}

TEST_F(RandomisedInput, EveryPressAmidRandomActionsWritesWhatItsFieldsCallFor) {
  Run();
  EXPECT_GT(presses_, 0);
  EXPECT_GT(dropsDuringPresses_, 0);
}

}  // namespace
