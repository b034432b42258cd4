#include "worksheet/state_functions.h"

#include "solvers/shipped_model.h"
#include "worksheet/worksheet_functions.h"

XLOPER* KORVA_CALL PofTV(double T, double V, std::int32_t units) {
    return PofTVWith<ShippedModel>(T, V, units);
}

XLOPER* KORVA_CALL HofTV(double T, double V, std::int32_t units) {
    return HofTVWith<ShippedModel>(T, V, units);
}

XLOPER* KORVA_CALL SofTV(double T, double V, std::int32_t units) {
    return SofTVWith<ShippedModel>(T, V, units);
}

XLOPER* KORVA_CALL ZofTV(double T, double V, std::int32_t units) {
    return ZofTVWith<ShippedModel>(T, V, units);
}

XLOPER* KORVA_CALL VofTP(double T, double P, std::int32_t units) {
    return VofTPWith<ShippedModel>(T, P, units);
}

XLOPER* KORVA_CALL HofTP(double T, double P, std::int32_t units) {
    return HofTPWith<ShippedModel>(T, P, units);
}

XLOPER* KORVA_CALL SofTP(double T, double P, std::int32_t units) {
    return SofTPWith<ShippedModel>(T, P, units);
}

XLOPER* KORVA_CALL ZofTP(double T, double P, std::int32_t units) {
    return ZofTPWith<ShippedModel>(T, P, units);
}
