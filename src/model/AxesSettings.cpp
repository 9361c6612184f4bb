#include "model/AxesSettings.h"

#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <type_traits>

namespace {

template <class A, class F> decltype(auto) VisitAxesProperty(A& axes, AxesSettingsProp p, F&& f) {
  switch (p) {
#define AXES_VISIT(nm, ...)                                                                        \
  case AxesSettingsProp::nm:                                                                       \
    return f(axes.nm);
    AXES_PROPERTIES(AXES_VISIT)
#undef AXES_VISIT
  }
  throw std::logic_error("AxesSettings: unknown property id");
}

[[noreturn]] void WrongKind(AxesSettingsProp p, const char* wanted) {
  throw std::logic_error("AxesSettings: property " +
                         std::string(AxesSettingsPropertyTable[static_cast<std::size_t>(p)].name) +
                         " is not " + wanted);
}

template <class T> T GetAs(const AxesSettings& axes, AxesSettingsProp p, const char* wanted) {
  return VisitAxesProperty(axes, p, [&](const auto& member) -> T {
    if constexpr (std::is_same_v<std::decay_t<decltype(member)>, T>)
      return member;
    else
      WrongKind(p, wanted);
  });
}

template <class T>
void SetAs(AxesSettings& axes, AxesSettingsProp p, const T& value, const char* wanted) {
  VisitAxesProperty(axes, p, [&](auto& member) {
    if constexpr (std::is_same_v<std::decay_t<decltype(member)>, T>)
      member = value;
    else
      WrongKind(p, wanted);
  });
}

constexpr bool Reset = true;
constexpr bool Keep = false;

} // namespace

AxesSettings& DocumentAxes() {
  static AxesSettings axes;
  return axes;
}

void AxesSettings::SetDefault() {
#define AXES_SETDEFAULT(nm, kd, cr, mode, sdv, rec)                                                \
  if constexpr (mode) nm = sdv;
  AXES_PROPERTIES(AXES_SETDEFAULT)
#undef AXES_SETDEFAULT
}

float AxesSettings::CeilToWhole(float value) {
  const float whole = std::floor(value);
  if (value - whole == 0.0f) return value;
  return whole + 1.0f;
}

void AxesSettings::Coord(float& Vmin, float& Vmax, float& step, float& lower, float& upper,
                         int32_t& k) {
  float range = Vmax - Vmin;
  if (range == 0.0f) {
    // A flat range gets an axis from 0 to its value.
    Vmin = 0.0f;
    range = Vmax;
  }
  float lo = Vmin, hi = Vmax;
  if (range < 0.0f) {
    // Reversed: measured from the smaller to the larger end.
    std::swap(lo, hi);
    range = -range;
  }
  if (!(range > 0.0f) || !std::isfinite(range) || !std::isfinite(lo) || !std::isfinite(hi)) {
    // No extent, or no finite end: one unit (or the size of the finite end) from the lower end.
    if (!std::isfinite(lo)) lo = std::isfinite(hi) ? hi : 0.0f;
    hi = lo + std::max(1.0f, std::fabs(lo));
    range = hi - lo;
  }

  // The power of ten below the range; rounding of the logarithm can put the mantissa just
  // outside 1 .. 10 (a range just below a power of ten), which moves the power by one.
  const float e = static_cast<float>(std::log(static_cast<double>(range)) / std::log(10.0));
  int32_t n = static_cast<int32_t>(std::floor(e));
  float m = static_cast<float>(range / std::pow(10.0, n));
  if (m < 1.0f) {
    --n;
    m = static_cast<float>(range / std::pow(10.0, n));
  } else if (m >= 10.0f) {
    ++n;
    m = static_cast<float>(range / std::pow(10.0, n));
  }
  const double power = std::pow(10.0, n);
  float s;
  if (m < 2.0f)
    s = static_cast<float>(0.2 * power);
  else if (m < 5.0f)
    s = static_cast<float>(0.5 * power);
  else
    s = static_cast<float>(power);
  if (!(s > 0.0f) || !std::isfinite(s)) s = range; // below the smallest single step

  float first = CeilToWhole(lo / s) * s;
  float last = CeilToWhole(hi / s) * s;
  if (!std::isfinite(first) || !std::isfinite(last)) {
    first = lo;
    last = hi;
  }
  step = s;
  lower = first;
  upper = last;
  k = NumberText::ToLongClamped(static_cast<double>((last - first) / s));
}

int32_t AxesSettings::GetInt(AxesSettingsProp p) const {
  return GetAs<int32_t>(*this, p, "an integer");
}
bool AxesSettings::GetBool(AxesSettingsProp p) const { return GetAs<bool>(*this, p, "a Boolean"); }
const std::string& AxesSettings::GetText(AxesSettingsProp p) const {
  return VisitAxesProperty(*this, p, [&](const auto& member) -> const std::string& {
    if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>)
      return member;
    else
      WrongKind(p, "a text");
  });
}
void AxesSettings::SetInt(AxesSettingsProp p, int32_t value) {
  SetAs<int32_t>(*this, p, value, "an integer");
}
void AxesSettings::SetBool(AxesSettingsProp p, bool value) {
  SetAs<bool>(*this, p, value, "a Boolean");
}
void AxesSettings::SetText(AxesSettingsProp p, const std::string& value) {
  SetAs<std::string>(*this, p, value, "a text");
}
