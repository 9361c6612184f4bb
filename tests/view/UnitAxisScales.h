#pragma once
// Sets the program-wide axis scales to 1 for one test and puts the previous values back after it,
// for tests of code that reads them (the camera's fit and projection).

#include "model/ProgramState.h"

class UnitAxisScales {
public:
  UnitAxisScales() : m_x(AxisScaleX), m_y(AxisScaleY), m_z(AxisScaleZ) {
    AxisScaleX = AxisScaleY = AxisScaleZ = 1.0f;
  }
  ~UnitAxisScales() {
    AxisScaleX = m_x;
    AxisScaleY = m_y;
    AxisScaleZ = m_z;
  }
  UnitAxisScales(const UnitAxisScales&) = delete;
  UnitAxisScales& operator=(const UnitAxisScales&) = delete;

private:
  float m_x, m_y, m_z;
};
