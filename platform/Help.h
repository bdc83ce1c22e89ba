#pragma once
// F1: the user guide, opened in the desktop's browser at the section of the window in which
// the key was pressed.
#include <QString>
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

// Opens the guide at `window`'s section (for the main window, its shown page's; for a rate
// window, its shown page's); when no guide or no browser can be had the user is told so, and
// the answer is false.
bool showHelpFor(const QWidget* window, HelpBrowser& browser, MessageDisplay& messages);

// The guide file F1 opens: a build's copy beside the program in `programDir`, else the one
// installed at `installedGuide`, each only where no symbolic link leads to it and no other
// user could have put it (on Windows: no link); else the copy compiled into the program,
// written once per version into `cacheFolder`, which is made (or kept) a folder only the
// user can write. "" with `problem` set when none can be had.
QString locateGuide(const QString& programDir, const QString& installedGuide,
                    const QString& cacheFolder, QString* problem = nullptr);

// The user's cache folder for Pelbrix: $XDG_CACHE_HOME/pelbrix (~/.cache/pelbrix), or
// %LOCALAPPDATA%\pelbrix on Windows.
QString guideCacheFolder();

}  // namespace pelbrix
