#include "solvers/inverse_solvers.h"

#include "solvers/shipped_model.h"

double tOfPH(double p, double h) { return tOfPHWith<ShippedModel>(p, h); }

double tOfPS(double p, double s) { return tOfPSWith<ShippedModel>(p, s); }

double hOfPS(double p, double s) { return hOfPSWith<ShippedModel>(p, s); }
