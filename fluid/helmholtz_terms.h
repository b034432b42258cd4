#pragma once

#include "fluid/coefficients.h"
#include "fluid/constants.h"

// One term of the residual Helmholtz energy, written once, from powers the
// caller has already formed. Every evaluator (the named routines and any
// faster path) goes through these, so the arithmetic of a term exists in one
// place. The grouping by parentheses is the rounding order: keep it.
//   pd   delta^d, delta^(d-1), ... as the derivative needs
//   pt   tau^t, or tau^(t-1) for the tau derivative
namespace HelmholtzTerms {

// A row's integer exponents d and l, as the doubles every term takes.
inline double dOf(int k) { return static_cast<double>(ResidualCoefficients::d[k]); }
inline double lOf(int k) { return static_cast<double>(ResidualCoefficients::l[k]); }

// A family's sum: from 0, one row at a time, in increasing k. The order of
// the additions is part of the rounding too, so every evaluator sums here.
template <class Term>
double sumRows(int begin, int end, Term term) {
    double sum = 0.0;
    for (int k = begin; k < end; ++k) {
        sum += term(k);
    }
    return sum;
}

// Polynomial family: n * delta^d * tau^t.
inline double poly(double n, double pd, double pt) { return (pd * n) * pt; }
inline double poly_d(double n, double d, double pd1, double pt) { return (pd1 * (d * n)) * pt; }
inline double poly_dd(double n, double d, double pd2, double pt) {
    return (pd2 * ((d * n) * (d - 1.0))) * pt;
}
inline double poly_ddd(double n, double d, double pd3, double pt) {
    return (pd3 * (((d * n) * (d - 1.0)) * (d - 2.0))) * pt;
}
inline double poly_t(double n, double t, double pd, double pt1) { return (pd * (t * n)) * pt1; }

// Exponential family: n * delta^d * tau^t * E with D = delta^l, E = exp(-D).
inline double exp0(double n, double pd, double pt, double E) { return E * ((pd * n) * pt); }
inline double exp_d(double n, double d, double l, double pd1, double pt, double D, double E) {
    return (((pd1 * n) * pt) * (d - D * l)) * E;
}
inline double expBracket2(double d, double l, double D, double d2, double l2, double D2) {
    return d2 - d - 2.0 * d * l * D - l2 * D + l * D + l2 * D2;
}
inline double expBracket3(double d, double l, double D, double d2, double d3, double l2,
                          double l3, double D2, double D3) {
    return d3 - 3.0 * d2 - 3.0 * d2 * l * D + 2.0 * d + 6.0 * d * l * D - 3.0 * d * l2 * D +
           3.0 * d * l2 * D2 - l3 * D + 3.0 * l2 * D + 3.0 * l3 * D2 - 2.0 * l * D -
           3.0 * l2 * D2 - l3 * D3;
}
inline double exp_dd(double n, double pd2, double pt, double B2, double E) {
    return (B2 * ((pd2 * n) * pt)) * E;
}
inline double exp_ddd(double n, double pd3, double pt, double B3, double E) {
    return (B3 * ((pd3 * n) * pt)) * E;
}
inline double exp_t(double n, double t, double pd, double pt1, double E) {
    return E * ((pd * (t * n)) * pt1);
}

// Gaussian family: n * delta^d * tau^t * G,
// G = exp(-eta (delta - eps)^2 - beta (tau - gamma)^2), the squares by pow.
inline double gauss0(double n, double pd, double pt, double G) { return G * ((pd * n) * pt); }
inline double gauss_d(double n, double d, double eta, double eps, double delta, double pd1,
                      double pt, double G) {
    return G * (((pd1 * n) * pt) * (d - 2.0 * eta * delta * (delta - eps)));
}
// x2..x6 are pow(x, 2)..pow(x, 6) of the named quantity.
inline double gaussBracket2(double d, double eta, double eps, double delta, double d2,
                            double eta2, double eps2, double delta2, double delta3,
                            double delta4) {
    return d2 - d - 4.0 * d * eta * delta2 + 4.0 * d * eta * delta * eps - 2.0 * eta * delta2 +
           4.0 * eta2 * delta4 - 8.0 * eta2 * delta3 * eps + 4.0 * eta2 * delta2 * eps2;
}
inline double gaussBracket3(double d, double eta, double eps, double delta, double d2, double d3,
                            double eta2, double eta3, double eps2, double eps3, double delta2,
                            double delta3, double delta4, double delta5, double delta6) {
    return d3 - 3.0 * d2 - 6.0 * d2 * eta * delta2 + 6.0 * d2 * eta * delta * eps + 2.0 * d -
           6.0 * d * eta * delta * eps + 12.0 * d * eta2 * delta4 -
           24.0 * d * eta2 * delta3 * eps + 12.0 * d * eta2 * delta2 * eps2 +
           12.0 * eta2 * delta4 - 12.0 * eta2 * delta3 * eps - 8.0 * eta3 * delta6 +
           24.0 * eta3 * delta5 * eps - 24.0 * eta3 * delta4 * eps2 + 8.0 * eta3 * delta3 * eps3;
}
inline double gauss_dd(double n, double pd2, double pt, double C2, double G) {
    return G * (C2 * ((pd2 * n) * pt));
}
inline double gauss_ddd(double n, double pd3, double pt, double C3, double G) {
    return G * (C3 * ((pd3 * n) * pt));
}
inline double gauss_t(double n, double t, double beta, double gamma, double tau, double pd,
                      double pt1, double G) {
    return G * (((pd * n) * pt1) * (t - 2.0 * beta * tau * (tau - gamma)));
}
// The exponent: the negated product eta (delta - eps)^2, minus beta (tau - gamma)^2.
inline double gaussExponent(double eta, double beta, double deltaShift2, double tauShift2) {
    return -(eta * deltaShift2) - beta * tauShift2;
}

// Family totals: exponential, then polynomial, then Gaussian.
inline double total(double expSum, double polySum, double gaussSum) {
    return (expSum + polySum) + gaussSum;
}

// Ideal part, from E0 = exp(idealExponent(tau)) and the logarithms the caller formed.
inline double idealExponent(double tau) {
    return -(IdealCoefficients::u * tau) / FluidConstants::Tc;
}
inline double ideal(double tau, double logDelta, double logTau, double logOneMinusE0) {
    namespace IC = IdealCoefficients;
    return ((logDelta + (IC::a2 * tau + IC::a1)) + (IC::c0 - 1.0) * logTau) +
           IC::v * logOneMinusE0;
}
inline double ideal_t(double tau, double E0) {
    namespace IC = IdealCoefficients;
    return ((IC::c0 - 1.0) / tau + IC::a2) +
           (((IC::u * IC::v) * E0) / FluidConstants::Tc) / (1.0 - E0);
}

}  // namespace HelmholtzTerms
