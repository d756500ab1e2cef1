#include "app/startup.h"

#include "app/artwork.h"
#include "app/splash.h"
#include "common/chance.h"
#include "common/eventboundary.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void startProgram() {
    // Windows are hidden and closed one by one; only the sheets decide when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("ambrefer"));
    // Every window, message boxes and file dialogs included, shows the program's emblem.
    QApplication::setWindowIcon(artwork::icon());

    // Qt's own texts (dialog buttons, context menus) in French whatever the system locale.
    static QTranslator* translator = nullptr;
    if (!translator) {
        translator = new QTranslator(qApp);
        if (translator->load(QStringLiteral("qtbase_fr"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(translator);
    }

    chance::seedFromEntropy();
    // The loads read the settings and the catalogues: an error there is shown, and the
    // program still starts.
    runEvent([] { start().show(); });
}
