#include "dialogs/TempConversion.h"
