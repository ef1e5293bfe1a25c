#pragma once

// The printed page of one dive: the framed description, the wrapped buddies and
// comments, the logbook's file name and, on request, the depth profile.

#include <string>

#include "framework/core/canvas.h"
#include "logbook/Clogbook.h"
#include "printing/page_metrics.h"
#include "profile/profile_decoder.h"

// What the diver chose for the whole job.
struct PageChoices {
    int32_t stampa_cosa = 0;  // 0: description only, 1: description and profile graph
    std::string nome_corto;   // the logbook's file name, without its folder
    char decimal_separator = '.';
};

inline constexpr const char* kPageFont = "TmsRmn";

// Draws the page of `dive` on a canvas whose printable area is `area`. `tables`
// holds the decoded profile afterwards; passing the same one for every page of a
// job spares an allocation a page.
void Stampa_Immersione(Canvas& canvas, const PrintArea& area, const Timmersione& dive,
                       const PageChoices& choices, DecodedProfile& tables);
