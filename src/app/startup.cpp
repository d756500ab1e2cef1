#include "app/startup.h"

#include "app/splash.h"
#include "common/chance.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void startProgram() {
    // Windows are hidden and closed one by one; only the sheets decide when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("ambrefer"));

    // Qt's own texts (dialog buttons, context menus) in French whatever the system locale.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    chance::seedFromEntropy();
    start().show();
}
