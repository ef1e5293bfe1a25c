// Taking a change back on a 100,000-dive logbook, in the real window (offscreen): a
// field edit and a flag change against one frame, a Delete of half the dives and a
// Load beside the commands themselves.

#include <QItemSelectionModel>
#include <QListView>

#include "dive_generator.h"
#include "framework/text_fields.h"
#include "loaded_window.h"

namespace {

TMainForm& window() {
    static std::unique_ptr<TMainForm> form;
    if (!form) form = loaded_window(make_plausible_logbook(100000), bench_file("quorvel_undo_"));
    return *form;
}

// Stops the run when the change measured left no step, which would time nothing.
bool nothing_to_undo(benchmark::State& state, TMainForm& form) {
    if (form.Annulla1->isEnabled()) return false;
    state.SkipWithError("the change left no step to take back");
    return true;
}

void select_half(TMainForm& form) {
    QItemSelection half;
    const int n = int(form.logbook().num_imm);
    for (int i = 0; i < n; i += 2) half.select(form.ListBox1->model()->index(i, 0), form.ListBox1->model()->index(i, 0));
    form.ListBox1->selectionModel()->select(half, QItemSelectionModel::ClearAndSelect);
}

// Makes a change and takes it back, timing the one or the other; `prepare` runs untimed
// before each change.
template <class Prepare, class Change>
void change_then_undo(benchmark::State& state, bool time_the_undo, Prepare prepare, Change change) {
    TMainForm& form = window();
    for (auto _ : state) {
        state.PauseTiming();
        prepare(form);
        if (!time_the_undo) state.ResumeTiming();
        change(form);
        QApplication::processEvents();
        if (!time_the_undo) state.PauseTiming();
        if (nothing_to_undo(state, form)) break;
        if (time_the_undo) state.ResumeTiming();
        form.Annulla1Click();
        QApplication::processEvents();
        if (!time_the_undo) state.ResumeTiming();
    }
}

void nothing(TMainForm&) {}

// The place of the middle dive typed anew, taken back as Ctrl+Z does.
void BM_Annulla_field(benchmark::State& state) {
    int typed = 0;
    change_then_undo(
        state, true,
        [](TMainForm& form) {
            form.logbook().corrente = 50000;
            form.ListBox1Click();
        },
        [&](TMainForm& form) {
            form.posto->setFocus();
            form.posto->setText(QString("Elba %1").arg(++typed));
            form.ListBox1->setFocus();  // closes the step
        });
}

// A change of the dive-type dialog, as it writes it.
void BM_Annulla_flag(benchmark::State& state) {
    int32_t gas = 0;
    change_then_undo(state, true, nothing, [&](TMainForm& form) {
        form.before_dive_change(DiveField::tipo, false);
        form.logbook().set_tipo(0x54, ++gas % 3);
        form.after_dive_change();
    });
}

// Delete of every other dive and Load of the same 100,000 dives, each beside its undo.
void delete_half(benchmark::State& state, bool time_the_undo) {
    change_then_undo(state, time_the_undo, select_half, [](TMainForm& form) { form.Cancella1Click(); });
}
void BM_Cancella_half(benchmark::State& state) { delete_half(state, false); }
void BM_Annulla_Cancella_half(benchmark::State& state) { delete_half(state, true); }

void load(benchmark::State& state, bool time_the_undo) {
    change_then_undo(state, time_the_undo, nothing, [](TMainForm& form) { form.Carica1Click(); });
}
void BM_Carica(benchmark::State& state) { load(state, false); }
void BM_Annulla_Carica(benchmark::State& state) { load(state, true); }

}  // namespace

BENCHMARK(BM_Annulla_field)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Annulla_flag)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cancella_half)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Annulla_Cancella_half)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Carica)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Annulla_Carica)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    const int rc = run_benchmarks_with_qt(argc, argv);
    std::filesystem::remove(bench_file("quorvel_undo_"));
    return rc;
}
