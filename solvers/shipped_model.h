#pragma once

#include "fluid/fused_model.h"

// The one place where the shipped worksheet functions and solvers choose the
// model they evaluate. The fused model gives the reference model's doubles for
// every input (tests/fused_path_proof_test.cpp holds it to that), with every
// power formed once; ReferenceModel stays for the tests that compare the two.
using ShippedModel = FusedModel;
