// Writes the every-kind logbook as UDDF to the path given, for xmllint to check.

#include <cstdio>

#include "every_kind_logbook.h"
#include "export/uddf_export.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.uddf\n", argv[0]);
        return 2;
    }
    esporta_uddf(every_kind_logbook(), argv[1], "2026-12-07T15:04:05");
    return 0;
}
