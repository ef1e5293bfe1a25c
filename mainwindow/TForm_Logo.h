#pragma once

#include "mainwindow/secondary_window.h"

class QLabel;

// The about box. Its picture is "Logo200.gif" in the working directory, or the
// logo built into the program when that file cannot be read.
class TForm_Logo : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm_Logo(QWidget* parent = nullptr);
    bool picture_from_file() const { return from_file_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Image1;
    bool from_file_ = false;
};

extern TForm_Logo* Form_Logo;
