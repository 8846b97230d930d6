#include "framework/ui/MenuBarView.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/runtime/ProgramCalls.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/EditCommands.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/QtText.h"
#include "framework/ui/Window.h"

namespace fw {
namespace {

// How the menu model shows and acts here.
//
// - A caption "-" is a separator line.
// - Menus and items with an empty caption carry no command: they are not shown, nor are
//   invisible ones.
// - AppleMenuItem items, at whatever depth of a shown menu, are gathered into an application
//   menu that carries the program's name and comes first on the bar.
// - "Cmd+" in a shortcut is the platform's command modifier: Ctrl here.
// - F10 opens the first menu on the bar; the arrow keys, Return and Escape go on from there.
//   The captions stay as they are: no letter of theirs is marked for Alt.
// - A QuitMenuItem quits the program; the Edit items act on the window's focused text
//   control unless a window handles them, and are enabled only when they would do something
//   there; every other item runs the handler a window registered under its name.
constexpr std::string_view kSeparatorCaption = "-";
constexpr char kCommandModifier[] = "Cmd+";
constexpr char kPlatformCommandModifier[] = "Ctrl+";
constexpr Qt::Key kOpenFirstMenuKey = Qt::Key_F10;

bool IsSeparator(const MenuItem& item) {
  return item.Text() == kSeparatorCaption;
}

bool IsShown(const MenuItem& item) {
  return item.Visible() && !item.Text().IsEmpty();
}

bool BelongsToApplicationMenu(const MenuItem& item) {
  return item.IsA(*AppleMenuItem::Lookup());
}

bool IsQuit(const MenuItem& item) {
  return item.IsA(*QuitMenuItem::Lookup());
}

QKeySequence ShortcutOf(const MenuItem& item) {
  return QKeySequence(
      ToQString(item.Shortcut())
          .replace(QLatin1String(kCommandModifier), QLatin1String(kPlatformCommandModifier)));
}

std::optional<EditCommand> EditCommandOf(const MenuItem& item) {
  return EditCommandNamed(item.Name().View());
}

bool AnyWindowHandles(const MenuItem& item) {
  const auto windows = LiveWindows();
  return std::any_of(windows.begin(), windows.end(), [&item](const auto& window) {
    return window->HasMenuHandler(item.Name().View());
  });
}

// Quits the way closing every window would: the windows' Close handlers run first, and one
// of them may already have quit; quitting again with the same code changes nothing.
void QuitProgram() {
  for (const auto& window : LiveWindows()) {
    window->Close();
  }
  Quit(0);
}

// Tells of every mouse button press on a widget, before the widget sees it.
class PressWatcher : public QObject {
 public:
  PressWatcher(QObject* parent, std::function<void(QWidget*)> pressed)
      : QObject(parent), pressed_(std::move(pressed)) {}

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress && receiver->isWidgetType()) {
      pressed_(static_cast<QWidget*>(receiver));
    }
    return false;
  }

 private:
  std::function<void(QWidget*)> pressed_;
};

class MenuBarWidget : public QMenuBar {
 public:
  MenuBarWidget(MenuBar& bar, QWidget* frame)
      : QMenuBar(frame),
        bar_(std::static_pointer_cast<MenuBar>(bar.shared_from_this())),
        frame_(frame),
        applicationMenu_(new QMenu(QCoreApplication::applicationName(), this)) {
    WatchOpening(*applicationMenu_);
    RememberFocusBeforeKeyboardNavigation();
    EndNavigationOnClicksElsewhere();
    OpenFirstMenuOnKey();
    for (std::int64_t index = 0; index < bar.Count(); ++index) {
      AddTopLevel(bar.Item(index));
    }
    if (applicationMenu_->isEmpty()) {
      delete std::exchange(applicationMenu_, nullptr);
    } else {
      insertMenu(actions().value(0), applicationMenu_);
    }
    RefreshEnabledStates();
  }

 private:
  void AddTopLevel(const std::shared_ptr<MenuItem>& menu) {
    if (BelongsToApplicationMenu(*menu)) {
      AddEntry(*applicationMenu_, menu);
    } else if (IsShown(*menu)) {
      QMenu* shown = addMenu(ToQString(menu->Text()));
      WatchOpening(*shown);
      AddEntries(*shown, *menu);
    }
  }

  void AddEntries(QMenu& shown, const MenuItem& menu) {
    for (std::int64_t index = 0; index < menu.Count(); ++index) {
      std::shared_ptr<MenuItem> item = menu.Item(index);
      AddEntry(BelongsToApplicationMenu(*item) ? *applicationMenu_ : shown, item);
    }
  }

  void AddEntry(QMenu& shown, const std::shared_ptr<MenuItem>& item) {
    if (item->Visible() && IsSeparator(*item)) {
      shown.addSeparator();
    } else if (IsShown(*item) && item->Count() > 0) {
      QMenu* submenu = shown.addMenu(ToQString(item->Text()));
      WatchOpening(*submenu);
      AddEntries(*submenu, *item);
    } else if (IsShown(*item)) {
      AddCommand(shown, item);
    }
  }

  void AddCommand(QMenu& shown, const std::shared_ptr<MenuItem>& item) {
    QAction* action = shown.addAction(ToQString(item->Text()));
    action->setShortcut(ShortcutOf(*item));
    // Held by the window as well: Qt takes a command's shortcut only from a widget on the
    // screen, and the bar may be hidden.
    frame_->addAction(action);
    std::weak_ptr<MenuItem> chosen = item;
    connect(action, &QAction::triggered, this, [this, chosen] {
      if (std::shared_ptr<MenuItem> item = chosen.lock()) {
        RuntimeCallProgram([&] { CarryOut(*item); });
      }
    });
    commands_.emplace_back(action, chosen);
  }

  void WatchOpening(QMenu& menu) {
    connect(&menu, &QMenu::aboutToShow, this, &MenuBarWidget::PrepareForOpening);
    connect(&menu, &QMenu::aboutToHide, this, &MenuBarWidget::EndNavigationOnceMenusClose,
            Qt::QueuedConnection);
  }

  // A shortcut of the bar, not of the window: a hidden bar leaves the key to the window.
  void OpenFirstMenuOnKey() {
    new QShortcut(QKeySequence(kOpenFirstMenuKey), this, [this] {
      if (!actions().isEmpty()) {
        setActiveAction(actions().first());
      }
    });
  }

  // Qt keeps the bar in keyboard navigation, holding the focus, after Escape has closed a
  // menu. Here Escape closes the menus for good, and the typing goes on in the control that
  // had the focus.
  void EndNavigationOnceMenusClose() {
    if (!hasFocus() || QApplication::activePopupWidget() != nullptr) {
      return;
    }
    EndNavigation();
  }

  void EndNavigation() {
    if (focusBeforeNavigation_ != nullptr) {
      focusBeforeNavigation_->setFocus(Qt::MenuBarFocusReason);
    } else {
      clearFocus();
    }
  }

  // A click elsewhere in the window ends the keyboard navigation that Alt began, even on a
  // control that takes no focus: the typing goes on where it was.
  void EndNavigationOnClicksElsewhere() {
    // Its own filter object: the bar adds itself to the application's filters and takes
    // itself off again as Alt goes down and up.
    qApp->installEventFilter(new PressWatcher(this, [this](QWidget* widget) {
      if (hasFocus() && widget->window() == frame_ && widget != this && !isAncestorOf(widget)) {
        EndNavigation();
      }
    }));
  }

  // Alt puts the bar in keyboard navigation, which takes the window's focus for a while; the
  // Edit commands still belong to the control that had it.
  void RememberFocusBeforeKeyboardNavigation() {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
      if (now == this) {
        focusBeforeNavigation_ = old;
      }
    });
  }

  // The text control the Edit commands act on: the one that has the window's focus, or had it
  // before the bar took the focus; nil when that is no text control.
  QWidget* EditTarget() const {
    QWidget* focus = frame_->focusWidget();
    if (focus == this) {
      focus = focusBeforeNavigation_;
    }
    return IsTextWidget(focus) && focus->isVisible() && focus->isEnabled() ? focus : nullptr;
  }

  // What the framework carries out without any program handler.
  bool IsFrameworkCommand(const MenuItem& item) const {
    std::optional<EditCommand> command = EditCommandOf(item);
    return IsQuit(item) || (command.has_value() && CanPerform(*command, EditTarget()));
  }

  // Auto-enabled items start off; the framework turns on what it can carry out itself, and
  // the window's EnableMenuItems handler decides about the rest.
  void PrepareForOpening() {
    std::shared_ptr<MenuBar> bar = bar_.lock();
    if (bar == nullptr) {
      return;
    }
    bar->SelfEnable();
    for (const auto& [action, command] : commands_) {
      std::shared_ptr<MenuItem> item = command.lock();
      if (item != nullptr && item->AutoEnabled() && IsFrameworkCommand(*item)) {
        item->Enable();
      }
    }
    if (std::shared_ptr<Window> owner = OwnerWindow()) {
      owner->RaiseEvent("EnableMenuItems");
    }
    RefreshEnabledStates();
  }

  void RefreshEnabledStates() {
    for (const auto& [action, command] : commands_) {
      std::shared_ptr<MenuItem> item = command.lock();
      action->setEnabled(item != nullptr && item->Enabled() &&
                         (IsFrameworkCommand(*item) || AnyWindowHandles(*item)));
    }
  }

  void CarryOut(const MenuItem& item) {
    if (IsQuit(item)) {
      QuitProgram();
    } else if (!RunHandler(item)) {
      if (std::optional<EditCommand> command = EditCommandOf(item)) {
        Perform(*command, EditTarget());
      }
    }
  }

  // This window's handler first, then the active window's, then any live window's.
  bool RunHandler(const MenuItem& item) const {
    std::vector<std::shared_ptr<Window>> candidates = {OwnerWindow(), ActiveWindow()};
    for (auto& window : LiveWindows()) {
      candidates.push_back(std::move(window));
    }
    const std::string_view name = item.Name().View();
    return std::any_of(candidates.begin(), candidates.end(), [name](const auto& window) {
      return window != nullptr && window->HasMenuHandler(name) && window->RunMenuHandler(name);
    });
  }

  std::shared_ptr<Window> OwnerWindow() const {
    for (auto& window : LiveWindows()) {
      if (window->TopWidget() == frame_) {
        return window;
      }
    }
    return nullptr;
  }

  std::weak_ptr<MenuBar> bar_;
  QWidget* frame_;
  QPointer<QWidget> focusBeforeNavigation_;
  QMenu* applicationMenu_;
  std::vector<std::pair<QAction*, std::weak_ptr<MenuItem>>> commands_;
};

}  // namespace

QMenuBar* BuildMenuBarView(MenuBar& bar, QWidget* frame) {
  return new MenuBarWidget(bar, frame);
}

}  // namespace fw
