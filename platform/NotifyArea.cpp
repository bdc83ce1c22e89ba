#include "platform/NotifyArea.h"
