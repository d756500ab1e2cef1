#include "common/form.h"

#include "common/screenfit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace {

constexpr int twipsPerPixel = 15;

std::map<std::type_index, Form*>& registry() {
    static std::map<std::type_index, Form*> forms;
    return forms;
}

bool onSomeScreen(const QRect& frame) {
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](QScreen* screen) {
        return screen->availableGeometry().intersects(frame);
    });
}

// The windows in the order the user last worked in them, the latest first.
std::vector<QPointer<Form>>& activationOrder() {
    static std::vector<QPointer<Form>> order;
    return order;
}

void noteActive(Form* form) {
    auto& order = activationOrder();
    std::erase_if(order, [form](const QPointer<Form>& f) { return !f || f == form; });
    order.insert(order.begin(), form);
}

// The top-left corner the sheets share: where the last sheet stood.
std::optional<QPoint>& sheetCorner() {
    static std::optional<QPoint> corner;
    return corner;
}

Form* visibleSheet(const Form* except) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form*>(widget);
        if (form && form != except && form->placement() == Form::Placement::Sheet &&
            form->isVisible())
            return form;
    }
    return nullptr;
}

QPoint centredOn(const QRect& on, QSize frame) {
    return on.center() - QPoint(frame.width() / 2, frame.height() / 2) + QPoint(1, 1);
}

// The nearest corner that puts the whole frame on the area, or its top-left when the frame is
// bigger than the area.
QPoint keptOn(const QRect& area, QPoint at, QSize frame) {
    const int lastX = std::max(area.left(), area.left() + area.width() - frame.width());
    const int lastY = std::max(area.top(), area.top() + area.height() - frame.height());
    return {std::clamp(at.x(), area.left(), lastX), std::clamp(at.y(), area.top(), lastY)};
}

} // namespace

Form::Form(const QString& name, const QString& caption) {
    setObjectName(name);
    setWindowTitle(caption);
}

void Form::setVisible(bool visible) {
    const bool showing = visible && !isVisible();
    if (visible && staysAboveOpener_) {
        // Owned by the window that opens it, before it shows: the window manager then keeps it
        // above its owner from the start.
        const Form* from = forms::opener(this);
        winId();
        windowHandle()->setTransientParent(from ? from->windowHandle() : nullptr);
    }
    if (showing) arrangeForShowing();
    if (!visible && isVisible() && placement_ == Placement::Sheet) sheetCorner() = pos();
    QMainWindow::setVisible(visible);
    if (visible) {
        screenfit::keepWhole(*this);
        // Each showing starts where Enter does what the dialog is for, wherever the user left
        // the focus the time before.
        if (showing && dialogKeys_)
            if (QWidget* first = firstFocus()) first->setFocus(Qt::ActiveWindowFocusReason);
        noteActive(this);
        raise();
        activateWindow();
    }
}

void Form::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) noteActive(this);
    QMainWindow::changeEvent(event);
}

void Form::arrangeForShowing() {
    if (placement_ == Placement::Tool && placed_) {
        screenfit::fitOrScroll(*this, screen()->availableGeometry().size());
        return;
    }
    Form* from = forms::opener(this);
    std::optional<QPoint> corner;
    if (placement_ == Placement::Sheet) {
        const Form* replaced = visibleSheet(this);
        corner = replaced ? std::optional(replaced->pos()) : sheetCorner();
    }
    QScreen* on = corner ? QGuiApplication::screenAt(*corner) : from ? from->screen() : screen();
    if (!on) on = QGuiApplication::primaryScreen();
    const QRect area = on->availableGeometry();
    const QMargins frame = screenfit::frameAllowance(*this);
    const QRect room = area.marginsRemoved(frame);

    // A sheet grows down from the corner it takes; only when it cannot fit below it does it
    // move up.
    QRect below = room;
    if (corner)
        below.setTopLeft(QPoint(std::max(room.left(), corner->x() + frame.left()),
                                std::max(room.top(), corner->y() + frame.top())));
    if (!corner || !screenfit::fit(*this, below.size())) screenfit::fitOrScroll(*this, room.size());

    const QSize outer = size().grownBy(frame);
    QPoint at;
    if (corner)
        at = *corner;
    else if (placement_ == Placement::Sheet || placement_ == Placement::Screen || !from)
        at = centredOn(area, outer);
    else
        at = centredOn(from->frameGeometry(), outer);
    at = keptOn(area, at, outer);
    move(at);
    // A window hidden after being shown forgets its frame; its frame, not its inside, goes
    // where it is asked.
    if (QWindow* handle = windowHandle()) handle->setFramePosition(at);
    placed_ = true;
    if (placement_ == Placement::Sheet) sheetCorner() = at;
}

void Form::setStaysAboveOpener() {
    // Window managers keep only a dialog above the window it belongs to.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    staysAboveOpener_ = true;
}

void Form::setDialogKeys(QAbstractButton* confirm, QAbstractButton* escape) {
    dialogKeys_ = true;
    confirm_ = confirm;
    escape_ = escape;
}

// Where the user answers the dialog while Enter stays the dialog's: a box to type in (not a
// read-only one, nor a multi-line box, which keeps Enter) or a slider; else the confirming
// button; else the first push button, the answer left when the confirming one is hidden; else
// the first control, as for any window.
QWidget* Form::firstFocus() const {
    QWidget *first = nullptr, *button = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(this) || !w->isEnabled())
            continue;
        auto* box = qobject_cast<QLineEdit*>(w);
        if ((box && !box->isReadOnly()) || qobject_cast<QSlider*>(w)) return w;
        if (!first) first = w;
        if (!button && qobject_cast<QPushButton*>(w)) button = w;
    }
    if (confirm_ && confirm_->isVisibleTo(this) && confirm_->isEnabled()) return confirm_;
    return button ? button : first;
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (!dialogKeys_ || (event->modifiers() & ~Qt::KeypadModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        if (escape_)
            escape_->click();
        else
            close();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Only what no control took reaches the window: a text box or a push button leaves
        // Enter to it, a list has already opened its entry with it. A check box or an option
        // button is no answer to the dialog: Enter confirms there.
        QWidget* focus = focusWidget();
        if (qobject_cast<QAbstractItemView*>(focus)) break;
        QAbstractButton* pressed = qobject_cast<QPushButton*>(focus);
        if (!pressed) pressed = confirm_;
        if (pressed && pressed->isVisible() && pressed->isEnabled()) pressed->click();
        break;
    }
    default:
        QMainWindow::keyPressEvent(event);
    }
}

int Form::leftTwips() const {
    return x() * twipsPerPixel;
}
int Form::topTwips() const {
    return y() * twipsPerPixel;
}

void Form::moveTwips(int left, int top) {
    // Twips between two pixels fall on the pixel before, on either side of 0.
    const auto pixels = [](int twips) {
        return static_cast<int>(std::floor(static_cast<double>(twips) / twipsPerPixel));
    };
    QPoint at(pixels(left), pixels(top));
    const QSize frame = frameGeometry().size();
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary && !onSomeScreen(QRect(at, frame)))
        at = keptOn(primary->availableGeometry(), at, frame);
    move(at);
    // A kept position is the tool window's own: showing it does not move it.
    placement_ = Placement::Tool;
    placed_ = true;
}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    // A window already discarded has been unloaded once; closing it again unloads nothing.
    if (discarded_) return;
    runEvent([this] { Form_Unload(); });
    forms::discard(this);
}

namespace forms {

Form* find(std::type_index type) {
    auto it = registry().find(type);
    return it == registry().end() ? nullptr : it->second;
}

void put(std::type_index type, Form* form) {
    registry()[type] = form;
}

void discard(Form* form) {
    if (form->discarded_) return;
    form->discarded_ = true;
    for (auto it = registry().begin(); it != registry().end(); ++it) {
        if (it->second == form) {
            registry().erase(it);
            break;
        }
    }
    form->hide();
    afterHandlers([window = QPointer<Form>(form)] {
        if (window) window->deleteLater();
    });
}

void unloadAll() {
    // With every window gone, no sheet has a corner left to hand on.
    sheetCorner().reset();
    auto forms = std::move(registry());
    registry().clear();
    for (auto& [type, form] : forms)
        delete form;
}

Form* opener(const QWidget* except) {
    for (const QPointer<Form>& form : activationOrder())
        if (form && form != except && form->isVisible()) return form;
    return nullptr;
}

} // namespace forms
