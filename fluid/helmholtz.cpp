#include "fluid/helmholtz.h"

#include <cmath>

#include "fluid/coefficients.h"
#include "fluid/constants.h"
#include "fluid/helmholtz_terms.h"

// The reference evaluation: every routine forms all powers of every row
// afresh, with pow, and sums its own rows from 0 in increasing k.

namespace RC = ResidualCoefficients;
namespace HT = HelmholtzTerms;
using HT::dOf;
using HT::lOf;
using HT::sumRows;
using std::exp;
using std::log;
using std::pow;

double alpha0(double delta, double tau) {
    const double E0 = exp(HT::idealExponent(tau));
    return HT::ideal(tau, log(delta), log(tau), log(1.0 - E0));
}

double alpha0_t(double /*delta*/, double tau) {
    return HT::ideal_t(tau, exp(HT::idealExponent(tau)));
}

double arPoly(double delta, double tau) {
    return sumRows(RC::polyBegin, RC::expBegin, [&](int k) {
        return HT::poly(RC::n[k], pow(delta, dOf(k)), pow(tau, RC::t[k]));
    });
}

double arPoly_d(double delta, double tau) {
    return sumRows(RC::polyBegin, RC::expBegin, [&](int k) {
        const double d = dOf(k);
        return HT::poly_d(RC::n[k], d, pow(delta, d - 1.0), pow(tau, RC::t[k]));
    });
}

double arPoly_dd(double delta, double tau) {
    return sumRows(RC::polyBegin, RC::expBegin, [&](int k) {
        const double d = dOf(k);
        return HT::poly_dd(RC::n[k], d, pow(delta, d - 2.0), pow(tau, RC::t[k]));
    });
}

double arPoly_ddd(double delta, double tau) {
    return sumRows(RC::polyBegin, RC::expBegin, [&](int k) {
        const double d = dOf(k);
        return HT::poly_ddd(RC::n[k], d, pow(delta, d - 3.0), pow(tau, RC::t[k]));
    });
}

double arPoly_t(double delta, double tau) {
    return sumRows(RC::polyBegin, RC::expBegin, [&](int k) {
        const double t = RC::t[k];
        return HT::poly_t(RC::n[k], t, pow(delta, dOf(k)), pow(tau, t - 1.0));
    });
}

double arExp(double delta, double tau) {
    return sumRows(RC::expBegin, RC::gaussBegin, [&](int k) {
        const double E = exp(-pow(delta, lOf(k)));
        return HT::exp0(RC::n[k], pow(delta, dOf(k)), pow(tau, RC::t[k]), E);
    });
}

double arExp_d(double delta, double tau) {
    return sumRows(RC::expBegin, RC::gaussBegin, [&](int k) {
        const double d = dOf(k);
        const double l = lOf(k);
        const double D = pow(delta, l);
        const double E = exp(-D);
        return HT::exp_d(RC::n[k], d, l, pow(delta, d - 1.0), pow(tau, RC::t[k]), D, E);
    });
}

double arExp_dd(double delta, double tau) {
    return sumRows(RC::expBegin, RC::gaussBegin, [&](int k) {
        const double d = dOf(k);
        const double l = lOf(k);
        const double D = pow(delta, l);
        const double E = exp(-D);
        const double B2 = HT::expBracket2(d, l, D, pow(d, 2.0), pow(l, 2.0), pow(D, 2.0));
        return HT::exp_dd(RC::n[k], pow(delta, d - 2.0), pow(tau, RC::t[k]), B2, E);
    });
}

double arExp_ddd(double delta, double tau) {
    return sumRows(RC::expBegin, RC::gaussBegin, [&](int k) {
        const double d = dOf(k);
        const double l = lOf(k);
        const double D = pow(delta, l);
        const double E = exp(-D);
        const double B3 = HT::expBracket3(d, l, D, pow(d, 2.0), pow(d, 3.0), pow(l, 2.0),
                                          pow(l, 3.0), pow(D, 2.0), pow(D, 3.0));
        return HT::exp_ddd(RC::n[k], pow(delta, d - 3.0), pow(tau, RC::t[k]), B3, E);
    });
}

double arExp_t(double delta, double tau) {
    return sumRows(RC::expBegin, RC::gaussBegin, [&](int k) {
        const double t = RC::t[k];
        const double E = exp(-pow(delta, lOf(k)));
        return HT::exp_t(RC::n[k], t, pow(delta, dOf(k)), pow(tau, t - 1.0), E);
    });
}

namespace {

double gaussFactor(int k, double delta, double tau) {
    return exp(HT::gaussExponent(RC::eta[k], RC::beta[k], pow(delta - RC::epsilon[k], 2.0),
                                 pow(tau - RC::gamma[k], 2.0)));
}

}  // namespace

double arGauss(double delta, double tau) {
    return sumRows(RC::gaussBegin, RC::end, [&](int k) {
        const double G = gaussFactor(k, delta, tau);
        return HT::gauss0(RC::n[k], pow(delta, dOf(k)), pow(tau, RC::t[k]), G);
    });
}

double arGauss_d(double delta, double tau) {
    return sumRows(RC::gaussBegin, RC::end, [&](int k) {
        const double d = dOf(k);
        const double G = gaussFactor(k, delta, tau);
        return HT::gauss_d(RC::n[k], d, RC::eta[k], RC::epsilon[k], delta, pow(delta, d - 1.0),
                           pow(tau, RC::t[k]), G);
    });
}

double arGauss_dd(double delta, double tau) {
    const double delta2 = pow(delta, 2.0);
    const double delta3 = pow(delta, 3.0);
    const double delta4 = pow(delta, 4.0);
    return sumRows(RC::gaussBegin, RC::end, [&](int k) {
        const double d = dOf(k);
        const double eta = RC::eta[k];
        const double eps = RC::epsilon[k];
        const double G = gaussFactor(k, delta, tau);
        const double C2 = HT::gaussBracket2(d, eta, eps, delta, pow(d, 2.0), pow(eta, 2.0),
                                            pow(eps, 2.0), delta2, delta3, delta4);
        return HT::gauss_dd(RC::n[k], pow(delta, d - 2.0), pow(tau, RC::t[k]), C2, G);
    });
}

double arGauss_ddd(double delta, double tau) {
    const double delta2 = pow(delta, 2.0);
    const double delta3 = pow(delta, 3.0);
    const double delta4 = pow(delta, 4.0);
    const double delta5 = pow(delta, 5.0);
    const double delta6 = pow(delta, 6.0);
    return sumRows(RC::gaussBegin, RC::end, [&](int k) {
        const double d = dOf(k);
        const double eta = RC::eta[k];
        const double eps = RC::epsilon[k];
        const double G = gaussFactor(k, delta, tau);
        const double C3 = HT::gaussBracket3(d, eta, eps, delta, pow(d, 2.0), pow(d, 3.0),
                                            pow(eta, 2.0), pow(eta, 3.0), pow(eps, 2.0),
                                            pow(eps, 3.0), delta2, delta3, delta4, delta5, delta6);
        return HT::gauss_ddd(RC::n[k], pow(delta, d - 3.0), pow(tau, RC::t[k]), C3, G);
    });
}

double arGauss_t(double delta, double tau) {
    return sumRows(RC::gaussBegin, RC::end, [&](int k) {
        const double t = RC::t[k];
        const double G = gaussFactor(k, delta, tau);
        return HT::gauss_t(RC::n[k], t, RC::beta[k], RC::gamma[k], tau, pow(delta, dOf(k)),
                           pow(tau, t - 1.0), G);
    });
}

double alphaR(double delta, double tau) {
    return HT::total(arExp(delta, tau), arPoly(delta, tau), arGauss(delta, tau));
}

double alphaR_d(double delta, double tau) {
    return HT::total(arExp_d(delta, tau), arPoly_d(delta, tau), arGauss_d(delta, tau));
}

double alphaR_dd(double delta, double tau) {
    return HT::total(arExp_dd(delta, tau), arPoly_dd(delta, tau), arGauss_dd(delta, tau));
}

double alphaR_ddd(double delta, double tau) {
    return HT::total(arExp_ddd(delta, tau), arPoly_ddd(delta, tau), arGauss_ddd(delta, tau));
}

// Only the entropy uses the tau total; it adds alpha0_t between the
// polynomial and exponential parts itself, so this total is the plain sum.
double alphaR_t(double delta, double tau) {
    return (arPoly_t(delta, tau) + arExp_t(delta, tau)) + arGauss_t(delta, tau);
}
