#include "bench/input_sets.h"

#include "fluid/ancillaries.h"
#include "fluid/constants.h"
#include "fluid/properties.h"
#include "solvers/density_solver.h"
#include "solvers/reference_model.h"

using namespace FluidConstants;

namespace {

struct TP {
    double T;
    double p;
};

// Liquid, vapour, supercritical, at the vapour pressure, and beyond: a vapour
// Newton overshooting to negative densities, one answered by the bisection,
// zero and negative pressures, below the triple point, far above Pc.
const TP statesTP[] = {
    {250.0, 1000.0}, {300.0, 500.0},  {200.0, 100.0},  {350.0, 3000.0},
    {300.0, 10.0},   {400.0, 100.0},  {350.0, 50.0},   {430.0, 1000.0},
    {500.0, 1000.0}, {700.0, 5000.0}, {450.0, 3000.0}, {1000.0, 100.0},
    {400.0, 82.5},   {440.0, 180.6},  {300.0, 0.0},    {1200.0, -5.0},
    {100.0, 1.0},    {600.0, 30000.0},
};

double propertyAt(double T, double p, bool enthalpy) {
    const ReferenceModel model(T);
    const double rho = densityOfTPWith(model, p);
    return enthalpy ? model.enthalpy(rho) : model.entropy(rho);
}

// Single-phase states of the (T, p) set, the middle of the two-phase band at
// three pressures, and inputs outside each window limit.
std::vector<Inputs> pressurePropertySet(bool enthalpy, double windowTop) {
    std::vector<Inputs> set;
    for (const TP& s : statesTP) {
        if (s.p > 0.0 && s.p <= 10.0 * Pc && s.T >= Ttp) {
            set.push_back({s.p, propertyAt(s.T, s.p, enthalpy)});
        }
    }
    for (const double p : {10.0, 100.0, 1000.0}) {
        const double Ts = tsatOfP(p);
        const ReferenceModel model(Ts);
        const double liquid = enthalpy ? model.enthalpy(dLiqOfT(Ts)) : model.entropy(dLiqOfT(Ts));
        const double vapour = enthalpy ? model.enthalpy(dVapOfT(Ts)) : model.entropy(dVapOfT(Ts));
        set.push_back({p, (liquid + vapour) / 2.0});
    }
    const double inside = propertyAt(300.0, 100.0, enthalpy);
    set.push_back({100.0, -1.0});
    set.push_back({20000.0, inside});
    set.push_back({1e-6, inside});
    set.push_back({100.0, windowTop * 1.5});
    return set;
}

}  // namespace

std::vector<Inputs> temperaturePressureSet() {
    std::vector<Inputs> set;
    for (const TP& s : statesTP) {
        set.push_back({s.T, s.p});
    }
    set.push_back({300.0, psatOfT(300.0)});
    set.push_back({400.0, psatOfT(400.0)});
    return set;
}

std::vector<Inputs> temperatureVolumeSet() {
    struct DT {
        double rho;
        double T;
    };
    const DT states[] = {
        {6.0, 200.0},  {5.0, 300.0},  {4.4, 350.0},  {0.01, 250.0}, {0.2, 350.0}, {0.4, 400.0},
        {2.0, 450.0},  {1.0, 500.0},  {3.0, 700.0},  {0.5, 1000.0}, {1e-5, 300.0}, {1.92, Tc},
        {-0.1, 300.0}, {8.0, 150.0},  {1e-9, 2000.0}, {2.5, 400.0},  // two-phase density at 400 K
    };
    std::vector<Inputs> set;
    for (const DT& s : states) {
        set.push_back({s.T, 1.0 / (Mw * s.rho)});
    }
    return set;
}

std::vector<Inputs> saturationTemperatureSet() {
    std::vector<Inputs> set;
    for (const double T : {150.0, 165.0, 200.0, 250.0, 273.15, 300.0, 350.0, 400.0, 440.0, 500.0}) {
        set.push_back({T, 0.0});
    }
    return set;
}

std::vector<Inputs> pressureEnthalpySet() { return pressurePropertySet(true, 1500.0); }

std::vector<Inputs> pressureEntropySet() { return pressurePropertySet(false, 5.0); }
