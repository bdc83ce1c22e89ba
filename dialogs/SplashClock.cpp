#include "dialogs/SplashClock.h"
