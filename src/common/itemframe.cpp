#include "common/itemframe.h"

#include "common/controls.h"

#include <QGridLayout>
#include <QLabel>

QGroupBox* buildItemFrame(const itemrecord::Kind& kind, QWidget* parent, const BoxMaker& makeBox,
                          std::vector<QWidget*>& lines) {
    auto* frame = new QGroupBox(QString::fromUtf8(kind.frameCaption), parent);
    frame->setObjectName(kind.frame());
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(4);
    int column[2] = {0, 0};
    for (const itemrecord::Field& field : kind.lines) {
        // Each row of the frame is a row of labels over a row of boxes.
        const int row = field.row * 2;
        QWidget* box = makeBox(kind, field, frame);
        auto* label = new QLabel(QString::fromUtf8(field.label), frame);
        if (field.tooltip) {
            box->setToolTip(QString::fromUtf8(field.tooltip));
            label->setToolTip(QString::fromUtf8(field.tooltip));
        }
        const Qt::Alignment align = field.centred ? Qt::AlignHCenter : Qt::AlignLeft;
        grid->addWidget(label, row, column[field.row], align | Qt::AlignBottom);
        grid->addWidget(box, row + 1, column[field.row],
                        field.centred ? Qt::AlignHCenter : Qt::Alignment());
        ++column[field.row];
        if (field.after)
            grid->addWidget(new QLabel(QString::fromUtf8(field.after), frame), row + 1,
                            column[field.row]++);
        lines.push_back(box);
    }
    frame->hide();
    return frame;
}

QString lineText(const QWidget* box) {
    if (auto* combo = qobject_cast<const ComboBox*>(box)) return combo->text();
    if (auto* memo = qobject_cast<const MemoBox*>(box)) return memo->text();
    return static_cast<const TextBox*>(box)->text();
}

void setLineText(QWidget* box, const QString& text) {
    if (auto* combo = qobject_cast<ComboBox*>(box))
        combo->setText(text);
    else if (auto* memo = qobject_cast<MemoBox*>(box))
        memo->setText(text);
    else
        static_cast<TextBox*>(box)->setText(text);
}
