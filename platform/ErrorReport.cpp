#include "platform/ErrorReport.h"

#include <utility>

namespace pelbrix {
namespace {
ErrorDialogHandler& handler() {
  static ErrorDialogHandler h;
  return h;
}
}  // namespace

void showErrorDialog(ErrorDialog which) {
  if (which != ErrorDialog::None && handler()) handler()(which);
}

ErrorDialogHandler setErrorDialogHandler(ErrorDialogHandler h) {
  std::swap(handler(), h);
  return h;
}

}  // namespace pelbrix
