// mksample FOLDER: writes the sample data set into FOLDER (bin/, image/, log/).
#include "tools/sample/sample.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mksample FOLDER\n");
        return 2;
    }
    std::string error;
    if (!make_sample(argv[1], error)) {
        std::fprintf(stderr, "mksample: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
