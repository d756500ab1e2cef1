#include "hero/printing.h"

#include "common/screenfit.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "skills/attrib.h"

#include <QLayout>
#include <QPainter>
#include <QPrinter>

namespace {

// The sheet as the player sees it, without the window's frame and menu bar. A sheet that has
// never been shown is first laid out at its natural size.
void printSheet(Form& sheet, QPainter& painter, const QRectF& page) {
    QWidget* contents = screenfit::contents(sheet);
    if (!sheet.isVisible()) {
        sheet.ensurePolished();
        if (!sheet.testAttribute(Qt::WA_Resized)) sheet.adjustSize();
        if (QLayout* layout = sheet.layout()) layout->activate();
    }
    // Drawn at three times the screen's detail, sharp on paper and light in the print job.
    constexpr int detail = 3;
    QImage picture(contents->size() * detail, QImage::Format_RGB32);
    picture.setDevicePixelRatio(detail);
    picture.fill(Qt::white);
    contents->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    const QSizeF fitted = QSizeF(contents->size()).scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(page.topLeft(), fitted), picture);
}

} // namespace

void imprimeFiches(QPrinter& printer) {
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(QPointF(0, 0), page.size());
    bool first = true;
    for (Form* sheet : {static_cast<Form*>(&perso()), static_cast<Form*>(&attrib()),
                        static_cast<Form*>(&equip())}) {
        if (!first) printer.newPage();
        first = false;
        printSheet(*sheet, painter, area);
    }
}
