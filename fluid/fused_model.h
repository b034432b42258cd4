#pragma once

#include <array>
#include <cstdint>

#include "fluid/coefficients.h"

// The equation of state at one fixed temperature, with the members of
// ReferenceModel and the same doubles, bit for bit, but with every power and
// exponential formed once:
// - per temperature: tau, tau^t of every row (rows with the same exponent
//   share one), the Gaussian (tau - gamma)^2, and on first need tau^(t-1) and
//   the ideal part's tau terms;
// - per density: delta^e for each exponent e used, delta^l with exp(-delta^l),
//   the Gaussian exponentials, and each Helmholtz sum as it is first needed.
// The last density's powers and sums are kept, so a pressure and its slope at
// one Newton iterate, or the pressure, energy and entropy sums of an enthalpy,
// share them. Every term and relation goes through HelmholtzTerms and
// PropertyFormulas with powers taken by pow with the reference's arguments, so
// each intermediate is the reference's double.
//
// One object serves one thread: the kept density state is not shared.
struct FusedModel {
    const double T;

    explicit FusedModel(double T_K);

    double pressure(double rho) const;
    double pressureSlope(double rho) const;
    double enthalpy(double rho) const;
    double entropy(double rho) const;
    double compressibility(double rho) const;

private:
    static constexpr int rows = ResidualCoefficients::rows;
    static constexpr int lowestDeltaExponent = -1;
    static constexpr int highestDeltaExponent = 4;
    static constexpr int deltaExponents = highestDeltaExponent - lowestDeltaExponent + 1;
    static constexpr int highestL = 2;

    // What the kept density state holds, as bits of AtDensity::formed.
    enum Part : unsigned {
        firstDeltaPower = 1u,  // one bit per exponent, from lowestDeltaExponent up
        firstDSquare = firstDeltaPower << deltaExponents,  // one bit per l
        alphaRdSum = firstDSquare << (highestL + 1),
        alphaRddSum = alphaRdSum << 1,
        alphaSum = alphaRddSum << 1,
        tauDerivativeSum = alphaSum << 1,
    };

    struct AtDensity {
        bool valid = false;
        std::uint64_t rhoBits = 0;
        unsigned formed = 0;
        double delta = 0.0;
        std::array<double, deltaExponents> deltaPower{};
        std::array<double, highestL + 1> D{};        // pow(delta, l)
        std::array<double, highestL + 1> E{};        // exp(-D)
        std::array<double, highestL + 1> DSquare{};  // pow(D, 2)
        std::array<double, rows> G{};                // Gaussian factor of each Gaussian row
        double alphaR_d = 0.0;
        double alphaR_dd = 0.0;
        double A = 0.0;  // alphaR + alpha0
        double S = 0.0;  // tau derivative total with alpha0_t
    };

    double tau;
    std::array<double, rows> tauPower{};        // pow(tau, t)
    std::array<double, rows> tauShiftSquare{};  // pow(tau - gamma, 2), Gaussian rows

    mutable bool haveTauDerivative = false;
    mutable std::array<double, rows> tauPowerLessOne{};  // pow(tau, t - 1)
    mutable double ideal_t = 0.0;
    mutable double logTau = 0.0;
    mutable double logOneMinusE0 = 0.0;

    mutable AtDensity at;

    void formEntropyTerms() const;
    void formAtDensity(double rho) const;
    double deltaPower(int exponent) const;
    double dSquare(int l) const;
    double alphaR_d() const;
    double alphaR_dd() const;
    double alphaTotal() const;
    double tauDerivativeTotal() const;
};
