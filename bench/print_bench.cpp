// Printing 1,000 dives with "Testo e Grafico" to a PDF file, beside a plain QPrinter
// job of 1,000 pages that draws the same number of lines and the same texts at fixed
// places with one pen and one font.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <filesystem>
#include <numeric>
#include <unistd.h>

#include "dive_generator.h"
#include "framework/core/recording_canvas.h"
#include "loaded_window.h"
#include "mainwindow/print_job.h"

namespace {

constexpr uint32_t kDives = 1000;
constexpr int kDpi = 300;  // what the job uses for a PDF file

const Clogbook& logbook() {
    static const Clogbook lb = make_plausible_logbook(kDives);
    return lb;
}

const PageChoices kChoices{1, "bench.qvl", '.'};

QString pdf_path(const char* name) {
    return QString::fromStdString((std::filesystem::temp_directory_path() /
                                   (std::string(name) + "-" + std::to_string(getpid()) + ".pdf"))
                                      .string());
}

void a4_pdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(kDpi);
}

// What each page draws, recorded on the area an A4 PDF at 300 dpi offers.
struct PageContent {
    int lines = 0;
    std::vector<std::string> texts;
};

const std::vector<PageContent>& recorded_pages() {
    static const std::vector<PageContent> pages = [] {
        QPrinter printer(QPrinter::HighResolution);
        a4_pdf(printer, pdf_path("probe"));
        const PrintArea area{kDpi, printer.width(), printer.height()};
        std::vector<PageContent> out;
        DecodedProfile tables;
        for (const Timmersione& dive : logbook().immersioni) {
            RecordingCanvas canvas(50);
            Stampa_Immersione(canvas, area, dive, kChoices, tables);
            PageContent page;
            page.lines = int(canvas.of(RecordingCanvas::Kind::line_to).size());
            for (const auto& op : canvas.of(RecordingCanvas::Kind::text)) page.texts.push_back(op.text);
            out.push_back(std::move(page));
        }
        return out;
    }();
    return pages;
}

void BM_Stampa_1000_dives_with_graph(benchmark::State& state) {
    std::vector<uint32_t> all(kDives);
    std::iota(all.begin(), all.end(), 0u);
    const QString path = pdf_path("quorvel-print");
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        a4_pdf(printer, path);
        stampa_pagine(printer, logbook(), all, kChoices);
    }
    std::filesystem::remove(path.toStdString());
}

void BM_Baseline_plain_pdf_same_lines_and_texts(benchmark::State& state) {
    const std::vector<PageContent>& pages = recorded_pages();
    const QString path = pdf_path("plain-print");
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        a4_pdf(printer, path);
        QPainter painter(&printer);
        QFont font("Liberation Serif");
        font.setPointSize(11);
        painter.setFont(font);
        painter.setPen(QPen(Qt::black, 1));
        bool first = true;
        for (const PageContent& page : pages) {
            if (!first) printer.newPage();
            first = false;
            for (int i = 0; i < page.lines; ++i) painter.drawLine(200, 200 + i * 10, 2000, 200 + i * 10);
            int y = 300;
            for (const std::string& text : page.texts) {
                painter.drawText(250, y, QString::fromLatin1(text.data(), qsizetype(text.size())));
                y += 40;
            }
        }
        painter.end();
    }
    std::filesystem::remove(path.toStdString());
}

}  // namespace

BENCHMARK(BM_Baseline_plain_pdf_same_lines_and_texts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stampa_1000_dives_with_graph)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return run_benchmarks_with_qt(argc, argv); }
