#pragma once

// Thermodynamic properties from molar density rho (mol/dm3) and temperature
// T (K), density first. Results in kPa, kJ/kg, kJ/(kg K); cp0OfT is molar.

double pressureOfDT(double rho, double T);
double dPdD(double rho, double T);    // kPa per mol/dm3
double d2PdD2(double rho, double T);  // kPa per (mol/dm3)^2
double helmholtzOfDT(double rho, double T);
double gibbsOfDT(double rho, double T);
double entropyOfDT(double rho, double T);
double enthalpyOfDT(double rho, double T);
double compressibilityOfDT(double rho, double T);
double cp0OfT(double T);  // J/(mol K)
