#pragma once
// A notification area for tests: records every call and keeps the set of records.
#include <map>
#include <vector>

#include "platform/NotifyArea.h"

namespace pelbrix::test {

// Records every call and keeps the set of records, for tests.
class FakeNotifyArea : public NotifyArea {
 public:
  enum Op { OpAdd, OpModify, OpDelete };
  struct Call {
    Op op;
    std::uintptr_t id;
    unsigned flags;
    QString tip;
    qint64 iconKey;  // QIcon::cacheKey of the icon handed over
    bool ok;
  };
  bool Add(const NotifyIconData& data) override;
  bool Modify(const NotifyIconData& data) override;
  bool Delete(const NotifyIconData& data) override;
  bool Available() const override { return available; }
  void SetHostMenu(const QObject* window, std::uintptr_t id, QMenu* menu) override {
    hostMenus[{window, id}] = menu;
  }

  // As the area does when its hosts may have changed: asks the application's handler.
  bool ReportHosts(bool iconShown) const { return hostsChanged(iconShown); }

  bool Shows(const QObject* window, std::uintptr_t id) const;
  const NotifyIconData* Find(const QObject* window, std::uintptr_t id) const;
  int Count(Op op) const;

  std::vector<Call> calls;
  bool available = true;  // what Available() answers
  std::map<std::pair<const QObject*, std::uintptr_t>, QMenu*> hostMenus;
  bool refuseAll = false;  // every call fails, as a shell that is not running

 private:
  bool record(Op op, const NotifyIconData& data, bool ok);
  std::map<std::pair<const QObject*, std::uintptr_t>, NotifyIconData> shown_;
};

}  // namespace pelbrix::test
