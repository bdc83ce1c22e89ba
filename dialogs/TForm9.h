#pragma once
#include "platform/TForm.h"

namespace pelbrix {

class TForm9 : public TForm {
  Q_OBJECT
 public:
  TForm9();
};

extern TForm9* Form9;

}  // namespace pelbrix
