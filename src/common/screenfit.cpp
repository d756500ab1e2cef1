#include "common/screenfit.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int tightSpacing = 2;    // between rows
constexpr int tightGap = 4;        // between the controls of a row
constexpr int tightMargin = 3;     // inside a frame
constexpr int tightRowPadding = 4; // around a control's text

QMargins marginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// A layout's spacing may be left to the style (-1): it is then at least as wide as ours.
int atMost(int value, int most) {
    return value < 0 ? most : std::min(value, most);
}

// A hidden window's frames do not pass a changed layout up to the window by themselves.
void relayout(QMainWindow& window) {
    for (QWidget* widget : window.findChildren<QWidget*>())
        widget->updateGeometry();
    if (QLayout* layout = window.layout()) {
        layout->invalidate();
        layout->activate();
    }
}

// The size the window takes by itself, unless code or the user has sized it.
void naturalSize(QMainWindow& window) {
    window.ensurePolished();
    relayout(window);
    if (window.testAttribute(Qt::WA_Resized)) return;
    window.adjustSize();
    window.setAttribute(Qt::WA_Resized, false);
}

bool within(const QMainWindow& window, QSize room) {
    const QSize need = window.minimumSizeHint().expandedTo(window.minimumSize());
    return need.width() <= room.width() && need.height() <= room.height();
}

void tightenSpacing(QMainWindow& window) {
    for (QLayout* layout : window.findChildren<QLayout*>()) {
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            grid->setHorizontalSpacing(atMost(grid->horizontalSpacing(), tightGap));
            grid->setVerticalSpacing(atMost(grid->verticalSpacing(), tightSpacing));
        } else if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
            const bool across = box->direction() == QBoxLayout::LeftToRight ||
                                box->direction() == QBoxLayout::RightToLeft;
            box->setSpacing(atMost(box->spacing(), across ? tightGap : tightSpacing));
        }
        const QMargins m = layout->contentsMargins();
        layout->setContentsMargins(std::min(m.left(), tightMargin), std::min(m.top(), tightMargin),
                                   std::min(m.right(), tightMargin),
                                   std::min(m.bottom(), tightMargin));
    }
}

// Boxes, lists and buttons no taller than their text needs.
void tightenRows(QMainWindow& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QComboBox*>(control) &&
            !qobject_cast<QPushButton*>(control) && !qobject_cast<QAbstractSpinBox*>(control))
            continue;
        const int row = control->fontMetrics().height() + tightRowPadding;
        if (control->sizeHint().height() > row)
            control->setMaximumHeight(std::max(row, control->minimumHeight()));
    }
}

using Tightening = void (*)(QMainWindow&);
constexpr Tightening tightenings[] = {tightenSpacing, tightenRows};

bool scrolls(const QMainWindow& window) {
    return qobject_cast<QScrollArea*>(window.centralWidget()) != nullptr;
}

// What a window whose contents scroll asks for: their size, with room for the scroll bars and
// the menu bar.
QSize scrollingSize(const QMainWindow& window, QSize room) {
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int menu = window.menuWidget() ? window.menuWidget()->sizeHint().height() : 0;
    const QSize wanted = screenfit::contents(window)->sizeHint() + QSize(bar, bar + menu);
    return wanted.boundedTo(room).expandedTo(window.minimumSizeHint());
}

// The screen a shown window stands on, and the room it has there inside its frame.
struct Room {
    QRect area;
    QMargins frame;
    QSize inside;
};
Room roomOf(const QMainWindow& window) {
    const QRect area = window.screen()->availableGeometry();
    const QMargins frame = screenfit::frameAllowance(window);
    return {area, frame, area.marginsRemoved(frame).size()};
}

// A window's position is its frame's.
QRect outerRect(const QMainWindow& window, const Room& room) {
    return {window.pos(), window.size().grownBy(room.frame)};
}

void moveWhole(QMainWindow& window, const Room& room) {
    const QSize outer = outerRect(window, room).size();
    const QRect& area = room.area;
    const QPoint at(std::clamp(window.x(), area.left(),
                               std::max(area.left(), area.right() + 1 - outer.width())),
                    std::clamp(window.y(), area.top(),
                               std::max(area.top(), area.bottom() + 1 - outer.height())));
    if (at != window.pos()) window.move(at);
}

} // namespace

namespace screenfit {

QMargins frameAllowance(const QWidget& window) {
    // The largest frame of the windows on screen stands for a window not yet framed.
    QMargins frame = marginsOf(window);
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (!other->isVisible()) continue;
        const QMargins m = marginsOf(*other);
        frame = QMargins(std::max(frame.left(), m.left()), std::max(frame.top(), m.top()),
                         std::max(frame.right(), m.right()), std::max(frame.bottom(), m.bottom()));
    }
    const int titleBar = QFontMetrics(QApplication::font()).height() + 2 * tightRowPadding;
    frame.setTop(std::max(frame.top(), titleBar));
    return frame;
}

int captionWidth(const QString& caption) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The bar's icon and its three buttons, about square, with room around them.
    const int button = metrics.height() + 2 * tightRowPadding;
    return metrics.horizontalAdvance(caption) + 6 * button;
}

bool fit(QMainWindow& window, QSize room) {
    naturalSize(window);
    for (Tightening tighten : tightenings) {
        if (within(window, room)) break;
        tighten(window);
        naturalSize(window);
    }
    if (!within(window, room)) return false;
    QSize target = window.size();
    target.setWidth(std::max(target.width(), captionWidth(window.windowTitle())));
    target = target.boundedTo(room).expandedTo(window.minimumSizeHint());
    if (target != window.size()) window.resize(target);
    return true;
}

void fitOrScroll(QMainWindow& window, QSize room) {
    if (fit(window, room) || !window.centralWidget() || scrolls(window)) return;
    QWidget* content = window.takeCentralWidget();
    auto* scroll = new QScrollArea(&window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    window.setCentralWidget(scroll);
    relayout(window);
    window.resize(scrollingSize(window, room));
}

QWidget* contents(const QMainWindow& window) {
    QWidget* central = window.centralWidget();
    if (auto* scroll = qobject_cast<QScrollArea*>(central)) return scroll->widget();
    return central;
}

void refit(QMainWindow& window) {
    if (QLayout* layout = contents(window)->layout()) layout->activate();
    relayout(window);
    const Room room = roomOf(window);
    // A window the user left partly off its screen stays where it is.
    const bool whole = room.area.contains(outerRect(window, room));
    if (scrolls(window))
        window.resize(window.width(), scrollingSize(window, room.inside).height());
    else if (within(window, room.inside))
        window.resize(window.width(), window.minimumSizeHint().height());
    else
        fitOrScroll(window, room.inside);
    if (window.isVisible() && whole) moveWhole(window, room);
}

void keepWhole(QMainWindow& window) {
    const Room room = roomOf(window);
    const QSize outer = window.frameGeometry().size();
    if (outer.width() <= room.area.width() && outer.height() <= room.area.height()) return;
    fitOrScroll(window, room.inside);
    moveWhole(window, room);
}

} // namespace screenfit
