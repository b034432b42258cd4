#pragma once

// Reduced Helmholtz energy alpha(delta, tau) = alpha0 + alphaR and its
// derivatives, with delta = rho/Dc and tau = Tc/T. Suffixes name the
// derivative: _d, _dd, _ddd in delta at constant tau, _t in tau at constant delta.

double alpha0(double delta, double tau);
double alpha0_t(double delta, double tau);

double arPoly(double delta, double tau);
double arPoly_d(double delta, double tau);
double arPoly_dd(double delta, double tau);
double arPoly_ddd(double delta, double tau);
double arPoly_t(double delta, double tau);

double arExp(double delta, double tau);
double arExp_d(double delta, double tau);
double arExp_dd(double delta, double tau);
double arExp_ddd(double delta, double tau);
double arExp_t(double delta, double tau);

double arGauss(double delta, double tau);
double arGauss_d(double delta, double tau);
double arGauss_dd(double delta, double tau);
double arGauss_ddd(double delta, double tau);
double arGauss_t(double delta, double tau);

// Totals, always added exponential + polynomial, then Gaussian.
double alphaR(double delta, double tau);
double alphaR_d(double delta, double tau);
double alphaR_dd(double delta, double tau);
double alphaR_ddd(double delta, double tau);
double alphaR_t(double delta, double tau);
