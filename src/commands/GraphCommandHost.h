#pragma once
// The main window as the add, edit and animation-options commands see it: the graph list's
// operations (GraphListHost) and, besides, the text of a row, the animation timer's interval and
// the frame count and speed that the Animation Options dialog's boxes hold. The window gives the
// real one (WindowCommandHost); tests give a recording one.

#include <cstdint>
#include <memory>
#include <string>

#include "document/GraphRemoval.h"

class GraphCommandHost : public GraphListHost {
public:
  // Replaces the text of a row of the graph list (counted from 0).
  virtual void SetListRowCaption(int32_t row, const std::string& caption) = 0;
  // The interval of the animation timer in milliseconds.
  virtual void SetTimerInterval(int32_t milliseconds) = 0;
  // The frame count and the speed that the Animation Options boxes hold.
  virtual int32_t AnimationOptionsFrameCount() const = 0;
  virtual int32_t AnimationOptionsFramesPerSecond() const = 0;
};

// The main window as the host; null when there is no main window.
std::unique_ptr<GraphCommandHost> MakeWindowCommandHost();
