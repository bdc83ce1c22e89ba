#include "platform/Help.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTabWidget>
#include <QWidget>

#include "core/HelpTopics.h"
#include "core/MessageDisplay.h"

namespace pelbrix {

bool DesktopHelpBrowser::open(const QUrl& address) {
  return QDesktopServices::openUrl(address);
}

void installHelpKey(QWidget* window, HelpBrowser& browser, MessageDisplay& messages) {
  auto* help = new QAction(window);
  help->setObjectName(QStringLiteral("HelpKey"));
  help->setShortcut(QKeySequence::HelpContents);
  help->setShortcutContext(Qt::WindowShortcut);
  window->addAction(help);
  QObject::connect(help, &QAction::triggered, window,
                   [window, &browser, &messages] { showHelpFor(window, browser, messages); });
}

bool showHelpFor(const QWidget* window, HelpBrowser& browser, MessageDisplay& messages) {
  int page = -1;
  if (const auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1")))
    page = pages->currentIndex();
  const std::string anchor = helpAnchor(window->objectName().toStdString(), page);
  const std::string guide =
      findGuide(QCoreApplication::applicationDirPath().toStdString(),
                [](const std::string& p) { return QFileInfo(QString::fromStdString(p)).isFile(); });
  if (guide.empty()) {
    messages.ShowMessage(
        QObject::tr("The user guide (%1) was not found beside the program or in its "
                    "installed documentation folder.")
            .arg(QString::fromUtf8(kGuideFileName.data(),
                                   static_cast<qsizetype>(kGuideFileName.size()))));
    return false;
  }
  QUrl url = QUrl::fromLocalFile(QFileInfo(QString::fromStdString(guide)).canonicalFilePath());
  if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
  const bool opened = browser.open(url);
  if (!opened)
    messages.ShowMessage(
        QObject::tr("No browser could be started to show the user guide.\nIt is the file %1")
            .arg(url.toLocalFile()));
  return opened;
}

}  // namespace pelbrix
