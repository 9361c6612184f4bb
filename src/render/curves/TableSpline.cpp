#include "render/curves/TableSpline.h"

#include <algorithm>
#include <cmath>

double Hypotenuse(float a, float b) {
  const double da = a, db = b;
  return std::sqrt(da * da + db * db);
}

namespace {

// The nodes the spline runs through: finite ones, each differing from the one before it.
struct Nodes {
  std::vector<float> x, y, h; // h[i]: chord from node i - 1 to node i (h[0] unused)
};

Nodes DistinctNodes(std::span<const float> x, std::span<const float> y) {
  Nodes n;
  const std::size_t count = std::min(x.size(), y.size());
  n.x.reserve(count), n.y.reserve(count), n.h.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) continue;
    float chord = 0.0f;
    if (!n.x.empty()) {
      chord = static_cast<float>(Hypotenuse(x[i] - n.x.back(), y[i] - n.y.back()));
      // A repeated node (or one whose chord does not fit a single) adds no segment.
      if (!(chord > 0.0f) || !std::isfinite(chord)) continue;
    }
    n.x.push_back(x[i]);
    n.y.push_back(y[i]);
    n.h.push_back(chord);
  }
  return n;
}

// The three bands of the tridiagonal matrix of the slopes.
struct Bands {
  std::vector<float> lower, diagonal, upper;
};

} // namespace

SplineSamples SmoothCurvePoints(std::span<const float> xs, std::span<const float> ys,
                                SplineEnd ends, SplineSlopes slopes) {
  SplineSamples out;
  const Nodes nodes = DistinctNodes(xs, ys);
  if (nodes.x.size() < 2) return out;
  const std::size_t n = nodes.x.size() - 1; // segments
  const std::vector<float>& x = nodes.x;
  const std::vector<float>& y = nodes.y;
  const std::vector<float>& h = nodes.h;
  if (ends == SplineEnd::Parabolic && n < 2) ends = SplineEnd::Natural;

  Bands m{std::vector<float>(n + 1), std::vector<float>(n + 1), std::vector<float>(n + 1)};
  std::vector<float> rx(n + 1), ry(n + 1);

  // End rows; row 0 first, then row n.
  switch (ends) {
  case SplineEnd::Slopes:
    m.diagonal[0] = 1.0f, m.upper[0] = 0.0f, rx[0] = slopes.startX, ry[0] = slopes.startY;
    m.diagonal[n] = 1.0f, m.lower[n] = 0.0f, rx[n] = slopes.endX, ry[n] = slopes.endY;
    break;
  case SplineEnd::Natural:
    m.diagonal[0] = 2.0f, m.upper[0] = 1.0f;
    rx[0] = 3.0f * (x[1] - x[0]) / h[1];
    ry[0] = 3.0f * (y[1] - y[0]) / h[1];
    m.diagonal[n] = 2.0f, m.lower[n] = 1.0f;
    rx[n] = 3.0f * (x[n] - x[n - 1]) / h[n];
    ry[n] = 3.0f * (y[n] - y[n - 1]) / h[n];
    break;
  case SplineEnd::Parabolic: {
    auto start = [&h](const std::vector<float>& q) {
      return 3.0f * (q[1] - q[0]) / h[1] -
             ((q[2] - q[1]) * h[1] / h[2] - (q[1] - q[0])) / (h[1] + h[2]);
    };
    auto end = [&h, n](const std::vector<float>& q) {
      return 3.0f * (q[n] - q[n - 1]) / h[n] +
             ((q[n] - q[n - 1]) - (q[n - 1] - q[n - 2]) * h[n] / h[n - 1]) / (h[n - 1] + h[n]);
    };
    m.diagonal[0] = 2.0f, m.upper[0] = 1.0f, rx[0] = start(x), ry[0] = start(y);
    m.diagonal[n] = 2.0f, m.lower[n] = 1.0f, rx[n] = end(x), ry[n] = end(y);
    break;
  }
  }

  // Inner rows: the second derivative is continuous at node j.
  for (std::size_t j = 1; j < n; ++j) {
    m.lower[j] = h[j + 1];
    m.diagonal[j] = 2.0f * (h[j] + h[j + 1]);
    m.upper[j] = h[j];
    rx[j] = 3.0f * ((x[j] - x[j - 1]) * h[j + 1] / h[j] + (x[j + 1] - x[j]) * h[j] / h[j + 1]);
    ry[j] = 3.0f * ((y[j] - y[j - 1]) * h[j + 1] / h[j] + (y[j + 1] - y[j]) * h[j] / h[j + 1]);
  }

  // Tridiagonal elimination without pivoting (the matrix is diagonally dominant); one elimination
  // serves both right-hand sides.
  m.upper[0] /= m.diagonal[0];
  for (std::size_t k = 1; k < n; ++k) {
    m.diagonal[k] -= m.upper[k - 1] * m.lower[k];
    m.upper[k] /= m.diagonal[k];
  }
  m.diagonal[n] -= m.lower[n] * m.upper[n - 1];
  std::vector<float> cx(n + 1), cy(n + 1);
  cx[0] = rx[0] / m.diagonal[0];
  cy[0] = ry[0] / m.diagonal[0];
  for (std::size_t l = 1; l <= n; ++l) {
    cx[l] = (rx[l] - cx[l - 1] * m.lower[l]) / m.diagonal[l];
    cy[l] = (ry[l] - cy[l - 1] * m.lower[l]) / m.diagonal[l];
  }
  std::vector<float>& mx = cx; // back substitution in place
  std::vector<float>& my = cy;
  for (std::size_t k = n; k-- > 0;) {
    mx[k] = cx[k] - mx[k + 1] * m.upper[k];
    my[k] = cy[k] - my[k + 1] * m.upper[k];
  }

  // The sampling step: 0.2, unless the curve is so long in scene units that its samples would not
  // fit.
  double total = 0.0;
  for (std::size_t c = 1; c <= n; ++c)
    total += h[c] / kSplineStep + 2.0;
  float step = kSplineStep;
  if (total > static_cast<double>(kMaxSplineSamples)) {
    double length = 0.0;
    for (std::size_t c = 1; c <= n; ++c)
      length += h[c];
    const double room = static_cast<double>(kMaxSplineSamples) - 2.0 * static_cast<double>(n);
    step = room > 0.0 ? static_cast<float>(length / room * 1.001) : h[1];
    for (std::size_t c = 1; c <= n; ++c)
      step = std::max(step, h[c] * 1.001f / static_cast<float>(kMaxSplineSamples));
  }
  out.X.reserve(static_cast<std::size_t>(std::min(total, double(kMaxSplineSamples)) + 2.0));
  out.Y.reserve(out.X.capacity());

  for (std::size_t c = 0; c < n; ++c) {
    const float hc = h[c + 1];
    auto coefficients = [hc](float q0, float q1, float m0, float m1, float& a2, float& a3) {
      a2 = (3.0f * (q1 - q0) / hc - 2.0f * m0 - m1) / hc;
      a3 = (2.0f * (q0 - q1) / hc + m0 + m1) / hc / hc;
    };
    float ax2 = 0, ax3 = 0, ay2 = 0, ay3 = 0;
    coefficients(x[c], x[c + 1], mx[c], mx[c + 1], ax2, ax3);
    coefficients(y[c], y[c + 1], my[c], my[c + 1], ay2, ay3);
    float s = 0.0f;
    while (s <= hc) {
      out.X.push_back(((s * ax3 + ax2) * s + mx[c]) * s + x[c]);
      out.Y.push_back(((s * ay3 + ay2) * s + my[c]) * s + y[c]);
      const float next = s + step;
      if (!(next > s)) break; // a step too small to advance s any further
      s = next;
    }
    out.X.push_back(x[c + 1]);
    out.Y.push_back(y[c + 1]);
  }
  return out;
}
