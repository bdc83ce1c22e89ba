#include "platform/Help.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QWidget>

#include "core/HelpTopics.h"
#include "core/MessageDisplay.h"
#include "pelbrix/Version.h"

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

// The compiled-in guide lives in a static library, whose resources the linker keeps only
// when something refers to them.
static void loadGuideResource() {
  static const bool loaded = [] {
    Q_INIT_RESOURCE(guide);
    return true;
  }();
  (void)loaded;
}

namespace pelbrix {

namespace {

const QString kCompiledGuide = QStringLiteral(":/doc/guide.html");

// One step of a path as the file system has it, the link itself where it is one.
enum class Step { Missing, Link, Unsafe, Safe };

#ifndef Q_OS_WIN
// Safe: not a link, owned by the user or by root, and writable by nobody else, unless it is
// a folder whose sticky bit keeps others from replacing what lies in it.
Step lookAt(const QString& path) {
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return Step::Missing;
  if (S_ISLNK(st.st_mode)) return Step::Link;
  if (st.st_uid != 0 && st.st_uid != ::getuid()) return Step::Unsafe;
  const bool sticky = S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX);
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) && !sticky) return Step::Unsafe;
  return Step::Safe;
}
#else
// Windows guards folders by their access lists, which the installer sets; what is checked
// here is that no link, junction or shortcut leads elsewhere.
Step lookAt(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink() || info.isJunction()) return Step::Link;
  return info.exists() ? Step::Safe : Step::Missing;
}
#endif

// True when every step from the root down to the regular file `path` is Safe.
bool reachableSafely(const QString& path) {
  const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  QString at = QStringLiteral("/");
  if (!clean.startsWith(QLatin1Char('/'))) {  // a drive, "C:"
    if (parts.isEmpty()) return false;
    at = parts.takeFirst() + QLatin1Char('/');
  }
  for (const QString& part : parts) {
    at += (at.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + part;
    if (lookAt(at) != Step::Safe) return false;
  }
  return QFileInfo(clean).isFile();
}

// The cache folder, made if it is missing; only a folder of the user's own that nobody
// else can write is used, and one of the user's that others could write is closed first.
bool prepareCacheFolder(const QString& folder) {
  const QFileInfo info(folder);
  QDir().mkpath(info.absolutePath());
  if (!info.exists() && !info.isSymLink())
    QDir(info.absolutePath())
        .mkdir(info.fileName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#ifndef Q_OS_WIN
  struct stat st {};
  const QByteArray name = QFile::encodeName(folder);
  if (::lstat(name.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
    return false;
  return (st.st_mode & 0077) == 0 || ::chmod(name.constData(), 0700) == 0;
#else
  return lookAt(folder) == Step::Safe && QFileInfo(folder).isDir();
#endif
}

QByteArray compiledGuide() {
  loadGuideResource();
  QFile file(kCompiledGuide);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file already holds exactly `content`, and is the user's own regular file.
bool holds(const QString& path, const QByteArray& content) {
  if (lookAt(path) != Step::Safe || !QFileInfo(path).isFile()) return false;
  QFile file(path);
  return file.size() == content.size() && file.open(QIODevice::ReadOnly) &&
         file.readAll() == content;
}

// Writes the compiled-in guide into `folder` once per version: a new file of the program's
// own making, created where no file was (never through a link), then renamed into place.
QString writeCompiledGuide(const QString& folder) {
  const QByteArray content = compiledGuide();
  if (content.isEmpty() || !prepareCacheFolder(folder)) return {};
  const QString target =
      folder + QLatin1Char('/') + QString::fromStdString(cachedGuideName(PELBRIX_VERSION));
  if (holds(target, content)) return target;
  QTemporaryFile fresh(folder + QStringLiteral("/guide-XXXXXX.tmp"));
  if (!fresh.open() || fresh.write(content) != content.size() || !fresh.flush()) return {};
  fresh.close();
  // Whatever stood there (a damaged copy, a link) goes; removing a link leaves its target be.
  QFile::remove(target);
  if (!QFile::rename(fresh.fileName(), target)) return holds(target, content) ? target : QString();
  fresh.setAutoRemove(false);
  return target;
}

}  // namespace

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

QString guideCacheFolder() {
#ifdef Q_OS_WIN
  // %LOCALAPPDATA%
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
#endif
  return base.isEmpty() ? QString() : base + QStringLiteral("/pelbrix");
}

QString locateGuide(const QString& programDir, const QString& installedGuide,
                    const QString& cacheFolder, QString* problem) {
  for (const std::string& candidate :
       guideCandidates(programDir.toStdString(), installedGuide.toStdString())) {
    const QString path = QString::fromStdString(candidate);
    if (reachableSafely(path)) return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  }
  const QString written = cacheFolder.isEmpty() ? QString() : writeCompiledGuide(cacheFolder);
  if (written.isEmpty() && problem)
    *problem = QObject::tr(
                   "The user guide (%1) could not be written to the folder %2, which "
                   "must be a folder of your own that only you can write.")
                   .arg(QString::fromUtf8(kGuideFileName.data(),
                                          static_cast<qsizetype>(kGuideFileName.size())),
                        QDir::toNativeSeparators(cacheFolder));
  return written;
}

bool showHelpFor(const QWidget* window, HelpBrowser& browser, MessageDisplay& messages) {
  int page = -1;
  if (const auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1")))
    page = pages->currentIndex();
  const std::string anchor = helpAnchor(window->objectName().toStdString(), page);
  QString problem;
  const QString guide =
      locateGuide(QCoreApplication::applicationDirPath(), QStringLiteral(PELBRIX_INSTALLED_GUIDE),
                  guideCacheFolder(), &problem);
  if (guide.isEmpty()) {
    messages.ShowMessage(problem);
    return false;
  }
  QUrl url = QUrl::fromLocalFile(guide);
  if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
  const bool opened = browser.open(url);
  if (!opened)
    messages.ShowMessage(
        QObject::tr("No browser could be started to show the user guide.\nIt is the file %1")
            .arg(QDir::toNativeSeparators(guide)));
  return opened;
}

}  // namespace pelbrix
