#include <QPrinter>
#include <QProcess>

#include "form_fixture.h"
#include "framework/print_dialog.h"
#include "profile_bytes.h"

namespace {

// The print dialog's answer: a PDF file to print to, or a cancel.
struct ScriptedPrintDialog : PrintDialog {
    std::optional<QString> pdf;
    int shown = 0;
    QString offered;
    bool esegui(QPrinter& printer, const QString& pdf_name) override {
        ++shown;
        offered = pdf_name;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf.value_or(QString()));
        return pdf.has_value();
    }
};

QString run_tool(const char* tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Chooses the items of the shown dialog and presses "Stampa".
void press_stampa(int quali, int cosa) {
    QTest::mouseClick(DialogStampa->RadioGroup1->findChildren<QRadioButton*>().at(quali), Qt::LeftButton);
    QTest::mouseClick(DialogStampa->RadioGroup2->findChildren<QRadioButton*>().at(cosa), Qt::LeftButton);
    QTest::mouseClick(DialogStampa->BitBtn1, Qt::LeftButton);
}

}  // namespace

class PrintTest : public FormFixture {
    Q_OBJECT

    ScriptedPrintDialog* print = nullptr;

    // Dives numbered 1..n, each with ten minutes of profile at 10 m.
    void load_dives(std::initializer_list<int> days) {
        Clogbook lb = dives_on(days);
        const std::string profile = profile_bytes(std::vector<ProfileSample>(30, {10.0, 0}));
        for (lb.corrente = 0; lb.corrente < lb.num_imm; ++lb.corrente) {
            lb.set_computer(30);
            lb.set_profilo(profile);
        }
        load(lb);
    }

    QString print_to(const char* name, int quali, int cosa) {
        print->pdf = q(*dir / name);
        run(&TMainForm::Stampa2Click);
        press_stampa(quali, cosa);
        return *print->pdf;
    }

private slots:
    void init() {
        FormFixture::init();
        form->set_print_dialog(std::unique_ptr<PrintDialog>(print = new ScriptedPrintDialog));
        form->show();
    }

    // Ctrl+P shows the choice without modality and without leaving the tab shown. Dives
    // selected while it is open, one page each, in the list's order; "Testo e Grafico"
    // prints the profile's figures; a serif face stands in for "TmsRmn", not fontconfig's
    // sans default.
    void selectedDivesOnePageEachThroughThePrinter() {
        load_dives({1, 2, 3, 4, 5, 6, 7, 8, 9});
        form->PageControl2->setCurrentWidget(form->Imm_dati);
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form->ListBox1, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(DialogStampa->isVisible() && !DialogStampa->isModal());
        QCOMPARE(form->PageControl2->currentWidget(), form->Imm_dati);
        click_item(7);
        for (int row : {2, 5}) click_item(row, Qt::ControlModifier);
        print->pdf = q(*dir / "three.pdf");
        press_stampa(0, 1);
        QVERIFY2(errors.messages.empty(), errors.messages.empty() ? "" : qPrintable(errors.messages.front()));
        const QString text = run_tool(PDFTOTEXT, {"-layout", *print->pdf, "-"});
        QCOMPARE(text.count('\f'), 3);  // one form feed ends each page
        const auto in_list_order = QRegularExpression("Immersione: 3 .*Immersione: 6 .*Immersione: 8 ",
                                                      QRegularExpression::DotMatchesEverythingOption);
        QVERIFY(text.contains(in_list_order) && !text.contains("Immersione: 1 ") && text.contains("Prof. Media: 10 mt"));
        QVERIFY(run_tool(PDFFONTS, {*print->pdf}).contains("LiberationSerif"));
    }

    // All dives in "Descrizione", one page each; no dive selected: the dialog ran, but no
    // job and no file; a file that cannot be made is reported.
    void allDivesNothingToPrintAndAFailedJob() {
        load_dives({1, 2, 3, 4});
        const QString all = print_to("all.pdf", 1, 0);
        const QString text = run_tool(PDFTOTEXT, {"-layout", all, "-"});
        QVERIFY(text.count('\f') == 4 && !text.contains("Prof. Media"));
        form->ListBox1->selectionModel()->clearSelection();
        QVERIFY(!QFile::exists(print_to("none.pdf", 0, 0)));
        QCOMPARE(print->shown, 2);
        QCOMPARE(print->offered, q(*dir / "in.pdf"));
        const QString bad = print_to("no such folder/out.pdf", 1, 0);
        QCOMPARE(errors.messages, std::vector<QString>{"Cannot create file " + bad});
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
