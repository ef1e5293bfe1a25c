#pragma once

// The system print dialog behind a small interface, so that tests choose the printer
// and its settings without a modal dialog.

#include <QString>

class QPrinter;
class QWidget;

class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    // Lets the user choose the printer and its settings on `printer`; false when
    // cancelled. Where no printer is installed it offers a PDF file named `pdf_name`.
    virtual bool esegui(QPrinter& printer, const QString& pdf_name) = 0;
};

class QtPrintDialog : public PrintDialog {
public:
    explicit QtPrintDialog(QWidget* parent) : parent_(parent) {}
    bool esegui(QPrinter& printer, const QString& pdf_name) override;

private:
    QWidget* parent_;
};
