// A copy of a program's settings traffic, which the Windows tests start several times:
// "save EXE COPY SAVES" saves [CopyN] KeyI=I SAVES times by the path rule of program EXE, as
// windows do; "hold FILE MS" has FILE open for MS sharing reading only, as an editor may.
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/SettingsPath.h"

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  const std::string mode = argv[1], path = argv[2];
  if (mode == "hold") {
    const HANDLE h = CreateFileW(QString::fromStdString(path).toStdWString().c_str(), GENERIC_READ,
                                 FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 1;
    std::puts("held");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::stoi(argv[3])));
    return CloseHandle(h) ? 0 : 1;
  }
  const auto rule = pelbrix::settingsPathRule([path] { return path; });
  int failed = 0;
  for (int i = 0; argc == 5 && i < std::stoi(argv[4]); ++i) {
    pelbrix::IniFile::SavePass pass(rule(pelbrix::SettingsStore::Pass::Save).path);
    pass.WriteInteger("Copy" + std::string(argv[3]), "Key" + std::to_string(i), i);
    failed += !pass.Commit();
  }
  std::printf("failed %d\n", failed);
  return failed != 0;
}
