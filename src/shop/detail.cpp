#include "shop/detail.h"

#include "common/fitwidth.h"
#include "common/itemframe.h"
#include "common/screenfit.h"
#include "common/shared.h"
#include "shop/transaction.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Ordinary boxes the user may edit: the purchase takes the name and the weight as they stand.
QWidget* makeBox(const itemrecord::Kind& kind, const itemrecord::Field& field, QWidget* parent) {
    const QString name = kind.shopBoxName(field);
    if (field.shape == itemrecord::BoxShape::Memo) {
        auto* memo = new MemoBox(name, parent);
        memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 3 + 8);
        return memo;
    }
    auto* box = new TextBox(name, parent);
    // A name reads whole; a unit is a word of two letters.
    if (field.shape == itemrecord::BoxShape::Name)
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 18);
    if (field.shape == itemrecord::BoxShape::Unit) fitToDigits(box, 3);
    if (field.centred) {
        box->setAlignment(Qt::AlignCenter);
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    }
    return box;
}

} // namespace

Detail::Detail() : Form(QStringLiteral("detail"), QStringLiteral("Détail")) {
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(6, 6, 6, 6);
    auto* stack = new QVBoxLayout;
    for (const itemrecord::Kind& kind : itemrecord::kinds()) {
        cadres[kind.number] = buildItemFrame(kind, central, makeBox, boxes_[kind.number]);
        // The room a short frame has to spare goes under its fields, not above them.
        cadres[kind.number]->layout()->setAlignment(Qt::AlignTop);
        stack->addWidget(cadres[kind.number]);
    }
    // Every frame of one row stands as high as the others, and so does every frame of two.
    std::array<int, 2> tallest{};
    for (const itemrecord::Kind& kind : itemrecord::kinds()) {
        int& height = tallest[kind.tall()];
        height = std::max(height, cadres[kind.number]->sizeHint().height());
    }
    for (const itemrecord::Kind& kind : itemrecord::kinds())
        cadres[kind.number]->setMinimumHeight(tallest[kind.tall()]);
    row->addLayout(stack, 1);
    ok = new CommandButton(QStringLiteral("ok"), QStringLiteral("Ok"), central);
    ok->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    ok->setFixedWidth(ok->fontMetrics().horizontalAdvance(QStringLiteral("Ok")) * 3);
    row->addWidget(ok);
    setCentralWidget(central);
    ok->onClick([this] { ok_Click(); });
    setDialogKeys(ok);
}

void Detail::ok_Click() {
    hide();
}

void Detail::closeEvent(QCloseEvent* event) {
    event->ignore();
    runEvent([this] { ok_Click(); });
}

void Detail::cachedetail() {
    for (int kind = 1; kind <= 12; ++kind)
        cadres[kind]->hide();
}

void Detail::montrecadre(int kind) {
    cachedetail();
    cadres[kind]->show();
    // A short frame after a tall one brings the window back down.
    screenfit::refit(*this);
}

// The price and its unit are the ones the price reader kept, not read again.
void Detail::affiche(const itemrecord::Record& record) {
    montrecadre(record.kind);
    const itemrecord::Kind& kind = itemrecord::kind(record.kind);
    const std::vector<QWidget*>& boxes = boxes_[record.kind];
    for (int line = 1; line <= kind.lineCount(); ++line) {
        const QString text = line == kind.priceLine()  ? shared::prixunite
                             : line == kind.unitLine() ? shared::unitemonnaie
                                                       : record.line(line);
        setLineText(boxes[static_cast<std::size_t>(line - 1)], text);
    }
    repaint();
}

QString Detail::texte(int kind, int line) const {
    return lineText(boxes_.at(kind).at(static_cast<std::size_t>(line - 1)));
}

void lisprix(const itemrecord::Record& record) {
    shared::poidsunite = record.weight();
    shared::prixunite = record.price();
    shared::unitemonnaie = record.unit();
    transaction().valeur_unite->setText(shared::prixunite + u' ' + shared::unitemonnaie);
}
