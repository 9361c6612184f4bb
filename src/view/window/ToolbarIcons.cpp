#include "view/window/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

#include <functional>
#include <map>

namespace {

// Colours of the drawings.
const QColor Ink(40, 40, 48);
const QColor Paper(255, 255, 255);
const QColor Blue(40, 100, 200);
const QColor Red(210, 50, 40);
const QColor Green(40, 150, 70);
const QColor Orange(230, 140, 30);
const QColor Yellow(245, 205, 60);
const QColor Grey(150, 150, 160);

using Drawing = std::function<void(QPainter&)>;

QPen Pen(const QColor& c, double width = 2.0) {
  QPen p(c, width);
  p.setCapStyle(Qt::RoundCap);
  p.setJoinStyle(Qt::RoundJoin);
  return p;
}

// --- pieces ---------------------------------------------------------------------------------

void Page(QPainter& p) {
  QPainterPath path;
  path.moveTo(7, 3);
  path.lineTo(20, 3);
  path.lineTo(26, 9);
  path.lineTo(26, 29);
  path.lineTo(7, 29);
  path.closeSubpath();
  p.setPen(Pen(Ink, 1.5));
  p.setBrush(Paper);
  p.drawPath(path);
  p.drawLine(QPointF(20, 3), QPointF(20, 9));
  p.drawLine(QPointF(20, 9), QPointF(26, 9));
}

void Label(QPainter& p, const QString& text, const QRectF& box, const QColor& color, int px) {
  QFont f("DejaVu Sans");
  f.setPixelSize(px);
  f.setBold(true);
  p.setFont(f);
  p.setPen(color);
  p.drawText(box, Qt::AlignCenter, text);
}

void NewPage(QPainter& p, const QString& text) {
  Page(p);
  Label(p, text, QRectF(7, 11, 19, 16), Blue, text.size() > 2 ? 8 : 10);
}

void Axes(QPainter& p) {
  p.setPen(Pen(Grey, 1.5));
  p.drawLine(QPointF(4, 26), QPointF(29, 26));
  p.drawLine(QPointF(6, 28), QPointF(6, 3));
}

void Sine(QPainter& p, const QColor& c, double x0 = 6, double x1 = 29, double mid = 15,
          double amp = 8) {
  QPainterPath path;
  for (int i = 0; i <= 40; ++i) {
    const double t = i / 40.0;
    const QPointF pt(x0 + t * (x1 - x0), mid - amp * std::sin(t * 2 * M_PI));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  p.setPen(Pen(c, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void Rose(QPainter& p, const QColor& c, QPointF centre = {17, 15}, double r = 11) {
  QPainterPath path;
  for (int i = 0; i <= 120; ++i) {
    const double a = i * 2 * M_PI / 120;
    const double rr = r * std::cos(2 * a);
    const QPointF pt(centre.x() + rr * std::cos(a), centre.y() - rr * std::sin(a));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  p.setPen(Pen(c, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

// A ribbon: a band under a wave, seen at an angle.
void Ribbon(QPainter& p, const QColor& c, bool polar) {
  QPainterPath front, back;
  for (int i = 0; i <= 30; ++i) {
    const double t = i / 30.0;
    double x = 4 + t * 20, y = 20 - 7 * std::sin(t * 2 * M_PI);
    if (polar) {
      const double a = t * 1.5 * M_PI;
      x = 14 + 9 * std::cos(a);
      y = 18 - 9 * std::sin(a);
    }
    if (i == 0) {
      front.moveTo(x, y);
      back.moveTo(x + 6, y - 6);
    } else {
      front.lineTo(x, y);
      back.lineTo(x + 6, y - 6);
    }
  }
  QColor fill = c;
  fill.setAlpha(90);
  QPainterPath band = front;
  band.connectPath(back.toReversed());
  band.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(band);
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(c, 1.8));
  p.drawPath(front);
  p.drawPath(back);
}

// A surface mesh over a parallelogram.
void Mesh(QPainter& p, const QColor& c, bool filled) {
  auto at = [](double u, double v) {
    const double h = 5 * std::sin(u * M_PI) * std::sin(v * M_PI);
    return QPointF(4 + u * 18 + v * 8, 25 - v * 12 - h);
  };
  const int n = 4;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      QPolygonF quad;
      quad << at(double(i) / n, double(j) / n) << at(double(i + 1) / n, double(j) / n)
           << at(double(i + 1) / n, double(j + 1) / n) << at(double(i) / n, double(j + 1) / n);
      QColor f = c;
      f = f.lighter(100 + 12 * (i + j));
      p.setBrush(filled ? QBrush(f) : Qt::NoBrush);
      p.setPen(Pen(filled ? c.darker(130) : c, 1.0));
      p.drawPolygon(quad);
    }
}

void Cylinder(QPainter& p, const QColor& c) {
  QColor fill = c;
  fill.setAlpha(110);
  p.setPen(Pen(c, 1.6));
  p.setBrush(fill);
  p.drawRect(QRectF(8, 8, 16, 16));
  p.setBrush(c.lighter(150));
  p.drawEllipse(QRectF(8, 4, 16, 8));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(8, 20, 16, 8), 180 * 16, 180 * 16);
}

void Sphere(QPainter& p, const QColor& c, QRectF box = {6, 5, 20, 20}) {
  QRadialGradient g(box.center() - QPointF(box.width() / 5, box.height() / 5), box.width() / 1.6);
  g.setColorAt(0, c.lighter(180));
  g.setColorAt(1, c.darker(120));
  p.setPen(Pen(c.darker(140), 1.2));
  p.setBrush(g);
  p.drawEllipse(box);
}

// The mark of an animated add command: a small play triangle in the lower right corner.
void PlayMark(QPainter& p) {
  QPolygonF tri;
  tri << QPointF(21, 20) << QPointF(30, 25.5) << QPointF(21, 31);
  p.setPen(Pen(Green.darker(130), 1.0));
  p.setBrush(Green);
  p.drawPolygon(tri);
}

void Triangle(QPainter& p, double x, bool right, const QColor& c) {
  QPolygonF tri;
  if (right)
    tri << QPointF(x, 8) << QPointF(x + 12, 16) << QPointF(x, 24);
  else
    tri << QPointF(x + 12, 8) << QPointF(x, 16) << QPointF(x + 12, 24);
  p.setPen(Pen(c.darker(130), 1.0));
  p.setBrush(c);
  p.drawPolygon(tri);
}

void Bar(QPainter& p, double x, const QColor& c) {
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawRect(QRectF(x, 8, 3.5, 16));
}

void CircleArrow(QPainter& p, const QColor& c, bool clockwise, QRectF box = {6, 6, 20, 20}) {
  p.setPen(Pen(c, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(box, 30 * 16, 280 * 16);
  // Arrow head at one end of the arc.
  const double a = qDegreesToRadians(clockwise ? 30.0 : 310.0);
  const QPointF tip(box.center().x() + box.width() / 2 * std::cos(a),
                    box.center().y() - box.height() / 2 * std::sin(a));
  QPolygonF head;
  if (clockwise)
    head << tip + QPointF(-5, -2) << tip + QPointF(3, -3) << tip + QPointF(0, 5);
  else
    head << tip + QPointF(-5, 2) << tip + QPointF(3, 3) << tip + QPointF(0, -5);
  p.setBrush(c);
  p.setPen(Pen(c, 1.0));
  p.drawPolygon(head);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width = 2.0) {
  p.setPen(Pen(c, width));
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  if (len == 0) return;
  const QPointF u = d / len, n(-u.y(), u.x());
  QPolygonF head;
  head << to << to - u * 5 + n * 3 << to - u * 5 - n * 3;
  p.setBrush(c);
  p.setPen(Pen(c, 1.0));
  p.drawPolygon(head);
}

void Cube(QPainter& p, const QColor& face, int highlight) {
  // highlight: 0 none, 1 front, 2 right, 3 top
  const QPolygonF front({QPointF(5, 12), QPointF(19, 12), QPointF(19, 27), QPointF(5, 27)});
  const QPolygonF right({QPointF(19, 12), QPointF(27, 5), QPointF(27, 20), QPointF(19, 27)});
  const QPolygonF top({QPointF(5, 12), QPointF(13, 5), QPointF(27, 5), QPointF(19, 12)});
  p.setPen(Pen(Ink, 1.3));
  p.setBrush(highlight == 1 ? face : Paper);
  p.drawPolygon(front);
  p.setBrush(highlight == 2 ? face : QColor(230, 230, 235));
  p.drawPolygon(right);
  p.setBrush(highlight == 3 ? face : QColor(240, 240, 245));
  p.drawPolygon(top);
}

void Table(QPainter& p, int columns, const QColor& c) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(Paper);
  p.drawRect(QRectF(4, 4, 16, 24));
  for (int r = 1; r < 6; ++r)
    p.drawLine(QPointF(4, 4 + r * 4), QPointF(20, 4 + r * 4));
  for (int k = 1; k < columns; ++k) {
    const double x = 4 + k * 16.0 / columns;
    p.drawLine(QPointF(x, 4), QPointF(x, 28));
  }
  p.setPen(Pen(c, 2.0));
  p.setBrush(c);
  for (int i = 0; i < 4; ++i)
    p.drawEllipse(QPointF(23 + (i % 2) * 4, 8 + i * 6), 1.6, 1.6);
}

void Magnifier(QPainter& p) {
  p.setPen(Pen(Ink, 2.4));
  p.setBrush(QColor(220, 235, 255));
  p.drawEllipse(QRectF(5, 5, 15, 15));
  p.setPen(Pen(Ink, 4.0));
  p.drawLine(QPointF(18, 18), QPointF(27, 27));
}

void Dots(QPainter& p, const QColor& c) {
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      p.drawEllipse(QPointF(7 + i * 6 + j * 1.5, 25 - j * 6), 1.6, 1.6);
}

// --- the drawings by key ---------------------------------------------------------------------

const std::map<std::string, Drawing>& Drawings() {
  static const std::map<std::string, Drawing> d = {
      // The main toolbar: documents
      {"barNew2D", [](QPainter& p) { NewPage(p, "2D"); }},
      {"barNew25D", [](QPainter& p) { NewPage(p, "2.5"); }},
      {"barNew3D", [](QPainter& p) { NewPage(p, "3D"); }},
      {"barNewSpe", [](QPainter& p) { NewPage(p, "S"); }},
      {"barOpen",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.4));
         p.setBrush(Yellow.darker(110));
         p.drawRect(QRectF(3, 8, 22, 18));
         p.setBrush(Yellow);
         QPolygonF lid({QPointF(7, 13), QPointF(29, 13), QPointF(25, 26), QPointF(3, 26)});
         p.drawPolygon(lid);
       }},
      {"barSave",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.4));
         p.setBrush(Blue);
         p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
         p.setBrush(Paper);
         p.drawRect(QRectF(9, 4, 14, 9));
         p.setBrush(QColor(220, 220, 225));
         p.drawRect(QRectF(8, 18, 16, 10));
       }},
      {"barSaveAs",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.4));
         p.setBrush(Blue);
         p.drawRoundedRect(QRectF(3, 6, 20, 20), 2, 2);
         p.setBrush(Paper);
         p.drawRect(QRectF(7, 6, 12, 7));
         p.setPen(Pen(Orange, 3.0));
         p.drawLine(QPointF(18, 28), QPointF(29, 15));
       }},
      {"barPrint",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.4));
         p.setBrush(Paper);
         p.drawRect(QRectF(9, 3, 14, 10));
         p.setBrush(Grey);
         p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
         p.setBrush(Paper);
         p.drawRect(QRectF(9, 20, 14, 9));
       }},
      {"barCut",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 2.0));
         p.drawLine(QPointF(9, 4), QPointF(21, 21));
         p.drawLine(QPointF(23, 4), QPointF(11, 21));
         p.setBrush(Qt::NoBrush);
         p.setPen(Pen(Red, 2.2));
         p.drawEllipse(QPointF(9, 24), 4, 4);
         p.drawEllipse(QPointF(23, 24), 4, 4);
       }},
      {"barCopy",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.4));
         p.setBrush(Paper);
         p.drawRect(QRectF(4, 4, 15, 18));
         p.drawRect(QRectF(12, 10, 15, 18));
         Sine(p, Blue, 13, 26, 19, 4);
       }},
      {"barCopyAs",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.4));
         p.setBrush(QColor(200, 225, 255));
         p.drawRect(QRectF(4, 6, 24, 20));
         p.setPen(Qt::NoPen);
         p.setBrush(Green);
         p.drawPolygon(QPolygonF(
             {QPointF(5, 25), QPointF(13, 14), QPointF(19, 21), QPointF(22, 17), QPointF(27, 25)}));
         p.setBrush(Yellow);
         p.drawEllipse(QPointF(22, 11), 2.5, 2.5);
       }},
      {"barPaste",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.4));
         p.setBrush(Orange.lighter(130));
         p.drawRoundedRect(QRectF(5, 5, 22, 24), 2, 2);
         p.setBrush(Grey);
         p.drawRect(QRectF(11, 3, 10, 5));
         p.setBrush(Paper);
         p.drawRect(QRectF(9, 11, 14, 15));
       }},
      {"varDel",
       [](QPainter& p) {
         p.setPen(Pen(Red, 4.0));
         p.drawLine(QPointF(8, 8), QPointF(24, 24));
         p.drawLine(QPointF(24, 8), QPointF(8, 24));
       }},
      {"barHelp",
       [](QPainter& p) {
         p.setPen(Pen(Blue.darker(120), 1.5));
         p.setBrush(Blue);
         p.drawEllipse(QRectF(4, 4, 24, 24));
         Label(p, "?", QRectF(4, 4, 24, 24), Paper, 18);
       }},
      // The main toolbar: animated add commands
      {"barAnimPoints",
       [](QPainter& p) {
         Axes(p);
         p.setPen(Qt::NoPen);
         p.setBrush(Red);
         p.drawEllipse(QPointF(14, 13), 3.5, 3.5);
         PlayMark(p);
       }},
      {"barAnim2DCart",
       [](QPainter& p) {
         Axes(p);
         Sine(p, Blue);
         PlayMark(p);
       }},
      {"barAnim2DPolar",
       [](QPainter& p) {
         Rose(p, Blue);
         PlayMark(p);
       }},
      {"barAnim25DCart",
       [](QPainter& p) {
         Ribbon(p, Blue, false);
         PlayMark(p);
       }},
      {"barAnim25DPolar",
       [](QPainter& p) {
         Ribbon(p, Blue, true);
         PlayMark(p);
       }},
      {"barAnim3DCart",
       [](QPainter& p) {
         Mesh(p, Blue, true);
         PlayMark(p);
       }},
      {"barAnim3DCyl",
       [](QPainter& p) {
         Cylinder(p, Blue);
         PlayMark(p);
       }},
      {"barAnim3DSph",
       [](QPainter& p) {
         Sphere(p, Blue);
         PlayMark(p);
       }},
      // The main toolbar: playback
      {"barAnimStart", [](QPainter& p) { Triangle(p, 10, true, Green); }},
      {"barAnimPause",
       [](QPainter& p) {
         Bar(p, 10, Blue);
         Bar(p, 18.5, Blue);
       }},
      {"barAnimStop",
       [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(Red);
         p.drawRect(QRectF(9, 9, 14, 14));
       }},
      {"barAnimFirst",
       [](QPainter& p) {
         Bar(p, 7, Blue);
         Triangle(p, 11, false, Blue);
       }},
      {"barAnimPre", [](QPainter& p) { Triangle(p, 10, false, Blue); }},
      {"barAnimNext", [](QPainter& p) { Triangle(p, 10, true, Blue); }},
      {"barAnimLast",
       [](QPainter& p) {
         Triangle(p, 9, true, Blue);
         Bar(p, 21.5, Blue);
       }},
      {"barAnimNormal",
       [](QPainter& p) {
         Arrow(p, {5, 16}, {27, 16}, Green, 3.0);
       }},
      {"barAnimRev",
       [](QPainter& p) {
         Arrow(p, {27, 16}, {5, 16}, Orange, 3.0);
       }},
      {"barAnimNormalRepeat", [](QPainter& p) { CircleArrow(p, Green, true); }},
      {"barAnimRevRepeat", [](QPainter& p) { CircleArrow(p, Orange, false); }},
      // The draw toolbar: add commands
      {"barPoints",
       [](QPainter& p) {
         Axes(p);
         p.setPen(Qt::NoPen);
         p.setBrush(Red);
         p.drawEllipse(QPointF(17, 13), 3.5, 3.5);
       }},
      {"barFun2DCart",
       [](QPainter& p) {
         Axes(p);
         Sine(p, Blue);
       }},
      {"barFun2DPolar",
       [](QPainter& p) {
         Rose(p, Blue, {16, 16}, 13);
       }},
      {"barFun25DCart", [](QPainter& p) { Ribbon(p, Blue, false); }},
      {"barFun25DPolar", [](QPainter& p) { Ribbon(p, Blue, true); }},
      {"barFun3DCart", [](QPainter& p) { Mesh(p, Blue, true); }},
      {"barFun3DCyl", [](QPainter& p) { Cylinder(p, Blue); }},
      {"barFun3DSph", [](QPainter& p) { Sphere(p, Blue); }},
      {"barColormap",
       [](QPainter& p) {
         const QColor cs[] = {Blue, Green, Yellow, Orange, Red};
         for (int i = 0; i < 5; ++i)
           for (int j = 0; j < 5; ++j) {
             p.setPen(Qt::NoPen);
             p.setBrush(cs[(i + j) / 2]);
             p.drawRect(QRectF(4 + i * 4.8, 4 + j * 4.8, 4.8, 4.8));
           }
       }},
      {"barContour",
       [](QPainter& p) {
         p.setBrush(Qt::NoBrush);
         p.setPen(Pen(Blue, 1.6));
         p.drawEllipse(QRectF(3, 6, 26, 20));
         p.setPen(Pen(Green, 1.6));
         p.drawEllipse(QRectF(8, 10, 17, 13));
         p.setPen(Pen(Red, 1.6));
         p.drawEllipse(QRectF(13, 13, 7, 6));
       }},
      {"barVectorPlot",
       [](QPainter& p) {
         for (int i = 0; i < 3; ++i)
           for (int j = 0; j < 3; ++j) {
             const QPointF base(6 + i * 9, 25 - j * 9);
             Arrow(p, base, base + QPointF(5, -3 + i * 2.0), Blue, 1.4);
           }
       }},
      {"barTab2", [](QPainter& p) { Table(p, 2, Blue); }},
      {"barTab25", [](QPainter& p) { Table(p, 3, Green); }},
      {"barTab3", [](QPainter& p) { Table(p, 4, Red); }},
      {"barStep",
       [](QPainter& p) {
         Axes(p);
         p.setPen(Pen(Blue, 2.2));
         p.drawPolyline(
             QPolygonF({QPointF(6, 24), QPointF(12, 24), QPointF(12, 18), QPointF(18, 18),
                        QPointF(18, 12), QPointF(24, 12), QPointF(24, 6), QPointF(29, 6)}));
       }},
      {"barStem",
       [](QPainter& p) {
         Axes(p);
         const double heights[] = {8, 14, 6, 18};
         for (int i = 0; i < 4; ++i) {
           const double x = 10 + i * 5.5;
           p.setPen(Pen(Blue, 1.6));
           p.drawLine(QPointF(x, 26), QPointF(x, 26 - heights[i]));
           p.setBrush(Paper);
           p.drawEllipse(QPointF(x, 26 - heights[i]), 2, 2);
         }
       }},
      {"barCoord",
       [](QPainter& p) {
         Arrow(p, {12, 20}, {29, 20}, Red);
         Arrow(p, {12, 20}, {12, 3}, Green);
         Arrow(p, {12, 20}, {3, 29}, Blue);
       }},
      {"barLight",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.3));
         p.setBrush(Yellow);
         p.drawEllipse(QRectF(8, 3, 16, 16));
         p.setBrush(Grey);
         p.drawRect(QRectF(12, 19, 8, 8));
         p.drawLine(QPointF(12, 23), QPointF(20, 23));
       }},
      // The view toolbar: presets and projections
      {"barViewFront", [](QPainter& p) { Cube(p, Blue.lighter(150), 1); }},
      {"barViewRight", [](QPainter& p) { Cube(p, Blue.lighter(150), 2); }},
      {"barViewTop", [](QPainter& p) { Cube(p, Blue.lighter(150), 3); }},
      {"barViewISO", [](QPainter& p) { Cube(p, Blue.lighter(150), 0); }},
      {"barViewOrtho",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.4));
         p.setBrush(QColor(220, 235, 255));
         p.drawRect(QRectF(5, 9, 12, 14));
         p.drawRect(QRectF(17, 9, 10, 14));
       }},
      {"barViewPer",
       [](QPainter& p) {
         p.setPen(Pen(Ink, 1.4));
         p.setBrush(QColor(220, 235, 255));
         p.drawPolygon(
             QPolygonF({QPointF(4, 13), QPointF(12, 13), QPointF(12, 19), QPointF(4, 19)}));
         p.drawPolygon(
             QPolygonF({QPointF(12, 13), QPointF(28, 5), QPointF(28, 27), QPointF(12, 19)}));
       }},
      // The view toolbar: mouse modes
      {"barMove",
       [](QPainter& p) {
         Arrow(p, {16, 16}, {16, 3}, Ink);
         Arrow(p, {16, 16}, {16, 29}, Ink);
         Arrow(p, {16, 16}, {3, 16}, Ink);
         Arrow(p, {16, 16}, {29, 16}, Ink);
       }},
      {"barZoom", [](QPainter& p) { Magnifier(p); }},
      {"barZoomAll",
       [](QPainter& p) {
         Magnifier(p);
         p.setPen(Pen(Red, 1.5));
         p.setBrush(Qt::NoBrush);
         p.drawRect(QRectF(9, 9, 7, 7));
       }},
      {"barRotX",
       [](QPainter& p) {
         CircleArrow(p, Red, true);
         Label(p, "X", QRectF(6, 6, 20, 20), Ink, 11);
       }},
      {"barRotY",
       [](QPainter& p) {
         CircleArrow(p, Green, true);
         Label(p, "Y", QRectF(6, 6, 20, 20), Ink, 11);
       }},
      {"barRotZ",
       [](QPainter& p) {
         CircleArrow(p, Blue, true);
         Label(p, "Z", QRectF(6, 6, 20, 20), Ink, 11);
       }},
      {"barTrackBall",
       [](QPainter& p) {
         Sphere(p, Grey, QRectF(7, 7, 18, 18));
         CircleArrow(p, Orange, true, QRectF(3, 3, 26, 26));
       }},
      // The view toolbar: display model and smoothness of the selected graph
      {"barModelPoint", [](QPainter& p) { Dots(p, Blue); }},
      {"barModelGrid", [](QPainter& p) { Mesh(p, Blue, false); }},
      {"barModelSur", [](QPainter& p) { Mesh(p, Blue, true); }},
      {"bar3DFlat",
       [](QPainter& p) {
         const QPointF c(16, 16);
         for (int i = 0; i < 6; ++i) {
           const double a0 = i * M_PI / 3, a1 = (i + 1) * M_PI / 3;
           QPolygonF tri({c, c + QPointF(12 * std::cos(a0), 12 * std::sin(a0)),
                          c + QPointF(12 * std::cos(a1), 12 * std::sin(a1))});
           p.setPen(Pen(Blue.darker(140), 1.0));
           p.setBrush(Blue.lighter(100 + 15 * i));
           p.drawPolygon(tri);
         }
       }},
      {"bar3DSmooth",
       [](QPainter& p) {
         QLinearGradient g(4, 4, 28, 28);
         g.setColorAt(0, Blue.lighter(170));
         g.setColorAt(1, Blue.darker(130));
         p.setPen(Pen(Blue.darker(140), 1.0));
         p.setBrush(g);
         p.drawEllipse(QRectF(4, 4, 24, 24));
       }},
      {"bar3DSmoothest", [](QPainter& p) { Sphere(p, Blue, QRectF(4, 4, 24, 24)); }},
  };
  return d;
}

QIcon Render(const Drawing& draw) {
  QIcon icon;
  for (int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

} // namespace

QIcon ToolbarIcon(const std::string& key) {
  const auto it = Drawings().find(key);
  if (it == Drawings().end()) return QIcon();
  return Render(it->second);
}

QIcon ProgramIcon() {
  return Render([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 110));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.setPen(Pen(QColor(200, 210, 230), 1.5));
    p.drawLine(QPointF(5, 22), QPointF(28, 22));
    p.drawLine(QPointF(8, 27), QPointF(8, 4));
    Sine(p, QColor(255, 190, 60), 6, 28, 15, 8);
  });
}
