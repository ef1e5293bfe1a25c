#pragma once

#include "mainwindow/secondary_window.h"

class QLabel;

// The about box. Its picture is "Logo200.gif" from the working directory, else
// from the installed data folder, else the logo built into the program.
class TForm_Logo : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm_Logo(QWidget* parent = nullptr);
    QString picture_source() const { return picture_source_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Image1;
    QString picture_source_;
};

extern TForm_Logo* Form_Logo;
