// Which guide file F1 opens: a build's copy in the program's own tree, never one reached
// through a planted link or put there by someone else, else the compiled-in guide written
// once into the user's own cache folder, never through a link.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "platform/Help.h"

using namespace pelbrix;

namespace {

[[maybe_unused]] QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& content) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(content);
}

class GuideFile : public testing::Test {
 public:
  QString program() const { return root_.path() + "/prog"; }
  QString cache() const { return root_.path() + "/cache/pelbrix"; }
  QString elsewhere() const { return root_.path() + "/elsewhere"; }
  QString locate(QString* problem = nullptr) const {
    return locateGuide(program(), QString(), cache(), problem);
  }

 protected:
  void SetUp() override {
    QDir().mkpath(program());
    write(elsewhere() + "/guide.html", "planted");
  }

 private:
  QTemporaryDir root_;
};

}  // namespace

TEST_F(GuideFile, ABuildsCopyBesideTheProgramIsOpenedAsItIs) {
  write(program() + "/doc/guide.html", "build copy");
  EXPECT_EQ(locate(), program() + "/doc/guide.html");
}

#ifndef _WIN32  // the folder rule is checked on POSIX modes
TEST_F(GuideFile, ACopyAloneGetsTheCompiledInGuideInAFolderOnlyTheUserCanWrite) {
  const QString guide = locate();
  ASSERT_FALSE(guide.isEmpty());
  EXPECT_EQ(QFileInfo(guide).absolutePath(), cache());
  EXPECT_TRUE(readAll(guide).contains("id=\"boyle-rate-multiple\""));
  EXPECT_EQ(locate(), guide);  // written once, found again
#ifndef Q_OS_WIN
  EXPECT_EQ(QFileInfo(cache()).permissions() & 0x0077, 0);  // no group or other bits
#endif
}
#endif

#ifndef Q_OS_WIN
TEST_F(GuideFile, PlantedLinksAndFoldersOthersCanWriteAreRefused) {
  struct Case {
    const char* name;
    std::function<void(const GuideFile&)> plant;
  };
  const Case cases[] = {
      {"the doc folder a link",
       [](const GuideFile& t) { QFile::link(t.elsewhere(), t.program() + "/doc"); }},
      {"the guide a link",
       [](const GuideFile& t) {
         QDir().mkpath(t.program() + "/doc");
         QFile::link(t.elsewhere() + "/guide.html", t.program() + "/doc/guide.html");
       }},
      {"the doc folder writable by others",
       [](const GuideFile& t) {
         write(t.program() + "/doc/guide.html", "planted");
         QFile::setPermissions(t.program() + "/doc", QFileDevice::Permissions(0x7777));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(program()).removeRecursively();
    QDir().mkpath(program());
    c.plant(*this);
    const QString guide = locate();
    EXPECT_EQ(QFileInfo(guide).absolutePath(), cache()) << guide.toStdString();
    EXPECT_NE(readAll(guide), "planted");
  }
}

TEST_F(GuideFile, TheCacheIsNeverWrittenThroughALink) {
  // A link where the cached guide goes: replaced by a file of the program's own, its target
  // left as it was.
  QDir().mkpath(cache());
  const QString name = QFileInfo(locate()).fileName();
  QFile::remove(cache() + "/" + name);
  ASSERT_TRUE(QFile::link(elsewhere() + "/guide.html", cache() + "/" + name));
  const QString guide = locate();
  EXPECT_FALSE(QFileInfo(guide).isSymLink());
  EXPECT_EQ(readAll(elsewhere() + "/guide.html"), "planted");
  // The cache folder itself a link: refused, and the user is told.
  QDir(cache()).removeRecursively();
  ASSERT_TRUE(QFile::link(elsewhere(), cache()));
  QString problem;
  EXPECT_EQ(locate(&problem), "");
  EXPECT_TRUE(problem.contains("guide.html")) << problem.toStdString();
  EXPECT_EQ(QDir(elsewhere()).entryList(QDir::Files), QStringList{"guide.html"});
}
#endif
