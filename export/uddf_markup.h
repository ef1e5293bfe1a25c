#pragma once

// The parts of a dive's UDDF made of numbers, dates, references and fixed keywords
// only: nothing in them needs escaping, so they are written as bytes. Most of a large
// export is here (a waypoint every 20 seconds); the texts go through the XML writer.

#include <cstddef>
#include <string>

#include "export/uddf_index.h"
#include "logbook/Clogbook.h"
#include "profile/profile_decoder.h"

namespace uddf {

// "dive_1" for the first dive: the ids dives, sites and buddies are declared and
// referred to by.
std::string id(const char* tipo, std::size_t n);

// "<dive id=…><informationbeforedive>…</informationbeforedive>" for dive i.
void inizio_immersione(std::string& out, std::size_t i, const Timmersione& d, const IndiceUddf& indice);

// "<samples>" with one waypoint for the surface and one per sample, "</samples>".
void campioni(std::string& out, const DecodedProfile& profilo);

// "<informationafterdive>" and its numbers; the notes and fine_immersione follow.
// `profilo` is the dive's decoded profile, if it has one.
void dopo_immersione(std::string& out, const Timmersione& d, const DecodedProfile* profilo);

inline constexpr const char* fine_immersione = "</informationafterdive></dive>";

}  // namespace uddf
