#pragma once

// Memory a benchmark frees stays with the process, for every allocation of any size:
// each repetition then finds warm pages, whatever it allocates (a floor's buffer, a
// logbook's records and texts). Otherwise every block over the allocator's mapping
// threshold is mapped afresh and faulted in page by page at each repetition, a cost
// of the virtual machine that swung the ratios to their floors several times over
// from one run to the next.

#include <malloc.h>

inline const bool memory_kept_by_process = [] {
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, -1);
    return true;
}();
