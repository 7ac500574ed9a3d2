#include <exception>
#include <iostream>
#include <sstream>

#include "cli/befehle.h"

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    // Collect the output first, so that a failure leaves standard output empty.
    std::ostringstream aus;
    int status = brelvanostik::cli::kFehler;
    try {
        status = brelvanostik::cli::ausfuehren(argumente, aus, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "brelvanostik-cli: " << e.what() << "\n";
        return brelvanostik::cli::kFehler;
    }
    if (status == brelvanostik::cli::kErfolg) {
        std::cout << aus.str() << std::flush;
    }
    return status;
}
