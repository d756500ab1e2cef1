#include "common/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <map>

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

} // namespace

Form::Form(const QString& name, const QString& caption) {
    setObjectName(name);
    setWindowTitle(caption);
}

void Form::setVisible(bool visible) {
    QMainWindow::setVisible(visible);
    if (visible) {
        raise();
        activateWindow();
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
    if (primary && !onSomeScreen(QRect(at, frame))) {
        const QRect area = primary->availableGeometry();
        const int lastX = std::max(area.left(), area.left() + area.width() - frame.width());
        const int lastY = std::max(area.top(), area.top() + area.height() - frame.height());
        at = QPoint(std::clamp(at.x(), area.left(), lastX), std::clamp(at.y(), area.top(), lastY));
    }
    move(at);
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
    auto forms = std::move(registry());
    registry().clear();
    for (auto& [type, form] : forms)
        delete form;
}

} // namespace forms
