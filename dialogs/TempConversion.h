#pragma once
// Celsius <-> Kelvin on single-precision values.
