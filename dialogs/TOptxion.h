#pragma once
#include "platform/TForm.h"

namespace pelbrix {

class TOptxion : public TForm {
  Q_OBJECT
 public:
  TOptxion();
};

extern TOptxion* Optxion;

}  // namespace pelbrix
