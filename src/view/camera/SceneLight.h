#pragma once
// The scene's light: a switch, one light's position and colours, and two settings of the light
// model. SetLight hands them to OpenGL as two lights with the same colours, the light at its
// position and a mirror light at the opposite point, which lights the far side of the scene.
//
// The position is given in the scene's world coordinates as the camera sees them, before the
// scene rotation: SetLight applies the camera's look-at transform itself, so the light stands in
// the same place in every picture whatever matrix happens to be current.

#include <array>

class SceneCamera;

class SceneLight {
public:
  // Use .at(i) for indices that come from outside: an index out of range throws.
  bool Enabled = true;
  std::array<float, 1> TwoSides{1.0f};                         // two-sided lighting: 1 on, 0 off
  std::array<float, 1> GlobalAmbient{1.0f};                    // global ambient light: 1 on, 0 off
  std::array<float, 4> Position{100.0f, 100.0f, 100.0f, 1.0f}; // x, y, z, w (w 0: a direction)
  std::array<float, 4> Diffuse{1.0f, 1.0f, 1.0f, 1.0f};        // red, green, blue, alpha
  std::array<float, 4> Amission{1.0f, 1.0f, 1.0f, 1.0f};       // ambient colour of the lights
  std::array<float, 4> Specular{1.0f, 1.0f, 1.0f, 1.0f};

  // Applies the light to the current GL context with the program's camera.
  void SetLight() const;
  // The same, with the positions placed by the given camera's view.
  void SetLight(const SceneCamera& viewer) const;
};

// The program's light, created with the main window and never replaced.
extern SceneLight Light;
