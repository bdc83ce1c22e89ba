#include "trayicon/Trayicon.h"
