#include <random>
#include <tuple>

#include "logbook_files.h"

// Users have always seen this order, two equal dives swapping at every sort.
TEST(Ordina, AscendingUnsignedKeysEqualOnesInReverseNoneLost) {
    auto key = [](const Timmersione& d) {
        return std::make_tuple(uint32_t(d.anno), uint32_t(d.mese), uint32_t(d.giorno), uint32_t(d.ora_imm),
                               uint32_t(d.min_imm));
    };
    std::mt19937 rng(1234);
    for (uint32_t n = 0; n < 50; ++n) {
        // Few distinct values, so that equal keys are common. A negative year reads as
        // a huge one, and the old scan lost years of 9999; odd sizes hold months of 255
        // and 256, which no longer fit a byte.
        const int32_t years[] = {1998, 9999, -1}, first_month = n % 2 ? 255 : 1;
        Clogbook log(n);
        for (log.corrente = 0; log.corrente < n; ++log.corrente) {
            log.set_data(int32_t(1 + rng() % 3), int32_t(first_month + rng() % 2), years[rng() % 3]);
            log.set_orario(int32_t(rng() % 2), int32_t(rng() % 2));
            log.set_posto(std::to_string(log.corrente));
        }
        // The second sort finds the logbook in order and turns the equal dives round
        // again. Strictly monotonic positions among equal keys also mean that no dive
        // is there twice, so none is lost.
        for (int pass = 0; pass < 2; ++pass) {
            log.Ordina();
            for (uint32_t i = 1; i < n; ++i) {
                const Timmersione &before = log.immersioni[i - 1], &d = log.immersioni[i];
                const int a = std::stoi(before.posto), b = std::stoi(d.posto);
                EXPECT_TRUE(key(before) < key(d) || (key(before) == key(d) && (pass == 0 ? a > b : a < b)))
                    << "size " << n << ", position " << i << ", pass " << pass;
                EXPECT_EQ(d.nimm, int32_t(i + 1));
            }
        }
    }
}
