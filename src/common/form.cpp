#include "common/form.h"

#include "common/eventboundary.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <map>

namespace {

constexpr int twipsPerPixel = 15;

std::map<std::type_index, Form*>& registry() {
    static std::map<std::type_index, Form*> forms;
    return forms;
}

std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
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

int Form::leftTwips() const { return x() * twipsPerPixel; }
int Form::topTwips() const { return y() * twipsPerPixel; }

void Form::moveTwips(int left, int top) {
    QPoint at(left / twipsPerPixel, top / twipsPerPixel);
    const QRect wanted(at, size());
    bool onScreen = false;
    for (QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(wanted);
    if (!onScreen) {
        if (QScreen* primary = QGuiApplication::primaryScreen()) {
            const QRect area = primary->availableGeometry();
            at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
            at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
        }
    }
    move(at);
}

void Form::closeEvent(QCloseEvent* event) {
    runEvent([this] { Form_Unload(); });
    event->accept();
    forms::discard(this);
}

namespace forms {

Form* find(std::type_index type) {
    auto it = registry().find(type);
    return it == registry().end() ? nullptr : it->second;
}

void put(std::type_index type, Form* form) { registry()[type] = form; }

void discard(Form* form) {
    for (auto it = registry().begin(); it != registry().end(); ++it) {
        if (it->second == form) {
            registry().erase(it);
            break;
        }
    }
    form->hide();
    form->deleteLater();
}

void unloadAll() {
    auto forms = std::move(registry());
    registry().clear();
    for (auto& [type, form] : forms) delete form;
}

} // namespace forms

void endProgram() {
    if (endHandler()) {
        endHandler()();
        return;
    }
    QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> handler) { endHandler() = std::move(handler); }
