// A copy of the program's settings traffic, started several times at once by the tests of
// saves between processes (and by hand, to measure them):
//   settings_saver save EXE COPY SAVES      SAVES save passes of [CopyN] KeyI=I through the
//                                           store and the path rule of program EXE;
//                                           prints the failed ones
//   settings_saver load EXE COPIES SAVES    load passes back to back until every copy's keys
//                                           are there (20 s at most); prints the torn ones
//   settings_saver hold FILE MS TIMES       opens FILE sharing reading only, as an editor or
//                                           a virus scanner does, for MS, then MS closed,
//                                           TIMES times; prints "held" at the first open
#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "core/MessageDisplay.h"
#include "core/SettingsPath.h"
#include "core/SettingsStore.h"

using namespace pelbrix;

namespace {

struct Quiet : MessageDisplay {
  void ShowException(const QString&) override {}
  void ShowMessage(const QString&) override {}
};

std::string key(int i) {
  return "Key" + std::to_string(i);
}
std::string section(int copy) {
  return "Copy" + std::to_string(copy);
}

// Opens `file` as a reader that shares reading only, for `ms`.
bool hold(const std::string& file, int ms, bool announce) {
  const auto wait = std::chrono::milliseconds(ms);
#ifdef _WIN32
  const std::wstring name = QString::fromStdString(file).toStdWString();
  const HANDLE h = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  if (announce) std::printf("held\n"), std::fflush(stdout);
  std::this_thread::sleep_for(wait);
  CloseHandle(h);
#else
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (!f) return false;
  if (announce) std::printf("held\n"), std::fflush(stdout);
  std::this_thread::sleep_for(wait);
  std::fclose(f);
#endif
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const std::string mode = argv[1], exe = argv[2];
  const int a = std::stoi(argv[3]), b = std::stoi(argv[4]);
  Quiet quiet;
  SettingsStore store(settingsPathRule([exe] { return exe; }), quiet);
  if (mode == "save") {
    int failed = 0;
    for (int i = 0; i < b; ++i) {
      SettingsStore::SavePass pass = store.save();
      pass.WriteInteger(section(a), key(i), i);
      failed += !pass.commit();
    }
    std::printf("failed %d\n", failed);
    return failed ? 1 : 0;
  }
  if (mode == "load") {
    // Keys are only ever added, so a reading that finds fewer than the one before, or
    // lacks the first section, saw a file that was not whole.
    int torn = 0, found = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (found < a * b && std::chrono::steady_clock::now() < end) {
      const SettingsStore::LoadPass pass = store.load();
      int now = 0;
      for (int c = 0; c < a; ++c)
        for (int i = 0; i < b; ++i) now += pass.ReadInteger(section(c), key(i), -1) == i;
      torn += now < found || pass.ReadString("Extra", "Note", "") != "kept";
      found = std::max(found, now);
    }
    std::printf("torn %d found %d\n", torn, found);
    return torn || found < a * b ? 1 : 0;
  }
  if (mode == "hold") {
    for (int n = 0; n < b; ++n) {
      if (!hold(exe, a, n == 0)) return 1;
      std::this_thread::sleep_for(std::chrono::milliseconds(a));
    }
    return 0;
  }
  return 2;
}
