#include "app/artwork.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

QPixmap emblem(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // An amber shield with a sword across it.
    QPainterPath shield;
    const double s = size;
    shield.moveTo(s * 0.5, s * 0.05);
    shield.lineTo(s * 0.9, s * 0.18);
    shield.quadTo(s * 0.88, s * 0.72, s * 0.5, s * 0.95);
    shield.quadTo(s * 0.12, s * 0.72, s * 0.1, s * 0.18);
    shield.closeSubpath();
    QLinearGradient amber(0, 0, 0, s);
    amber.setColorAt(0, QColor(0xf6, 0xc3, 0x4a));
    amber.setColorAt(1, QColor(0xb0, 0x62, 0x10));
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x08), s * 0.03));
    p.setBrush(amber);
    p.drawPath(shield);
    p.setPen(QPen(QColor(0xee, 0xee, 0xf0), s * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.5, s * 0.2), QPointF(s * 0.5, s * 0.8));
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x08), s * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.35, s * 0.36), QPointF(s * 0.65, s * 0.36));
    return pixmap;
}

QIcon icon() {
    QIcon drawn;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        drawn.addPixmap(emblem(size));
    return drawn;
}

QPixmap splash() {
    QPixmap pixmap(480, 300);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, 300);
    night.setColorAt(0, QColor(0x1b, 0x1f, 0x3a));
    night.setColorAt(1, QColor(0x3a, 0x1c, 0x10));
    p.fillRect(pixmap.rect(), night);
    p.drawPixmap(30, 60, emblem(180));

    // The name takes the largest size that fits its place, whatever fonts the machine has.
    const QRect titleArea(220, 80, 250, 70);
    QFont title(QStringLiteral("DejaVu Serif"), 40, QFont::Bold);
    while (title.pointSize() > 12 &&
           QFontMetrics(title).horizontalAdvance(QStringLiteral("Ambrefer")) > titleArea.width())
        title.setPointSize(title.pointSize() - 1);
    p.setFont(title);
    p.setPen(QColor(0xf6, 0xc3, 0x4a));
    p.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Ambrefer"));
    QFont subtitle(QStringLiteral("DejaVu Sans"), 11);
    p.setFont(subtitle);
    p.setPen(QColor(0xe8, 0xe0, 0xd0));
    p.drawText(QRect(220, 150, 250, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("La feuille de personnage\net les outils du maître de jeu"));
    p.setPen(QColor(0xa0, 0x98, 0x90));
    p.drawText(QRect(0, 265, 480, 25), Qt::AlignCenter,
               QStringLiteral("Cliquez sur l'image pour commencer"));
    return pixmap;
}

} // namespace artwork
