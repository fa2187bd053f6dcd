#include "gui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ravnelok::gui {

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kSheet(220, 232, 250);
const QColor kTable(230, 245, 225);
const QColor kBars(70, 120, 200);
const QColor kRed(200, 40, 40);
const QColor kGreen(40, 140, 60);

// A small grid of `cols` x `rows` cells in `r`.
void Grid(QPainter& p, const QRectF& r, int cols, int rows, const QColor& fill) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(fill);
  p.drawRect(r);
  p.setBrush(Qt::NoBrush);
  for (int c = 1; c < cols; ++c) {
    const qreal x = r.left() + r.width() * c / cols;
    p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
  }
  for (int k = 1; k < rows; ++k) {
    const qreal y = r.top() + r.height() * k / rows;
    p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
  }
}

void Bars(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawRect(r);
  p.setPen(Qt::NoPen);
  p.setBrush(kBars);
  const qreal w = r.width() / 7;
  const qreal heights[] = {0.4, 0.75, 0.55};
  for (int i = 0; i < 3; ++i) {
    const qreal h = (r.height() - 3) * heights[i];
    p.drawRect(QRectF(r.left() + w * (1 + 2 * i), r.bottom() - h - 1, w, h));
  }
}

void Page(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawRect(r);
  for (qreal y = r.top() + 5; y < r.bottom() - 2; y += 4) {
    p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
  }
}

void Cross(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
}

void Arrow(QPainter& p, qreal x, qreal top, qreal bottom, bool up, const QColor& color) {
  p.setPen(QPen(color, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(x, top), QPointF(x, bottom));
  const qreal tip = up ? top : bottom;
  const qreal back = up ? tip + 5 : tip - 5;
  p.drawLine(QPointF(x, tip), QPointF(x - 4, back));
  p.drawLine(QPointF(x, tip), QPointF(x + 4, back));
}

void Decimals(QPainter& p, const char* text, bool up) {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(QRectF(0, 8, 24, 18), Qt::AlignCenter, QString::fromLatin1(text));
  Arrow(p, 27, 6, 26, up, up ? kGreen : kRed);
}

}  // namespace

void DrawCopyIcon(QPainter& p) {  // two pages
  Page(p, QRectF(3.5, 3.5, 16, 20));
  Page(p, QRectF(12.5, 9.5, 16, 20));
}

void DrawPasteIcon(QPainter& p) {  // a page on a clip board
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(190, 150, 100));
  p.drawRoundedRect(QRectF(4.5, 5.5, 20, 24), 2, 2);
  p.setBrush(QColor(160, 160, 160));
  p.drawRect(QRectF(10.5, 3.5, 8, 4));
  Page(p, QRectF(13.5, 12.5, 15, 17));
}

void DrawSheetIcon(QPainter& p) {  // the sheet alone
  Grid(p, QRectF(3.5, 5.5, 25, 21), 3, 5, kSheet);
}

void DrawSheetTableIcon(QPainter& p) {  // sheet and table
  Grid(p, QRectF(2.5, 5.5, 17, 21), 2, 5, kSheet);
  Grid(p, QRectF(21.5, 5.5, 8, 21), 1, 5, kTable);
}

void DrawSheetTableGraphIcon(QPainter& p) {  // sheet, table and graph
  Grid(p, QRectF(2.5, 3.5, 17, 10), 2, 3, kSheet);
  Bars(p, QRectF(2.5, 15.5, 17, 13));
  Grid(p, QRectF(21.5, 3.5, 8, 25), 1, 6, kTable);
}

void DrawRecalculateIcon(QPainter& p) {  // a turning arrow around "="
  p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(4, 4, 24, 24), 60 * 16, 280 * 16);
  p.setBrush(kGreen);
  p.setPen(Qt::NoPen);
  QPainterPath head;
  head.moveTo(19, 1);
  head.lineTo(26, 6);
  head.lineTo(18, 10);
  head.closeSubpath();
  p.drawPath(head);
  p.setPen(QPen(kInk, 2.5));
  p.drawLine(QPointF(11, 13.5), QPointF(21, 13.5));
  p.drawLine(QPointF(11, 18.5), QPointF(21, 18.5));
}

void DrawMoreDecimalsIcon(QPainter& p) {
  Decimals(p, ".00", true);
}

void DrawFewerDecimalsIcon(QPainter& p) {
  Decimals(p, ".0", false);
}

void DrawClearTableIcon(QPainter& p) {
  Grid(p, QRectF(6.5, 3.5, 19, 25), 2, 6, kTable);
  Cross(p, QRectF(8, 8, 16, 16));
}

void DrawClearGraphIcon(QPainter& p) {
  Bars(p, QRectF(3.5, 5.5, 25, 21));
  Cross(p, QRectF(8, 8, 16, 16));
}

QIcon ToolButtonIcon(void (*draw)(QPainter&)) {
  QPixmap pixmap(kToolIconSize, kToolIconSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return QIcon(pixmap);
}

QIcon ProgramIcon() {
  QPixmap pixmap(48, 48);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  Grid(p, QRectF(4.5, 20.5, 40, 24), 4, 4, kSheet);
  // The raven: a black head with a beak and an eye.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 30));
  p.drawEllipse(QRectF(8, 2, 22, 20));
  QPainterPath beak;
  beak.moveTo(28, 8);
  beak.lineTo(44, 13);
  beak.lineTo(27, 17);
  beak.closeSubpath();
  p.drawPath(beak);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(20, 7, 5, 5));
  p.end();
  return QIcon(pixmap);
}

}  // namespace ravnelok::gui
