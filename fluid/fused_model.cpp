#include "fluid/fused_model.h"

#include <bit>
#include <cmath>

#include "fluid/constants.h"
#include "fluid/helmholtz_terms.h"
#include "fluid/property_formulas.h"

namespace RC = ResidualCoefficients;
namespace HT = HelmholtzTerms;
namespace PF = PropertyFormulas;
using HT::dOf;
using HT::lOf;
using HT::sumRows;
using std::exp;
using std::log;
using std::pow;

namespace {

constexpr bool exponentsFitTheModel() {
    for (int k = 0; k < RC::rows; ++k) {
        if (RC::d[k] < 1 || RC::d[k] > 4) {
            return false;
        }
    }
    for (int k = RC::expBegin; k < RC::gaussBegin; ++k) {
        if (RC::l[k] < 1 || RC::l[k] > 2) {
            return false;
        }
    }
    return true;
}
// delta^(d-2) .. delta^d and delta^l must lie in the kept exponent range.
static_assert(exponentsFitTheModel(), "a row's d or l lies outside the fused model's powers");

// Rows whose tau exponent equals an earlier row's share that row's pow call:
// the same arguments give the same double. For tau^(t-1) the source may be a
// tau^t of any row (t - 1 of one row can be another row's t).
struct TauSources {
    std::array<int, RC::rows> power{};         // row whose pow(tau, t) this row reuses
    std::array<int, RC::rows> lessOneFromT{};  // row j with t_j == t_k - 1, or -1
    std::array<int, RC::rows> lessOne{};       // row whose pow(tau, t - 1) this row reuses
};

constexpr TauSources formTauSources() {
    TauSources s;
    for (int k = 0; k < RC::rows; ++k) {
        s.power[k] = k;
        s.lessOne[k] = k;
        s.lessOneFromT[k] = -1;
        for (int j = k - 1; j >= 0; --j) {
            if (RC::t[j] == RC::t[k]) {
                s.power[k] = j;
            }
            if (RC::t[j] - 1.0 == RC::t[k] - 1.0) {
                s.lessOne[k] = j;
            }
        }
        for (int j = RC::rows - 1; j >= 0; --j) {
            if (RC::t[j] == RC::t[k] - 1.0) {
                s.lessOneFromT[k] = j;
            }
        }
    }
    return s;
}

constexpr TauSources tauSources = formTauSources();

// Squares of the coefficients in the brackets, taken by pow like every other
// power; they do not depend on the state, so they are formed once at load.
struct CoefficientSquares {
    std::array<double, RC::rows> d2{};
    std::array<double, RC::rows> l2{};
    std::array<double, RC::rows> eta2{};
    std::array<double, RC::rows> eps2{};
};

CoefficientSquares formCoefficientSquares() {
    CoefficientSquares s;
    for (int k = RC::expBegin; k < RC::end; ++k) {
        s.d2[k] = pow(static_cast<double>(RC::d[k]), 2.0);
    }
    for (int k = RC::expBegin; k < RC::gaussBegin; ++k) {
        s.l2[k] = pow(static_cast<double>(RC::l[k]), 2.0);
    }
    for (int k = RC::gaussBegin; k < RC::end; ++k) {
        s.eta2[k] = pow(RC::eta[k], 2.0);
        s.eps2[k] = pow(RC::epsilon[k], 2.0);
    }
    return s;
}

const CoefficientSquares squares = formCoefficientSquares();

}  // namespace

FusedModel::FusedModel(double T_K) : T(T_K), tau(FluidConstants::Tc / T_K) {
    for (int k = 0; k < rows; ++k) {
        const int source = tauSources.power[k];
        tauPower[k] = source == k ? pow(tau, RC::t[k]) : tauPower[source];
    }
    for (int k = RC::gaussBegin; k < RC::end; ++k) {
        tauShiftSquare[k] = pow(tau - RC::gamma[k], 2.0);
    }
}

// tau^(t-1) and the ideal part serve only entropy and enthalpy, never a density solve.
void FusedModel::formEntropyTerms() const {
    for (int k = 0; k < rows; ++k) {
        const int fromT = tauSources.lessOneFromT[k];
        const int source = tauSources.lessOne[k];
        if (fromT >= 0) {
            tauPowerLessOne[k] = tauPower[fromT];
        } else if (source != k) {
            tauPowerLessOne[k] = tauPowerLessOne[source];
        } else {
            tauPowerLessOne[k] = pow(tau, RC::t[k] - 1.0);
        }
    }
    const double E0 = exp(HT::idealExponent(tau));
    ideal_t = HT::ideal_t(tau, E0);
    logTau = log(tau);
    logOneMinusE0 = log(1.0 - E0);
    haveTauDerivative = true;
}

// Keyed by the bits of rho: +0 and -0 give different powers of delta.
void FusedModel::formAtDensity(double rho) const {
    const auto bits = std::bit_cast<std::uint64_t>(rho);
    if (at.valid && at.rhoBits == bits) {
        return;
    }
    at.valid = true;
    at.rhoBits = bits;
    at.formed = 0;
    at.delta = rho / FluidConstants::Dc;
    for (int l = 1; l <= highestL; ++l) {
        at.D[l] = deltaPower(l);
        at.E[l] = exp(-at.D[l]);
    }
    for (int k = RC::gaussBegin; k < RC::end; ++k) {
        at.G[k] = exp(HT::gaussExponent(RC::eta[k], RC::beta[k],
                                        pow(at.delta - RC::epsilon[k], 2.0), tauShiftSquare[k]));
    }
}

double FusedModel::deltaPower(int exponent) const {
    const int slot = exponent - lowestDeltaExponent;
    const unsigned bit = firstDeltaPower << slot;
    if ((at.formed & bit) == 0) {
        at.deltaPower[slot] = pow(at.delta, static_cast<double>(exponent));
        at.formed |= bit;
    }
    return at.deltaPower[slot];
}

double FusedModel::dSquare(int l) const {
    const unsigned bit = firstDSquare << l;
    if ((at.formed & bit) == 0) {
        at.DSquare[l] = pow(at.D[l], 2.0);
        at.formed |= bit;
    }
    return at.DSquare[l];
}

double FusedModel::alphaR_d() const {
    if ((at.formed & alphaRdSum) != 0) {
        return at.alphaR_d;
    }
    const double polySum = sumRows(RC::polyBegin, RC::expBegin, [&](int k) {
        return HT::poly_d(RC::n[k], dOf(k), deltaPower(RC::d[k] - 1), tauPower[k]);
    });
    const double expSum = sumRows(RC::expBegin, RC::gaussBegin, [&](int k) {
        const int l = RC::l[k];
        return HT::exp_d(RC::n[k], dOf(k), lOf(k), deltaPower(RC::d[k] - 1), tauPower[k], at.D[l],
                         at.E[l]);
    });
    const double gaussSum = sumRows(RC::gaussBegin, RC::end, [&](int k) {
        return HT::gauss_d(RC::n[k], dOf(k), RC::eta[k], RC::epsilon[k], at.delta,
                           deltaPower(RC::d[k] - 1), tauPower[k], at.G[k]);
    });
    at.alphaR_d = HT::total(expSum, polySum, gaussSum);
    at.formed |= alphaRdSum;
    return at.alphaR_d;
}

double FusedModel::alphaR_dd() const {
    if ((at.formed & alphaRddSum) != 0) {
        return at.alphaR_dd;
    }
    const double polySum = sumRows(RC::polyBegin, RC::expBegin, [&](int k) {
        return HT::poly_dd(RC::n[k], dOf(k), deltaPower(RC::d[k] - 2), tauPower[k]);
    });
    const double expSum = sumRows(RC::expBegin, RC::gaussBegin, [&](int k) {
        const int l = RC::l[k];
        const double B2 =
            HT::expBracket2(dOf(k), lOf(k), at.D[l], squares.d2[k], squares.l2[k], dSquare(l));
        return HT::exp_dd(RC::n[k], deltaPower(RC::d[k] - 2), tauPower[k], B2, at.E[l]);
    });
    const double delta2 = deltaPower(2);
    const double delta3 = deltaPower(3);
    const double delta4 = deltaPower(4);
    const double gaussSum = sumRows(RC::gaussBegin, RC::end, [&](int k) {
        const double C2 =
            HT::gaussBracket2(dOf(k), RC::eta[k], RC::epsilon[k], at.delta, squares.d2[k],
                              squares.eta2[k], squares.eps2[k], delta2, delta3, delta4);
        return HT::gauss_dd(RC::n[k], deltaPower(RC::d[k] - 2), tauPower[k], C2, at.G[k]);
    });
    at.alphaR_dd = HT::total(expSum, polySum, gaussSum);
    at.formed |= alphaRddSum;
    return at.alphaR_dd;
}

double FusedModel::alphaTotal() const {
    if ((at.formed & alphaSum) != 0) {
        return at.A;
    }
    if (!haveTauDerivative) {
        formEntropyTerms();
    }
    const double polySum = sumRows(RC::polyBegin, RC::expBegin, [&](int k) {
        return HT::poly(RC::n[k], deltaPower(RC::d[k]), tauPower[k]);
    });
    const double expSum = sumRows(RC::expBegin, RC::gaussBegin, [&](int k) {
        return HT::exp0(RC::n[k], deltaPower(RC::d[k]), tauPower[k], at.E[RC::l[k]]);
    });
    const double gaussSum = sumRows(RC::gaussBegin, RC::end, [&](int k) {
        return HT::gauss0(RC::n[k], deltaPower(RC::d[k]), tauPower[k], at.G[k]);
    });
    const double ideal = HT::ideal(tau, log(at.delta), logTau, logOneMinusE0);
    at.A = PF::totalAlpha(HT::total(expSum, polySum, gaussSum), ideal);
    at.formed |= alphaSum;
    return at.A;
}

double FusedModel::tauDerivativeTotal() const {
    if ((at.formed & tauDerivativeSum) != 0) {
        return at.S;
    }
    if (!haveTauDerivative) {
        formEntropyTerms();
    }
    const double polySum = sumRows(RC::polyBegin, RC::expBegin, [&](int k) {
        return HT::poly_t(RC::n[k], RC::t[k], deltaPower(RC::d[k]), tauPowerLessOne[k]);
    });
    const double expSum = sumRows(RC::expBegin, RC::gaussBegin, [&](int k) {
        return HT::exp_t(RC::n[k], RC::t[k], deltaPower(RC::d[k]), tauPowerLessOne[k],
                         at.E[RC::l[k]]);
    });
    const double gaussSum = sumRows(RC::gaussBegin, RC::end, [&](int k) {
        return HT::gauss_t(RC::n[k], RC::t[k], RC::beta[k], RC::gamma[k], tau, deltaPower(RC::d[k]),
                           tauPowerLessOne[k], at.G[k]);
    });
    at.S = PF::tauDerivativeTotal(polySum, ideal_t, expSum, gaussSum);
    at.formed |= tauDerivativeSum;
    return at.S;
}

double FusedModel::pressure(double rho) const {
    formAtDensity(rho);
    return PF::pressure(T, at.delta, alphaR_d());
}

double FusedModel::pressureSlope(double rho) const {
    formAtDensity(rho);
    return PF::pressureSlope(T, at.delta, deltaPower(2), alphaR_d(), alphaR_dd());
}

double FusedModel::entropy(double rho) const {
    formAtDensity(rho);
    return PF::entropy(tau, tauDerivativeTotal(), alphaTotal());
}

double FusedModel::enthalpy(double rho) const {
    formAtDensity(rho);
    const double A = alphaTotal();
    const double p = PF::pressure(T, at.delta, alphaR_d());
    const double s = PF::entropy(tau, tauDerivativeTotal(), A);
    return PF::enthalpy(rho, T, p, PF::helmholtz(T, A), s);
}

double FusedModel::compressibility(double rho) const {
    formAtDensity(rho);
    return PF::compressibility(rho, T, PF::pressure(T, at.delta, alphaR_d()));
}
