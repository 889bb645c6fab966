// orvik-mkdata: builds every data file of the program from Debian packages.
#include <chrono>
#include <filesystem>
#include <iostream>

#include "build_error.h"
#include "data_build.h"
#include "options.h"

int main(int argc, char** argv) {
    using namespace orvik::mkdata;
    std::string error;
    const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "orvik-mkdata: " << error << "\n"
                  << "usage: orvik-mkdata --out DIR --text DIR --guangyun FILE [--unihan DIR] [--hunspell FILE]"
                     " [--charmap FILE] [--kanjidic FILE] [--chmcmd PROGRAM] [--stamp FILE] [--no-clips]\n";
        return 2;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        Report report = BuildAll(*options);
        report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        PrintReport(std::cout, report);
        if (!options->stamp.empty()) WriteReportFile(options->stamp, report);
    } catch (const BuildError& e) {
        std::cerr << "orvik-mkdata: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
