#pragma once
// F1: the user guide, opened in the desktop's browser at the section of the window in which
// the key was pressed.
#include <QUrl>
#include <QWidget>
#include <functional>

namespace pelbrix {

// F1 anywhere in `window` opens the guide at the window's section. No menu entry is added.
void installHelpKey(QWidget* window);

// Opens the guide at `window`'s section (for the main window, its shown page's); when the guide
// or a browser cannot be found the user is told so, and the answer is false.
bool showHelpFor(QWidget* window);

// How a guide's address is opened: the desktop's browser unless replaced. Tests record the
// address instead; returns the opener it replaces.
using HelpBrowser = std::function<bool(const QUrl&)>;
HelpBrowser setHelpBrowser(HelpBrowser browser);

}  // namespace pelbrix
