#include "app/splash.h"

#include "app/artwork.h"
#include "hero/perso.h"

#include <QKeyEvent>

Start::Start() : Form(QStringLiteral("start"), QStringLiteral("Ambrefer")) {
    setWindowFlags(Qt::SplashScreen | Qt::WindowStaysOnTopHint);
    Image1 = new Label(QStringLiteral("Image1"), QString(), this);
    Image1->setPixmap(artwork::splash());
    Image1->setToolTip(QStringLiteral("Cliquez pour commencer"));
    Image1->onClick([this] { Image1_Click(); });
    setCentralWidget(Image1);
}

void Start::Form_Load() {
    perso().show();
}

void Start::Image1_Click() {
    hide();
}

void Start::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
        runEvent([this] { Image1_Click(); });
        break;
    default:
        Form::keyPressEvent(event);
    }
}
