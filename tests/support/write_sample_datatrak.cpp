// Writes a DataTrak logbook of a few realistic dives, most with a profile, to the path
// given, for trying "Converti da DataTrak" by hand.

#include <cstdio>

#include "import_writers.h"
#include "profile_bytes.h"
#include "temp_dir.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.log\n", argv[0]);
        return 2;
    }
    struct Plan {
        const char* posto;
        const char* punto;
        unsigned minutes;  // 0: typed by hand, no profile
        double deepest;
    };
    const Plan plans[] = {
        {"Elba", "Secca di Capo Poro", 52, 31.5},     {"Elba", "Relitto dello Elviscot", 46, 26.0},
        {"Ustica", "Grotta azzurra", 0, 18.0},        {"Ustica", "Scoglio del Medico", 58, 38.5},
        {"Portofino", "Cristo degli Abissi", 41, 17.5}, {"Capo Noli", "Punta Crena", 63, 22.0},
    };
    DataTrakHeader header;
    header.seriale[0] = 0x2A;
    header.seriale[1] = 0x51;
    header.seriale[2] = 0x01;
    std::vector<DataTrakDive> dives;
    unsigned day = 154690;  // summer 2023
    for (const Plan& p : plans) {
        DataTrakDive d;
        d.giorni = day;
        day += 2;
        d.minuti_inizio = 10 * 60 + 15;
        d.nimm = uint16_t(dives.size() + 1);
        d.posto = p.posto;
        d.punto = p.punto;
        d.prof = uint16_t(p.deepest * 100);
        d.durata = uint16_t(p.minutes ? p.minutes : 40);
        d.lbomb = 1500;
        d.bar = 15500;
        d.t_acqua = 1850;
        d.t_aria = 2600;
        d.compagni = "Anna Rossi";
        if (p.minutes) {
            d.computer = 30;
            std::vector<ProfileSample> samples = realistic_dive(p.minutes * 3, p.deepest, unsigned(day));
            d.profilo = profile_bytes(samples);
        }
        dives.push_back(d);
    }
    write_bytes(argv[1], datatrak_bytes(header, dives));
    return 0;
}
