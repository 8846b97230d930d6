#pragma once

namespace fw {

// Tells the desktop who the program is: the installed desktop entry its windows belong to, so
// task bars and docks match them to that entry, and the icon every window shows, message boxes
// included, in its title bar and task switcher. The install rules name both (the root
// CMakeLists.txt). The icon's picture is read from the resource folder.
void IntroduceToDesktop();

}  // namespace fw
