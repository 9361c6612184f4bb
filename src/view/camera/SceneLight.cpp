#include "view/camera/SceneLight.h"

#include <GL/gl.h>

#include "view/camera/SceneCamera.h"

SceneLight Light;

void SceneLight::SetLight() const { SetLight(Camera); }

void SceneLight::SetLight(const SceneCamera& viewer) const {
  if (!Enabled) {
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_LIGHT1);
    return;
  }

  // GL keeps light positions in eye coordinates, transformed by the model-view matrix current
  // when they are set: give them the camera's view, so their meaning never depends on what the
  // previous drawing left in the matrix.
  GLint matrixMode = GL_MODELVIEW;
  glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  viewer.ApplyViewTransform();

  glLightfv(GL_LIGHT0, GL_POSITION, Position.data());
  glLightfv(GL_LIGHT0, GL_DIFFUSE, Diffuse.data());
  glLightfv(GL_LIGHT0, GL_AMBIENT, Amission.data());
  glLightfv(GL_LIGHT0, GL_SPECULAR, Specular.data());

  // The mirror light is always a light at a point, whatever the first light's w.
  const GLfloat mirror[4] = {-Position[0], -Position[1], -Position[2], 1.0f};
  glLightfv(GL_LIGHT1, GL_POSITION, mirror);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, Diffuse.data());
  glLightfv(GL_LIGHT1, GL_AMBIENT, Amission.data());
  glLightfv(GL_LIGHT1, GL_SPECULAR, Specular.data());

  glPopMatrix();
  glMatrixMode(static_cast<GLenum>(matrixMode));

  glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, TwoSides[0]);
  // The switch gives a neutral grey of its own strength: white when on, none when off.
  const GLfloat ambient[4] = {GlobalAmbient[0], GlobalAmbient[0], GlobalAmbient[0], 1.0f};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);

  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHT1);
}
