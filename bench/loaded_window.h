#pragma once

// The real main window, offscreen, with a logbook loaded through "Carica" as a user
// would, for the benchmarks of window actions.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "framework/dialogs.h"
#include "mainwindow/TMainForm.h"

// Every open dialog answers `path`; every save dialog is cancelled.
class OneFile : public FileDialogs {
public:
    explicit OneFile(QString path) : path_(std::move(path)) {}
    std::optional<QString> apri(int, const QString&) override { return path_; }
    std::optional<QString> salva() override { return std::nullopt; }
    std::optional<QString> esporta(const QString&, const QString&, const QString&) override { return std::nullopt; }

private:
    QString path_;
};

// A shown window with `lb` loaded from `path`, which stays for further loads.
inline std::unique_ptr<TMainForm> loaded_window(const Clogbook& lb, const std::filesystem::path& path) {
    lb.Scrivi(path);
    auto form = std::make_unique<TMainForm>();
    form->set_file_dialogs(std::make_unique<OneFile>(QString::fromStdString(path.string())));
    form->Carica1Click();
    form->forget_history();
    form->show();
    QApplication::processEvents();
    return form;
}

inline std::filesystem::path bench_file(const char* name) {
    return std::filesystem::temp_directory_path() / (name + std::to_string(getpid()) + ".qvl");
}

// main() for benchmarks that need Qt's application object, offscreen unless told otherwise.
inline int run_benchmarks_with_qt(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
