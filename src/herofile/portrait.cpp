#include "herofile/portrait.h"

#include "common/drivepath.h"
#include "common/runtimeerror.h"
#include "hero/perso.h"

#include <QPixmap>
#include <QVariant>

namespace {

const char* const pathProperty = "cheminportrait";

QPixmap picture(const QString& drivePath) {
    if (drivePath.isEmpty()) return {};
    try {
        return QPixmap(drivepath::toLocal(drivePath));
    } catch (const RuntimeError&) {
        return {}; // a drive this machine does not have
    }
}

} // namespace

QString portraitPath() {
    return perso().portrait->property(pathProperty).toString();
}

void setPortraitPath(const QString& drivePath) {
    Label* portrait = perso().portrait;
    portrait->setProperty(pathProperty, drivePath);
    portrait->setPixmap(picture(drivePath));
}
