#include "rates/BoyleRates.h"
