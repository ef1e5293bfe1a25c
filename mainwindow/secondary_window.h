#pragma once

// A window created at start-up and kept for the whole run, hidden until shown,
// shown without modality and brought to the front.

#include <QWidget>

class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    SecondaryWindow(const QString& caption, QWidget* parent = nullptr) : QWidget(parent, Qt::Window) {
        setWindowTitle(caption);
    }
    void mostra() {
        show();
        raise();
        activateWindow();
    }
};
