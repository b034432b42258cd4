#pragma once

// Explicit saturation correlations that stand beside the equation of state.
// Temperatures in K, pressures in kPa, densities in mol/dm3.

// Vapour pressure; Ptp below the triple point, Pc above the critical point.
double psatOfT(double T);

// Saturation temperature by a fixed 32-step bisection of psatOfT on [Ttp, Tc].
double tsatOfP(double p);

// Saturated-liquid and saturated-vapour densities; the caller keeps T <= Tc.
double dLiqOfT(double T);
double dVapOfT(double T);
