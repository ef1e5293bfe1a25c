#include <QButtonGroup>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QListView>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "form_fixture.h"
#include "framework/print_dialog.h"
#include "realistic_dive.h"

namespace {

// The print dialog's answers: a PDF file to print to, or a cancel.
struct PrintScript {
    std::optional<QString> pdf;
    int shown = 0;
    QString offered;
};

class ScriptedPrintDialog : public PrintDialog {
public:
    explicit ScriptedPrintDialog(PrintScript& s) : s_(s) {}
    bool esegui(QPrinter& printer, const QString& pdf_name) override {
        ++s_.shown;
        s_.offered = pdf_name;
        if (!s_.pdf) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*s_.pdf);
        return true;
    }

private:
    PrintScript& s_;
};

QString run_tool(const char* tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdf_pages(const QString& pdf) {
    static const QRegularExpression pages("^Pages:\\s+(\\d+)$", QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(run_tool(PDFINFO, {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pdf_text(const QString& pdf) { return run_tool(PDFTOTEXT, {"-layout", pdf, "-"}); }

QRadioButton* item(QGroupBox* group, int i) { return group->findChildren<QRadioButton*>().at(i); }

}  // namespace

class PrintTest : public QObject, FormFixture {
    Q_OBJECT

private slots:
    void init() {
        set_up();
        print = PrintScript{};
        form->set_print_dialog(std::make_unique<ScriptedPrintDialog>(print));
        form->show();
    }
    void cleanup() { tear_down(); }

    void dialogShownWithoutModalityOrTabChange() {
        QCOMPARE(DialogStampa->pos(), QPoint(352, 183));
        QCOMPARE(DialogStampa->size(), QSize(217, 210));
        QCOMPARE((QStringList{DialogStampa->windowTitle(), DialogStampa->RadioGroup1->title(),
                              item(DialogStampa->RadioGroup1, 0)->text(), item(DialogStampa->RadioGroup1, 1)->text(),
                              DialogStampa->RadioGroup2->title(), item(DialogStampa->RadioGroup2, 0)->text(),
                              item(DialogStampa->RadioGroup2, 1)->text(), DialogStampa->BitBtn1->text(),
                              DialogStampa->BitBtn2->text()}),
                 (QStringList{"Scegli Cosa Stampare", "Quali Immersioni", "Solo Immersioni Selezionate",
                              "Tutte le Immersioni", "Cosa Stampare", "Descrizione", "Testo e Grafico", "Stampa",
                              "Cancel"}));
        QCOMPARE(DialogStampa->RadioGroup1Index(), 0);
        QCOMPARE(DialogStampa->RadioGroup2Index(), 0);

        QWidget* tab = form->PageControl2->currentWidget();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form->ListBox1, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(DialogStampa->isVisible());
        QVERIFY(!DialogStampa->isModal());
        QCOMPARE(form->PageControl2->currentWidget(), tab);
        QCOMPARE(form->PageControl1->currentWidget(), form->dati);
    }

    // Cancel and Esc write no choice; a cancelled print dialog prints nothing but keeps them.
    void cancelsKeepOrWriteTheChoicesAsPressed() {
        for (bool escape : {false, true}) {
            run(&TMainForm::Stampa2Click);
            QTest::mouseClick(item(DialogStampa->RadioGroup2, 1), Qt::LeftButton);
            if (escape)
                QTest::keyClick(item(DialogStampa->RadioGroup2, 1), Qt::Key_Escape);
            else
                QTest::mouseClick(DialogStampa->BitBtn2, Qt::LeftButton);
            QVERIFY(DialogStampa->isHidden());
            QCOMPARE(form->stampa_cosa, 0);
        }
        QCOMPARE(print.shown, 0);

        run(&TMainForm::Stampa2Click);
        press_stampa(1, 1);
        QCOMPARE(print.shown, 1);
        QVERIFY(DialogStampa->isHidden());
        QCOMPARE(form->stampa_quali, 1);
        QCOMPARE(form->stampa_cosa, 1);
        QCOMPARE(form->nome_corto, std::string("untitled.qvl"));
        QCOMPARE(print.offered, QDir::current().filePath("untitled.pdf"));

        // Shown again, the dialog still holds the last choices.
        run(&TMainForm::Stampa2Click);
        QCOMPARE(DialogStampa->RadioGroup1Index(), 1);
        QCOMPARE(DialogStampa->RadioGroup2Index(), 1);
        QVERIFY(errors.messages.empty());
    }

    void selectedDivesInLogbookOrderOnePageEach() {
        load(logbook_of(9));
        const QString pdf = q(*dir / "three.pdf");
        print.pdf = pdf;
        run(&TMainForm::Stampa2Click);
        // Selected while the dialog is open, in the order 7, 2, 5.
        click_item(7);
        for (int row : {2, 5}) click_item(row, Qt::ControlModifier);
        press_stampa(0, 1);
        QVERIFY2(errors.messages.empty(), errors.messages.empty() ? "" : qPrintable(errors.messages.front()));

        QCOMPARE(pdf_pages(pdf), 3);
        const QString text = pdf_text(pdf);
        const qsizetype two = text.indexOf("Immersione: 3"), five = text.indexOf("Immersione: 6"),
                        seven = text.indexOf("Immersione: 8");
        QVERIFY(two >= 0 && two < five && five < seven);
        QVERIFY(!text.contains("Immersione: 1 "));
        QVERIFY(text.contains("in.qvl"));  // the file name without its folder
        QVERIFY(text.contains("Prof. Media: 10 mt"));
        QCOMPARE(form->nome_corto, std::string("in.qvl"));
    }

    void allDivesAndNothingToPrint() {
        load(logbook_of(4));
        print.pdf = q(*dir / "all.pdf");
        run(&TMainForm::Stampa2Click);
        press_stampa(1, 0);
        QCOMPARE(pdf_pages(*print.pdf), 4);
        QVERIFY(!pdf_text(*print.pdf).contains("Prof. Media"));

        // No dive selected: the dialog ran, but no job and no file.
        print.pdf = q(*dir / "none.pdf");
        form->ListBox1->selectionModel()->clearSelection();
        run(&TMainForm::Stampa2Click);
        press_stampa(0, 0);
        QCOMPARE(print.shown, 2);
        QVERIFY(!QFile::exists(*print.pdf));
        QVERIFY(DialogStampa->isHidden());
    }

    // Both modes of an imported dive; QUORVEL_SHOTS_DIR keeps the two PDFs to look at.
    void importedDiveInBothModes() {
        Clogbook lb(1);
        fill_realistic_dive(lb);
        lb.set_nimm();
        load(lb);
        for (int cosa : {0, 1}) {
            const QString pdf = q(*dir / (cosa ? "grafico.pdf" : "descrizione.pdf"));
            print.pdf = pdf;
            run(&TMainForm::Stampa2Click);
            press_stampa(1, cosa);
            QCOMPARE(pdf_pages(pdf), 1);
            const QString text = pdf_text(pdf);
            if (qEnvironmentVariableIsSet("QUORVEL_SHOTS_DIR"))
                QFile::copy(pdf, QDir(qEnvironmentVariable("QUORVEL_SHOTS_DIR")).filePath(QFileInfo(pdf).fileName()));
            QVERIFY(text.contains(QString::fromUtf8("Attività: Foto Osservazione, In gruppo, Foto/Video,")));
            QVERIFY(text.contains("Anna RossiPaolo Bianchi"));
            QCOMPARE(text.contains("Consumo Aria: "), cosa == 1);
            QCOMPARE(text.contains("Prof. Media: "), cosa == 1);
            // "TmsRmn" is no face here: a serif face stands in, not fontconfig's sans default.
            QVERIFY(run_tool(PDFFONTS, {pdf}).contains("LiberationSerif"));
        }
    }

    void printerFailureGoesToTheErrorBox() {
        print.pdf = q(*dir / "no such folder" / "out.pdf");
        run(&TMainForm::Stampa2Click);
        press_stampa(1, 0);
        QCOMPARE(errors.messages.size(), size_t(1));
        QCOMPARE(errors.messages.front(), "Cannot create file " + *print.pdf);
    }

private:
    PrintScript print;

    // Chooses the items of the shown dialog and presses "Stampa".
    static void press_stampa(int quali, int cosa) {
        QTest::mouseClick(item(DialogStampa->RadioGroup1, quali), Qt::LeftButton);
        QTest::mouseClick(item(DialogStampa->RadioGroup2, cosa), Qt::LeftButton);
        QTest::mouseClick(DialogStampa->BitBtn1, Qt::LeftButton);
    }

    // Dives numbered 1..n, each with ten minutes of profile at 10 m.
    static Clogbook logbook_of(uint32_t n) {
        Clogbook lb(n);
        for (uint32_t i = 0; i < n; ++i) {
            lb.corrente = i;
            lb.set_nimm();
            lb.set_data(int32_t(i + 1), 3, 2021);
            lb.set_computer(30);
            std::string profile(22, '\x11');
            for (int g = 0; g < 10; ++g) profile += std::string("\x10\xFF\x10\xFF\x10\xFF\x33", 7);
            lb.set_profilo(profile);
        }
        return lb;
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
