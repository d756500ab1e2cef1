#include "shop/detail.h"

#include "common/shared.h"
#include "shop/transaction.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Boxes of one row of a frame: labels over boxes, left to right.
void placeRow(QGridLayout* grid, int row, QWidget* label, QWidget* box, int column) {
    grid->addWidget(label, 2 * row, column, Qt::AlignBottom | Qt::AlignLeft);
    if (box) grid->addWidget(box, 2 * row + 1, column, Qt::AlignTop);
}

} // namespace

Detail::Detail() : Form(QStringLiteral("detail"), QStringLiteral("Détail")) {
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(6, 6, 6, 6);
    auto* stack = new QVBoxLayout;
    for (int kind = 1; kind <= itemkinds::count; ++kind) {
        const itemkinds::DetailFrame& table = itemkinds::detailFrame(kind);
        auto* frame = new QGroupBox(table.caption, central);
        frame->setObjectName(table.name);
        auto* grid = new QGridLayout(frame);
        grid->setVerticalSpacing(2);
        std::array<int, 2> columns{};
        for (const itemkinds::DetailField& field : table.fields) {
            auto* label = new Label(QString(), field.label, frame);
            label->setToolTip(field.tooltip);
            QWidget* box = nullptr;
            if (field.line == 0) {
                // A lone label stands level with the boxes.
                grid->addWidget(label, 2 * field.row + 1, columns[field.row]++, Qt::AlignCenter);
                continue;
            }
            if (field.look == itemkinds::DetailField::Look::Long) {
                auto* memo = new MemoBox(field.name, frame);
                memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 3 + 8);
                box = memo;
            } else {
                auto* text = new TextBox(field.name, frame);
                if (field.look == itemkinds::DetailField::Look::Figure) {
                    text->setAlignment(Qt::AlignCenter);
                    text->setMaximumWidth(
                        text->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
                }
                box = text;
            }
            placeRow(grid, field.row, label, box, columns[field.row]++);
            boxes_[kind].push_back({field.line, box});
        }
        frame->hide();
        cadres[kind] = frame;
        stack->addWidget(frame);
    }
    // Every frame of one row stands as high as the others, and so does every frame of two.
    std::array<int, 2> tallest{};
    for (int kind = 1; kind <= itemkinds::count; ++kind) {
        int& height = tallest[itemkinds::detailFrame(kind).twoRows];
        height = std::max(height, cadres[kind]->sizeHint().height());
    }
    for (int kind = 1; kind <= itemkinds::count; ++kind)
        cadres[kind]->setMinimumHeight(tallest[itemkinds::detailFrame(kind).twoRows]);
    row->addLayout(stack, 1);
    ok = new CommandButton(QStringLiteral("ok"), QStringLiteral("Ok"), central);
    ok->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    ok->setFixedWidth(ok->fontMetrics().horizontalAdvance(QStringLiteral("Ok")) * 3);
    row->addWidget(ok);
    setCentralWidget(central);
    ok->onClick([this] { ok_Click(); });
}

void Detail::ok_Click() { hide(); }

void Detail::closeEvent(QCloseEvent* event) {
    event->ignore();
    runEvent([this] { ok_Click(); });
}

void Detail::cachedetail() {
    for (int kind = 1; kind <= itemkinds::count; ++kind) cadres[kind]->hide();
}

void Detail::montrecadre(int kind) {
    cachedetail();
    cadres[kind]->show();
    // A short frame after a tall one brings the window back down.
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(width(), minimumSizeHint().height());
}

void Detail::affiche(const itemrecord::Record& record) {
    montrecadre(record.kind);
    for (const Box& box : boxes_[record.kind]) {
        if (box.line == itemkinds::priceLine(record.kind))
            write(box.widget, shared::prixunite);
        else if (box.line == itemkinds::unitLine(record.kind))
            write(box.widget, shared::unitemonnaie);
        else
            write(box.widget, record.line(box.line));
    }
    repaint();
}

QString Detail::texte(int kind, int line) const {
    for (const Box& box : boxes_.at(kind)) {
        if (box.line != line) continue;
        if (auto* memo = qobject_cast<MemoBox*>(box.widget)) return memo->text();
        return static_cast<TextBox*>(box.widget)->text();
    }
    return QString();
}

void Detail::write(QWidget* box, const QString& text) {
    if (auto* memo = qobject_cast<MemoBox*>(box))
        memo->setText(text);
    else
        static_cast<TextBox*>(box)->setText(text);
}

void lisprix(const itemrecord::Record& record) {
    shared::poidsunite = record.weight();
    shared::prixunite = record.price();
    shared::unitemonnaie = record.unit();
    transaction().valeur_unite->setText(shared::prixunite + u' ' + shared::unitemonnaie);
}
