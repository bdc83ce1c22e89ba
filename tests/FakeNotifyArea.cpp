#include "FakeNotifyArea.h"

namespace pelbrix::test {

bool FakeNotifyArea::record(Op op, const NotifyIconData& data, bool ok) {
  calls.push_back({op, data.uID, data.uFlags, data.szTip, data.hIcon.cacheKey(), ok});
  return ok;
}

bool FakeNotifyArea::Add(const NotifyIconData& data) {
  const bool ok = !refuseAll && !shown_.count({data.hWnd, data.uID});
  if (ok) shown_[{data.hWnd, data.uID}] = data;
  return record(OpAdd, data, ok);
}

bool FakeNotifyArea::Modify(const NotifyIconData& data) {
  auto it = shown_.find({data.hWnd, data.uID});
  const bool ok = !refuseAll && it != shown_.end();
  if (ok) it->second = data;
  return record(OpModify, data, ok);
}

bool FakeNotifyArea::Delete(const NotifyIconData& data) {
  const bool ok = !refuseAll && shown_.erase({data.hWnd, data.uID}) > 0;
  return record(OpDelete, data, ok);
}

bool FakeNotifyArea::Shows(const QObject* window, std::uintptr_t id) const {
  return shown_.count({window, id}) > 0;
}

const NotifyIconData* FakeNotifyArea::Find(const QObject* window, std::uintptr_t id) const {
  auto it = shown_.find({window, id});
  return it == shown_.end() ? nullptr : &it->second;
}

int FakeNotifyArea::Count(Op op) const {
  int n = 0;
  for (const Call& c : calls) n += c.op == op;
  return n;
}

}  // namespace pelbrix::test
