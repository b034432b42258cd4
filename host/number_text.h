#pragma once

#include <cstdio>
#include <string>

// A double with 17 significant digits: enough to give back the same double.
inline std::string numberText(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x);
    return text;
}
