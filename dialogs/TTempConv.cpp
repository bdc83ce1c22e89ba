#include "dialogs/TTempConv.h"

namespace pelbrix {

TTempConv* TempConv = nullptr;

TTempConv::TTempConv() {
  setObjectName(QStringLiteral("TempConv"));
  setWindowTitle(tr("Celsius <-> Kelvin"));
  resize(217, 92);
}

}  // namespace pelbrix
