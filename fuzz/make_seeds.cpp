// Writes the seed corpora of the fuzz targets: small valid files made by the
// tests' own writers. Usage: make_seeds FOLDER (creates FOLDER/leggi, ...).

#include <algorithm>
#include <climits>
#include <filesystem>
#include <iostream>
#include <string>

#include "support/import_writers.h"

using namespace std::string_literals;

namespace {

Clogbook sample(uint32_t n, int32_t base_num = 3) {
    Clogbook log(n);
    log.base_num = base_num;
    log.set_seriale(1, 2, 3, 4);
    for (uint32_t i = 0; i < n; ++i) {
        log.corrente = i;
        log.set_data(int32_t(i) + 1, 5, 2001);
        log.set_orario(10, 30);
        log.set_prof(18.5);
        log.set_computer(29);
        log.set_posto("Elba");
        log.set_compagni(i % 2 ? "" : "Anna\r\nPaolo");
        log.set_profilo(i % 2 ? "" : "\xff\x12\xff\x40"s);
        log.set_nimm();
    }
    log.corrente = 0;
    return log;
}

DataTrakDive datatrak_dive(int i) {
    DataTrakDive d;
    d.giorni = 146097 + i;
    d.minuti_inizio = 600;
    d.posto = i % 2 ? "" : "Ustica";
    d.punto = "Secca";
    d.prof = 1234;
    d.lbomb = 1550;
    d.durata = 45;
    d.commenti = "ok";
    d.nimm = uint16_t(i + 1);
    d.computer = 29;
    d.profilo = i % 2 ? "" : "\x00\x12\x00\x33\x44\x55"s;
    return d;
}

// A dive for the drawing and export targets: its five texts, a profile of `groups`
// 7-byte groups descending and coming back, and trailing bytes from which the
// numbers are taken (all of one value: 1 and 127 pick unusual reals, 2 ordinary ones).
std::string dive_seed(int groups, char number_byte) {
    std::string bytes = "Elba\\ Secca\\ foto\\ Anna\r\nPaolo\\ buona visibilit\xe0\\ ";
    bytes.append(22, '\x11');
    for (int g = 0; g < groups; ++g) {
        for (int s = 0; s < 3; ++s) {
            const int step = 3 * g + s;
            bytes += static_cast<char>(std::min(step, 3 * groups - step) * 2);
            bytes += static_cast<char>(step % 9 == 0 ? 0x45 : 0x00);
        }
        bytes += '\x07';
    }
    bytes.append(200, number_byte);
    return bytes;
}

// UDDF files as the import tests write them: the namespace or none, sites, buddies,
// notes with the export's field lines, irregular waypoints with alarms, a placeholder.
const char* const uddf_seeds[] = {
    R"(<?xml version="1.0" encoding="UTF-8"?><uddf xmlns="http://www.streit.cc/uddf/3.2/" version="3.2.1">)"
    R"(<generator><name>Quorvel</name></generator><diver><owner id="o"><personal><firstname/><lastname/></personal>)"
    R"(</owner><buddy id="b"><personal><firstname>Anna</firstname><lastname>Rossi</lastname></personal></buddy>)"
    R"(</diver><divesite><site id="s"><name>Elba, Capo</name><geography><location>Elba</location></geography>)"
    R"(</site></divesite><profiledata><repetitiongroup id="g"><dive id="d"><informationbeforedive><link ref="b"/>)"
    R"(<link ref="s"/><divenumber>4</divenumber><datetime>2024-02-29T09:05:00</datetime><airtemperature>265.9)"
    R"(</airtemperature><surfaceintervalbeforedive><passedtime>9000</passedtime></surfaceintervalbeforedive>)"
    R"(<altitude>900</altitude></informationbeforedive><samples><waypoint><depth>0</depth><divetime>0</divetime>)"
    R"(</waypoint><waypoint><alarm>deco</alarm><depth>1.25</depth><divetime>20</divetime></waypoint></samples>)"
    R"(<informationafterdive><greatestdepth>18.5</greatestdepth><lowesttemperature>271.65</lowesttemperature>)"
    R"(<pressuredrop>15050000</pressuredrop><diveduration>3900</diveduration><notes><para>ok)" "\n\n"
    R"(Compagni: Anna  Rossi)" "\n" R"(Tipo di immersione: In Curva,Acqua Salata, Nitrox)" "\n"
    R"(Attivit&#224;: Osservazione, Altro)" "\n" R"(Altro: pesca)" "\n" R"(Bombola: 15 l)" "\n"
    R"(Data registrata: 31/2/2024 24:00)" "\n" R"(Computer: Aladin Air X O2 (164))"
    R"(</para></notes></informationafterdive></dive></repetitiongroup></profiledata></uddf>)",
    R"(<uddf version="3.3.0"><profiledata><repetitiongroup><dive><informationbeforedive><divenumber>7)"
    R"(</divenumber><datetime>2021-01-02T03:04</datetime></informationbeforedive><samples><waypoint><divetime>7)"
    R"(</divetime><depth>7</depth></waypoint><waypoint><divetime>33</divetime><depth>20</depth><alarm>error)"
    R"(</alarm></waypoint><waypoint><divetime>61.5</divetime><depth>-3</depth></waypoint></samples><tankdata>)"
    R"(<tankvolume>0.012</tankvolume><tankpressurebegin>2e7</tankpressurebegin><tankpressureend>5e6)"
    R"(</tankpressureend></tankdata><informationafterdive/></dive><dive><informationbeforedive/>)"
    R"(<informationafterdive/></dive></repetitiongroup></profiledata></uddf>)",
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    for (const char* target : {"leggi", "leggi_v10", "leggi_datatrak"}) std::filesystem::create_directories(root / target);
    for (const char* target : {"graph", "page", "long_profile", "export"}) {
        std::filesystem::create_directories(root / target);
        for (int groups : {0, 1, 20, 700})
            for (char number_byte : {'\x01', '\x02', '\x7f'})
                std::ofstream(root / target / ("dive-" + std::to_string(groups) + "-" + std::to_string(number_byte)),
                              std::ios::binary)
                    << dive_seed(groups, number_byte);
    }
    std::filesystem::create_directories(root / "uddf_import");
    for (std::size_t i = 0; i < std::size(uddf_seeds); ++i)
        std::ofstream(root / "uddf_import" / ("seed-" + std::to_string(i) + ".uddf"), std::ios::binary) << uddf_seeds[i];
    for (uint32_t n : {0u, 1u, 3u}) {
        const std::string name = "dives-" + std::to_string(n);
        sample(n).Scrivi(root / "leggi" / (name + ".qvl"));
        write_v10_file(sample(n), root / "leggi_v10" / (name + ".qvl"));
        std::vector<DataTrakDive> dives;
        for (uint32_t i = 0; i < n; ++i) dives.push_back(datatrak_dive(int(i)));
        DataTrakHeader h;
        h.seriale[0] = 0x78;
        std::ofstream(root / "leggi_datatrak" / (name + ".log"), std::ios::binary) << datatrak_bytes(h, dives);
    }
    // Numbering from the ends of the 32-bit range, where dive numbers wrap.
    for (int32_t base : {INT32_MAX, INT32_MIN, -1, 0x7FFFFFFE})
        sample(3, base).Scrivi(root / "leggi" / ("base-" + std::to_string(base) + ".qvl"));
    return 0;
}
