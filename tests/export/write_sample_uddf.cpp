// Writes the every-kind logbook as UDDF to the path given, for xmllint to check.

#include "every_kind_logbook.h"
#include "export/uddf_export.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;  // usage: write_sample_uddf FILE.uddf
    esporta_uddf(every_kind_logbook(), argv[1], "2026-12-07T15:04:05");
    return 0;
}
