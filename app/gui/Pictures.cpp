#include "app/gui/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {

constexpr int kIconSize = 16;
constexpr qreal kIconScale = 2;  // drawn at twice the size, so the icons stay sharp on dense screens

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);

QPixmap Draw(int size, qreal scale, const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(static_cast<int>(size * scale), static_cast<int>(size * scale));
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return pixmap;
}

void Page(QPainter& p, QRectF r) {
    const qreal fold = 3.5;
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF{
        {r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}});
}

void Lines(QPainter& p, QRectF r, int count) {
    p.setPen(QPen(QColor(90, 110, 160), 1));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + 5 + 2.5 * i;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void NewIcon(QPainter& p) {
    Page(p, QRectF(3.5, 1.5, 9, 13));
}

void OpenIcon(QPainter& p) {
    p.setPen(QPen(QColor(130, 95, 10), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 4.5, 11, 9));
    p.drawRect(QRectF(1.5, 3, 5, 1.5));
    QPainterPath flap;
    flap.moveTo(3.5, 7.5);
    flap.lineTo(15, 7.5);
    flap.lineTo(12.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    p.setBrush(QColor(250, 225, 130));
    p.drawPath(flap);
}

void SaveIcon(QPainter& p) {
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(60, 100, 180));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.setBrush(QColor(20, 40, 90));
    p.drawRect(QRectF(9.5, 2.5, 1.5, 3));
}

void CutIcon(QPainter& p) {
    p.setPen(QPen(QColor(120, 120, 130), 1.4));
    p.drawLine(QPointF(5, 1.5), QPointF(10.5, 10));
    p.drawLine(QPointF(11, 1.5), QPointF(5.5, 10));
    p.setPen(QPen(QColor(30, 30, 120), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12), 2.3, 2.3);
    p.drawEllipse(QPointF(11.5, 12), 2.3, 2.3);
}

void CopyIcon(QPainter& p) {
    const QRectF back(1.5, 1.5, 8, 10), front(6.5, 4.5, 8, 10);
    Page(p, back);
    Lines(p, back, 2);
    Page(p, front);
    Lines(p, front, 3);
}

void PasteIcon(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(180, 130, 60));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(4, 1.5, 5, 2.5));
    const QRectF sheet(6.5, 5.5, 8, 9);
    Page(p, sheet);
    Lines(p, sheet, 2);
}

void PrintIcon(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 175));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 170, 60));
    p.drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
}

void AboutIcon(QPainter& p) {
    p.setPen(QPen(QColor(20, 50, 120), 1));
    p.setBrush(QColor(60, 110, 200));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QPixmap PipePicture(int size) {
    return Draw(size, 1, [size](QPainter& p) {
        p.scale(size / 56.0, size / 56.0);
        const QPointF centre(28, 28);
        const qreal outer = 26, lining = 22, bore = 18.5;
        // Cast-iron wall, lit from the upper left.
        QRadialGradient iron(QPointF(20, 18), 40);
        iron.setColorAt(0, QColor(150, 152, 160));
        iron.setColorAt(1, QColor(60, 62, 70));
        p.setPen(QPen(QColor(35, 35, 40), 1));
        p.setBrush(iron);
        p.drawEllipse(centre, outer, outer);
        // Cement-mortar lining.
        p.setBrush(QColor(205, 203, 195));
        p.drawEllipse(centre, lining, lining);
        // The empty part of the bore, then the water up to sixty per cent of its height.
        p.setBrush(QColor(245, 247, 250));
        p.drawEllipse(centre, bore, bore);
        QPainterPath circle;
        circle.addEllipse(centre, bore, bore);
        const qreal surface = centre.y() + bore - 1.2 * bore;
        QPainterPath below;
        below.addRect(QRectF(0, surface, 56, 56));
        QLinearGradient water(0, surface, 0, centre.y() + bore);
        water.setColorAt(0, QColor(70, 150, 235));
        water.setColorAt(1, QColor(25, 90, 190));
        p.setPen(Qt::NoPen);
        p.setBrush(water);
        p.drawPath(circle.intersected(below));
        const qreal half = std::sqrt(bore * bore - (surface - centre.y()) * (surface - centre.y()));
        p.setPen(QPen(QColor(20, 70, 160), 1.2));
        p.drawLine(QPointF(centre.x() - half, surface), QPointF(centre.x() + half, surface));
    });
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(PipePicture(size));
    return icon;
}

QIcon ToolbarIcon(Command command) {
    void (*paint)(QPainter&) = nullptr;
    switch (command) {
        case Command::New:
            paint = NewIcon;
            break;
        case Command::Open:
            paint = OpenIcon;
            break;
        case Command::Save:
            paint = SaveIcon;
            break;
        case Command::Cut:
            paint = CutIcon;
            break;
        case Command::Copy:
            paint = CopyIcon;
            break;
        case Command::Paste:
            paint = PasteIcon;
            break;
        case Command::Print:
            paint = PrintIcon;
            break;
        case Command::About:
            paint = AboutIcon;
            break;
        default:
            return {};
    }
    return QIcon(Draw(kIconSize, kIconScale, paint));
}
