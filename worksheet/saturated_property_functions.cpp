#include "worksheet/saturated_property_functions.h"

#include "solvers/shipped_model.h"
#include "worksheet/worksheet_functions.h"

XLOPER* KORVA_CALL Hf(double Ts, std::int32_t units) { return HfWith<ShippedModel>(Ts, units); }

XLOPER* KORVA_CALL Hg(double Ts, std::int32_t units) { return HgWith<ShippedModel>(Ts, units); }

XLOPER* KORVA_CALL Sf(double Ts, std::int32_t units) { return SfWith<ShippedModel>(Ts, units); }

XLOPER* KORVA_CALL Sg(double Ts, std::int32_t units) { return SgWith<ShippedModel>(Ts, units); }
