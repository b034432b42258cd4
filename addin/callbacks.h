#pragma once

#include "worksheet/calling_convention.h"
#include "worksheet/value_record.h"

// The entries through which the host drives the add-in's life, exported
// under exactly these names.
extern "C" {
// Registers the nineteen worksheet functions; 1 on success, 0 after an alert.
KORVA_EXPORT int KORVA_CALL xlAutoOpen();
// Does nothing: the functions stay registered.
KORVA_EXPORT int KORVA_CALL xlAutoClose();
// Registers nothing on demand: answers an error record, whatever the name.
KORVA_EXPORT XLOPER* KORVA_CALL xlAutoRegister(XLOPER* functionName);
// Show the add-in manager's notices with the build stamp.
KORVA_EXPORT int KORVA_CALL xlAutoAdd();
KORVA_EXPORT int KORVA_CALL xlAutoRemove();
// The add-in's display name for action 1, an error record otherwise.
KORVA_EXPORT XLOPER* KORVA_CALL xlAddInManagerInfo(XLOPER* action);
}
