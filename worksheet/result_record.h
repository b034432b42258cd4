#pragma once

#include "worksheet/value_record.h"

// The one record through which every worksheet function answers. Static and
// overwritten by the next call: the host calls the functions one at a time
// and copies the number out (no function is registered as thread-safe).
extern XLOPER ResultRecord;

// Stores x as a number (type word 1, no release marks) and answers the record.
XLOPER* setResultNumber(double x);
