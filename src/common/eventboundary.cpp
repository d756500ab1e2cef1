#include "common/eventboundary.h"

#include "common/messagebox.h"
#include "common/runtimeerror.h"

void runEvent(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        msgBox(error.description(), MsgIcon::Critical, QStringLiteral("Erreur !"));
    } catch (const std::exception& error) {
        msgBox(QStringLiteral("Erreur d'exécution : %1").arg(QString::fromLocal8Bit(error.what())),
               MsgIcon::Critical, QStringLiteral("Erreur !"));
    }
}
