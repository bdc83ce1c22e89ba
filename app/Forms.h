#pragma once
#include <functional>

#include "platform/TApplication.h"

namespace pelbrix {

// Creates the twelve windows once, hidden, in their fixed order; each creation handler
// runs as its window is created, so the settings file is read in that order too.
// `mainCreated` runs right after the main window is created, before the others.
void CreateForms(TApplication& app, const std::function<void()>& mainCreated = {});

}  // namespace pelbrix
