#include "render/curves/SegmentIntersection.h"

namespace {

struct End {
  float x, y;
};

// Orders a segment's ends by x: the left end first (the first given end when the xs are equal).
void OrderByX(float xa, float ya, float xb, float yb, End& left, End& right) {
  if (xa > xb) {
    left = {xb, yb};
    right = {xa, ya};
  } else {
    left = {xa, ya};
    right = {xb, yb};
  }
}

// A vertical (or zero-length) segment against any other segment, decided exactly: the other
// segment must reach the vertical's x, and its height there must lie within the vertical's span.
int32_t CrossVertical(End vl, End vr, End ol, End orr, float& X, float& Y, float& X2, float& Y2) {
  const float x = vl.x;
  const float vLow = MinOf(vl.y, vr.y);
  const float vHigh = MaxOf(vl.y, vr.y);
  if (ol.x == orr.x) {
    // Both vertical: they meet only on the same x, where their spans overlap.
    if (ol.x != x) return SegmentsApart;
    const float low = MaxOf(vLow, MinOf(ol.y, orr.y));
    const float high = MinOf(vHigh, MaxOf(ol.y, orr.y));
    if (low > high) return SegmentsApart;
    X = x;
    Y = low;
    X2 = x;
    Y2 = high;
    return SegmentsOverlap;
  }
  if (x < ol.x || x > orr.x) return SegmentsApart;
  float k, b;
  LineCoefficients(ol.x, ol.y, orr.x, orr.y, k, b);
  const float product = x * k;
  const float y = product + b;
  if (y < vLow || y > vHigh) return SegmentsApart;
  X = x;
  Y = y;
  return SegmentsCross;
}

} // namespace

void LineCoefficients(float xa, float ya, float xb, float yb, float& k, float& b) {
  if (xa == xb) {
    k = 10000.0f;
  } else {
    const float dy = yb - ya;
    const float dx = xb - xa;
    k = dy / dx;
  }
  const float product = xa * k;
  b = ya - product;
}

float MinOf(float p, float q) { return p < q ? p : q; }
float MaxOf(float p, float q) { return p > q ? p : q; }

int32_t IntersectSegments(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                          float y4, float& X, float& Y, float& X2, float& Y2) {
  End la, ra, lb, rb;
  OrderByX(x1, y1, x2, y2, la, ra);
  OrderByX(x3, y3, x4, y4, lb, rb);

  if (la.x == ra.x) return CrossVertical(la, ra, lb, rb, X, Y, X2, Y2);
  if (lb.x == rb.x) return CrossVertical(lb, rb, la, ra, X, Y, X2, Y2);

  float ka, ba, kb, bb;
  LineCoefficients(la.x, la.y, ra.x, ra.y, ka, ba);
  LineCoefficients(lb.x, lb.y, rb.x, rb.y, kb, bb);

  if (ka != kb) {
    const float num = ba - bb;
    const float den = kb - ka;
    const float x = num / den;
    const float product = x * ka;
    const float y = product + ba;
    X = x;
    Y = y;
    const bool onB = lb.x <= x && x <= rb.x;
    const bool onA = la.x <= x && x <= ra.x;
    return onA && onB ? SegmentsCross : SegmentsApart;
  }
  if (lb.x > ra.x || rb.x < la.x) return SegmentsApart;
  if (ba != bb) return SegmentsApart;
  const float xs = MaxOf(la.x, lb.x);
  const float xe = MinOf(ra.x, rb.x);
  const float ds = xs - lb.x;
  const float de = xe - lb.x;
  const float ps = ds * ka;
  const float pe = de * ka;
  X = xs;
  Y = ps + lb.y;
  X2 = xe;
  Y2 = pe + lb.y;
  return SegmentsOverlap;
}
