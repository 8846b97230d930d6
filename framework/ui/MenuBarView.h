#pragma once

class QMenuBar;
class QWidget;

namespace fw {

class MenuBar;

// A Qt menu bar for the window whose top-level widget is `frame`, built afresh from the
// model. It keeps the model: opening one of its menus runs the enabling pass on the bar. Its
// commands' shortcuts work while the window is active, even with the bar hidden; a key opens
// its first menu while it shows.
QMenuBar* BuildMenuBarView(MenuBar& bar, QWidget* frame);

}  // namespace fw
