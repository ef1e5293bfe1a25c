#include "mainwindow/print_job.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include "framework/core/errors.h"
#include "framework/painter_canvas.h"

namespace {

constexpr int kPdfDpi = 300;

// The page's face is a Windows name; a fresh Debian has Liberation Serif (the
// metrics of Times New Roman), else DejaVu Serif. Without this fontconfig picks a
// sans face for a name it does not know.
void install_page_font() {
    static const bool installed = [] {
        QFont::insertSubstitutions(kPageFont, {"Liberation Serif", "DejaVu Serif"});
        return true;
    }();
    (void)installed;
}

[[noreturn]] void printer_failed(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        throw CannotCreateFile(printer.outputFileName().toStdString());
    throw QuorvelError("Cannot print on " + printer.printerName().toStdString());
}

}  // namespace

void stampa_pagine(QPrinter& printer, const Clogbook& logbook, const std::vector<uint32_t>& dives,
                   const PageChoices& choices) {
    if (dives.empty()) return;
    install_page_font();
    printer.setDocName(QString());
    // A PDF file has no resolution of its own; the page's pixel sizes (20-pixel
    // insets, 1- and 3-pixel lines) were made for a 300-dpi laser printer.
    if (printer.outputFormat() == QPrinter::PdfFormat) printer.setResolution(kPdfDpi);
    QPainter painter;
    if (!painter.begin(&printer)) printer_failed(printer);
    PainterCanvas canvas(&painter, Qt::white, Qt::black);
    const PrintArea area{printer.logicalDpiY(), printer.width(), printer.height()};
    DecodedProfile tables;
    for (std::size_t k = 0; k < dives.size(); ++k) {
        if (k > 0 && !printer.newPage()) printer_failed(printer);
        Stampa_Immersione(canvas, area, logbook.immersioni.at(dives[k]), choices, tables);
    }
    if (!painter.end()) printer_failed(printer);
}
