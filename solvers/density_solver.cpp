#include "solvers/density_solver.h"

#include "solvers/shipped_model.h"

double densityOfTP(double T, double p) { return densityOfTPWith(ShippedModel(T), p); }
