#pragma once
// A kind's frame as the item editor and the shop's detail window both draw it: a row of labels
// over a row of boxes, two rows for the tall kinds, each box showing one line of the item file.
#include "common/itemrecord.h"

#include <QGroupBox>
#include <functional>
#include <vector>

// Makes the box of one line of a kind's frame, in that frame.
using BoxMaker =
    std::function<QWidget*(const itemrecord::Kind&, const itemrecord::Field&, QWidget* frame)>;

// Builds the frame of `kind`, hidden, named and captioned as the kind's frame; `makeBox` makes
// the box of each line. `lines` receives the boxes in the item file's line order.
QGroupBox* buildItemFrame(const itemrecord::Kind& kind, QWidget* parent, const BoxMaker& makeBox,
                          std::vector<QWidget*>& lines);

// A box of an item file's line: its text, whatever kind of box it is.
QString lineText(const QWidget* box);
void setLineText(QWidget* box, const QString& text);
