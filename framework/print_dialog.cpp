#include "framework/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

bool QtPrintDialog::esegui(QPrinter& printer, const QString& pdf_name) {
    // Without a printer the dialog would open on nothing usable: start it on a PDF file.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_name);
    }
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}
