#pragma once
#include "platform/TForm.h"

namespace pelbrix {

class TBRate : public TForm {
  Q_OBJECT
 public:
  TBRate();
};

extern TBRate* BRate;

}  // namespace pelbrix
