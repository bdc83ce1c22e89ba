#pragma once
// F1: the user guide, opened in the desktop's browser at the section of the window in which
// the key was pressed.
#include <QUrl>

class QWidget;

namespace pelbrix {

class MessageDisplay;

// Opens a guide's address: the desktop's browser in the program, a recorder in tests.
class HelpBrowser {
 public:
  virtual ~HelpBrowser() = default;
  // False when no browser could be started.
  virtual bool open(const QUrl& address) = 0;
};

// The desktop's browser (QDesktopServices::openUrl).
class DesktopHelpBrowser final : public HelpBrowser {
 public:
  bool open(const QUrl& address) override;
};

// F1 anywhere in `window` opens the guide at the window's section through `browser`; a guide
// or a browser that cannot be found is told on `messages`. No menu entry is added. Both
// services outlive the window.
void installHelpKey(QWidget* window, HelpBrowser& browser, MessageDisplay& messages);

// Opens the guide at `window`'s section (for the main window, its shown page's); when the guide
// or a browser cannot be found the user is told so, and the answer is false.
bool showHelpFor(const QWidget* window, HelpBrowser& browser, MessageDisplay& messages);

}  // namespace pelbrix
