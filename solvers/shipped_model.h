#pragma once

#include "solvers/reference_model.h"

// The one place where the shipped worksheet functions choose the model they
// evaluate. A faster model may replace this only once it gives the same
// doubles as the reference model for every input.
using ShippedModel = ReferenceModel;
