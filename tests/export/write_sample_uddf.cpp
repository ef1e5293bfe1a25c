// Writes a logbook as UDDF to the path given, for xmllint to check: the every-kind
// logbook, or the DataTrak logbook named as the second argument.

#include "every_kind_logbook.h"
#include "export/uddf_export.h"
#include "logbook/count_peek.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) return 2;  // usage: write_sample_uddf FILE.uddf [DATATRAK.log]
    if (argc == 2) {
        esporta_uddf(every_kind_logbook(), argv[1], "2026-12-07T15:04:05");
        return 0;
    }
    Clogbook lb(peek_datatrak_count(argv[2]));
    lb.Leggi_DataTrak(argv[2]);
    esporta_uddf(lb, argv[1], "2026-12-07T15:04:05");
    return 0;
}
