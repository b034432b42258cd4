#include "worksheet/inverse_functions.h"

#include "solvers/shipped_model.h"
#include "worksheet/worksheet_functions.h"

XLOPER* KORVA_CALL TofPH(double P, double H, std::int32_t units) {
    return TofPHWith<ShippedModel>(P, H, units);
}

XLOPER* KORVA_CALL TofPS(double P, double S, std::int32_t units) {
    return TofPSWith<ShippedModel>(P, S, units);
}

XLOPER* KORVA_CALL HofPS(double P, double S, std::int32_t units) {
    return HofPSWith<ShippedModel>(P, S, units);
}
