#pragma once

// A print job on a chosen printer: one page for each of the given dives.

#include <cstdint>
#include <vector>

#include "logbook/Clogbook.h"
#include "printing/stampa_immersione.h"

class QPrinter;

// Prints `dives` (logbook positions) of `logbook` on `printer`, one page each, with
// no page after the last. With nothing to print no job is begun, so neither paper nor
// a PDF file comes out. Throws QuorvelError when the printer refuses the job or a page.
void stampa_pagine(QPrinter& printer, const Clogbook& logbook, const std::vector<uint32_t>& dives,
                   const PageChoices& choices);
