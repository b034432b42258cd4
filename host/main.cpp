#include <iostream>
#include <string>
#include <vector>

#include "host/korva_host.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return runKorvaHost(arguments, std::cout, std::cerr);
}
