#include "common/eventboundary.h"

#include "common/messagebox.h"
#include "common/runtimeerror.h"

#include <QCoreApplication>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

int handlersRunning = 0;
bool ending = false;

std::vector<std::function<void()>>& pendingTasks() {
    static std::vector<std::function<void()>> tasks;
    return tasks;
}

std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}

// The standard library's own failures, as the user would have read them.
QString describe(const std::exception& error) {
    if (dynamic_cast<const std::out_of_range*>(&error)) return RuntimeError::describe(9);
    if (dynamic_cast<const std::overflow_error*>(&error)) return RuntimeError::describe(6);
    if (dynamic_cast<const std::bad_alloc*>(&error)) return QStringLiteral("Mémoire insuffisante");
    return QStringLiteral("Erreur d'exécution : %1").arg(QString::fromUtf8(error.what()));
}

void runPendingTasks() {
    while (handlersRunning == 0 && !pendingTasks().empty()) {
        auto tasks = std::move(pendingTasks());
        pendingTasks().clear();
        for (auto& task : tasks)
            task();
    }
}

} // namespace

void runEvent(const std::function<void()>& handler) {
    struct Depth {
        Depth() { ++handlersRunning; }
        ~Depth() { --handlersRunning; }
    };
    {
        const Depth depth;
        std::optional<QString> error;
        try {
            handler();
        } catch (const ProgramEnd&) {
            // The program is ending: nothing more to show.
        } catch (const RuntimeError& failure) {
            error = failure.message();
        } catch (const std::exception& failure) {
            error = describe(failure);
        }
        try {
            if (error) msgBox(*error, MsgIcon::Critical, QStringLiteral("Erreur !"));
        } catch (const ProgramEnd&) {
            // Ended while the error was on screen.
        }
    }
    runPendingTasks();
}

void afterHandlers(std::function<void()> task) {
    pendingTasks().push_back(std::move(task));
    runPendingTasks();
}

void endProgram() {
    if (endHandler()) {
        endHandler()();
        return;
    }
    if (!ending) {
        // Once the main loop has returned, no handler of this run is left to unwind.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { ending = false; });
    }
    ending = true;
    QCoreApplication::exit(0);
    throw ProgramEnd{};
}

void setEndProgramHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
}

void leaveIfEnding() {
    if (ending) throw ProgramEnd{};
}
