#pragma once
// The Boyle rate formulas: P dV/dt + V dP/dt = 0 for one state, and its two-state form.
