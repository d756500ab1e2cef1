#include "shop/car.h"

#include "shop/transaction.h"

#include <QCloseEvent>
#include <QGridLayout>

Car::Car() : Form(QStringLiteral("car"), QStringLiteral("Caractère du vendeur")) {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    Slider = new QSlider(Qt::Horizontal, central);
    Slider->setObjectName(QStringLiteral("Slider"));
    Slider->setRange(0, 10);
    Slider->setSingleStep(1);
    Slider->setPageStep(1);
    Slider->setTickInterval(1);
    Slider->setTickPosition(QSlider::TicksBelow);
    Slider->setMinimumWidth(Slider->fontMetrics().horizontalAdvance(QStringLiteral("Grincheux")) *
                            5);
    grid->addWidget(Slider, 0, 0, 1, 5);

    // Under the ticks 0, 2.5, 5, 7.5 and 10: the first and last flush with the ends.
    const char* moods[] = {"Amical", "Sympa", "Neutre", "Froid", "Grincheux"};
    for (int i = 0; i < 5; ++i) {
        const Qt::Alignment align = i == 0   ? Qt::AlignLeft
                                    : i == 4 ? Qt::AlignRight
                                             : Qt::AlignHCenter;
        grid->addWidget(new Label(QString(), QString::fromUtf8(moods[i]), central), 1, i, align);
    }
    ok = new CommandButton(QStringLiteral("ok"), QStringLiteral("OK !"), central);
    grid->addWidget(ok, 2, 0, 1, 5, Qt::AlignHCenter);
    setCentralWidget(central);

    ok->onClick([this] { ok_Click(); });
    setDialogKeys(ok);
}

// A new character is a new deal: the next proposal is its first, and nothing agreed before
// can be confirmed.
void Car::ok_Click() {
    Transaction& shop = transaction();
    shop.num->setCaption(QStringLiteral("0"));
    shop.bouton->setEnabled(false);
    hide();
}

void Car::closeEvent(QCloseEvent* event) {
    event->ignore();
    runEvent([this] { ok_Click(); });
}
