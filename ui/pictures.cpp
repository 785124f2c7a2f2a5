#include "ui/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace fennick::ui {

QPixmap TrainPicture(QSize size) {
  QPixmap pixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = size.width(), h = size.height();
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor(120, 170, 220));
  sky.setColorAt(1, QColor(225, 235, 245));
  p.fillRect(pixmap.rect(), sky);
  p.fillRect(QRectF(0, h * 0.78, w, h * 0.22), QColor(110, 140, 90));
  // Rails and sleepers.
  p.setPen(QPen(QColor(70, 60, 50), 3));
  p.drawLine(QPointF(0, h * 0.82), QPointF(w, h * 0.82));
  for (qreal x = 4; x < w; x += 14) p.fillRect(QRectF(x, h * 0.82, 8, 4), QColor(90, 70, 50));
  // Locomotive and two wagons.
  auto body = [&](qreal x, qreal width, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(x, h * 0.45, width, h * 0.32), 4, 4);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(x + width * 0.2, h * 0.79), h * 0.05, h * 0.05);
    p.drawEllipse(QPointF(x + width * 0.8, h * 0.79), h * 0.05, h * 0.05);
  };
  body(w * 0.08, w * 0.30, QColor(180, 40, 30));
  p.setBrush(QColor(200, 220, 240));
  p.drawRect(QRectF(w * 0.12, h * 0.50, w * 0.06, h * 0.10));
  body(w * 0.40, w * 0.24, QColor(60, 90, 140));
  body(w * 0.66, w * 0.24, QColor(60, 90, 140));
  return pixmap;
}

QPixmap DonationPicture(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = size.width(), h = size.height();
  // A glass of beer.
  QRectF glass(w * 0.3, h * 0.2, w * 0.3, h * 0.7);
  p.setPen(QPen(QColor(120, 90, 20), 2));
  p.setBrush(QColor(235, 170, 40));
  p.drawRect(glass);
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(glass.left() - 2, h * 0.08, glass.width() + 4, h * 0.22));
  p.setPen(QPen(QColor(120, 90, 20), 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(glass.right() - 4, h * 0.35, w * 0.16, h * 0.35), -90 * 16, 180 * 16);
  return pixmap;
}

}  // namespace fennick::ui
