#pragma once
#include "platform/TApplication.h"

namespace pelbrix {

// Creates the twelve windows once, hidden, in their fixed order; each creation handler
// runs as its window is created, so the settings file is read in that order too.
void CreateForms(TApplication& app);

}  // namespace pelbrix
