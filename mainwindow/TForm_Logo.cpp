#include "mainwindow/TForm_Logo.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "mainwindow/logo_lookup.h"

TForm_Logo* Form_Logo = nullptr;

TForm_Logo::TForm_Logo(QWidget* parent) : SecondaryWindow("About Ostrevane", parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(400, 338);

    auto* Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(5);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Panel1);

    auto* Label1 = new QLabel("Ostrevane", Panel1);
    QFont f("Comic Sans MS");
    f.setPixelSize(23);
    f.setBold(true);
    Label1->setFont(f);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(200, 200);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setAccessibleName("Logo di Ostrevane");
    const Logo logo = load_logo(logo_folders());
    Image1->setPixmap(QPixmap::fromImage(logo.picture));
    picture_source_ = logo.source;

    auto* inner = new QVBoxLayout(Panel1);
    inner->setContentsMargins(15, 15, 15, 15);
    inner->addWidget(Label1);
    inner->addWidget(Image1, 0, Qt::AlignHCenter);
    inner->addStretch();

    for (QObject* o : {static_cast<QObject*>(Panel1), static_cast<QObject*>(Label1), static_cast<QObject*>(Image1),
                       static_cast<QObject*>(this)})
        o->installEventFilter(this);
}

bool TForm_Logo::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonRelease;
    const bool double_click_on_window = event->type() == QEvent::MouseButtonDblClick && watched == this;
    if (click || double_click_on_window) {
        hide();
        return true;
    }
    return SecondaryWindow::eventFilter(watched, event);
}

void TForm_Logo::keyPressEvent(QKeyEvent* event) {
    // Esc and Enter count as character keys too, as they do on Windows.
    const bool closing_key =
        event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (closing_key || (!event->text().isEmpty() && event->text().at(0).isPrint())) hide();
    else SecondaryWindow::keyPressEvent(event);
}

void TForm_Logo::showEvent(QShowEvent* event) {
    // Centred each time it is shown, on the screen of the main window; left alone, a
    // window of its own opens in the screen's corner.
    const QWidget* owner = parentWidget() ? parentWidget() : this;
    if (QScreen* s = owner->screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameSize(), s->availableGeometry()).topLeft());
    SecondaryWindow::showEvent(event);
}
