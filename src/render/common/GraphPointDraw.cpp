// The marker drawing of a point (GraphPoint::Draw): the flat symbols of 2D documents and the
// spheres of the others.

#include "model/GraphPoint.h"

#include "model/ProgramState.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

// One vertex of a flat marker: a position in scene units relative to the data origin, moved by
// the scene centre, at the depth -SceneCenterZ unless given.
void FlatVertex(double a, double b, double depth) {
  glVertex3f(static_cast<float>(a - SceneCenterX), static_cast<float>(b - SceneCenterY),
             static_cast<float>(depth));
}

// The 20 triangles of a disc of radius r around (x, y), the centre vertex at depth z - SCZ.
void DiscTriangles(double x, double y, double z, double r) {
  for (int i = 0; i < 20; ++i) {
    const double a0 = static_cast<float>(i * 31416 / 100000.0);
    const double a1 = static_cast<float>((i + 1) * 31416 / 100000.0);
    glBegin(GL_TRIANGLES);
    FlatVertex(x + r * std::cos(a0), y + r * std::sin(a0), -double{SceneCenterZ});
    FlatVertex(x + r * std::cos(a1), y + r * std::sin(a1), -double{SceneCenterZ});
    FlatVertex(x, y, z - SceneCenterZ);
    glEnd();
  }
}

void RimLines(double x, double y, double r) {
  for (int i = 0; i < 20; ++i) {
    const double a0 = static_cast<float>(i * 31416 / 100000.0);
    const double a1 = static_cast<float>((i + 1) * 31416 / 100000.0);
    glBegin(GL_LINES);
    FlatVertex(x + r * std::cos(a0), y + r * std::sin(a0), -double{SceneCenterZ});
    FlatVertex(x + r * std::cos(a1), y + r * std::sin(a1), -double{SceneCenterZ});
    glEnd();
  }
}

bool Finite(double a, double b, double c) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

} // namespace

void GraphPoint::Draw() const {
  float red = 0, green = 0, blue = 0;
  ColorToRgb(Color, red, green, blue);

  if (DocumentType == DocumentType2D) {
    if (Symbol < SolidCircle || Symbol > CrossHair) return; // no marker: no state change at all
    const double size = Size;
    if (!Finite(double{x} - SceneCenterX, double{y} - SceneCenterY, double{z} - SceneCenterZ) ||
        !std::isfinite(size))
      return;
    const double px = x, py = y, pz = z;
    glPushMatrix();
    switch (Symbol) {
    case SolidCircle:
      glColor3f(red, green, blue);
      DiscTriangles(px, py, pz, 0.05 * size + 0.05);
      break;
    case HollowCircle: {
      const double r = 0.04 * size + 0.05;
      glColor3f(1.0f, 1.0f, 1.0f);
      DiscTriangles(px, py, pz, r);
      glLineWidth(1.0f);
      glColor3f(red, green, blue);
      RimLines(px, py, r);
      break;
    }
    case SolidRectangle: {
      const double h = 0.05 * size;
      glColor3f(red, green, blue);
      glBegin(GL_QUADS);
      FlatVertex(px - h, py + h, -double{SceneCenterZ});
      FlatVertex(px - h, py - h, -double{SceneCenterZ});
      FlatVertex(px + h, py - h, -double{SceneCenterZ});
      FlatVertex(px + h, py + h, -double{SceneCenterZ});
      glEnd();
      break;
    }
    case SolidTriangle: {
      const double h = 0.075 * size;
      glColor3f(red, green, blue);
      glBegin(GL_TRIANGLES);
      FlatVertex(px, py + h, -double{SceneCenterZ});
      FlatVertex(px - h, py - h, -double{SceneCenterZ});
      FlatVertex(px + h, py - h, -double{SceneCenterZ});
      glEnd();
      break;
    }
    case Diamond: {
      const double h = 0.075 * size;
      glColor3f(red, green, blue);
      glBegin(GL_QUADS);
      FlatVertex(px, py + h, -double{SceneCenterZ});
      FlatVertex(px - h, py, -double{SceneCenterZ});
      FlatVertex(px, py - h, -double{SceneCenterZ});
      FlatVertex(px + h, py, -double{SceneCenterZ});
      glEnd();
      break;
    }
    case CrossHair: {
      const double h = 0.075 * size;
      glLineWidth(Size);
      glColor3f(red, green, blue);
      glBegin(GL_LINES);
      FlatVertex(px, py + h, -double{SceneCenterZ});
      FlatVertex(px, py - h, -double{SceneCenterZ});
      glEnd();
      glBegin(GL_LINES);
      FlatVertex(px - h, py, -double{SceneCenterZ});
      FlatVertex(px + h, py, -double{SceneCenterZ});
      glEnd();
      break;
    }
    default:
      break;
    }
    glPopMatrix();
    return;
  }

  // Every other document kind: a sphere at the point mapped to scene units.
  const float tx = x / AxisScaleX - SceneCenterX;
  const float ty = y / AxisScaleY - SceneCenterY;
  const float tz = z / AxisScaleZ - SceneCenterZ;
  const double radius = 0.05 * double{Size} + 0.05;
  if (!Finite(tx, ty, tz) || !std::isfinite(radius)) return;
  glPushMatrix();
  glColor3f(red, green, blue);
  glTranslatef(tx, ty, tz);
  GLUquadric* quadric = gluNewQuadric();
  if (quadric) {
    gluSphere(quadric, radius, 32, 32);
    gluDeleteQuadric(quadric);
  }
  glPopMatrix();
}
