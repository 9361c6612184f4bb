#include "render/surfaces/SurfaceTextures.h"

#include <QOpenGLContext>

#include <map>
#include <set>
#include <utility>

#include "model/Graph.h"
#include "model/GraphKinds.h"
#include "platform/Prompter.h"
#include "render/surfaces/TextureImage.h"

namespace {

using TextureSet = std::map<std::string, GLuint>; // file name -> texture (0: none could be made)

struct Registry {
  const void* context = nullptr; // the context the names were made in
  TextureSet current, previous;
  std::set<std::string> reported; // faults already told, each once per run
};

Registry& Textures() {
  static Registry r;
  return r;
}

const void* CurrentContext() { return QOpenGLContext::currentContext(); }

bool RecordingList() {
  GLint index = 0;
  glGetIntegerv(GL_LIST_INDEX, &index);
  return index != 0;
}

void Free(TextureSet& set) {
  Registry& r = Textures();
  if (r.context == CurrentContext())
    for (const auto& [name, texture] : set)
      if (texture != 0) glDeleteTextures(1, &texture);
  set.clear();
}

GLuint Upload(const std::string& fileName) {
  Registry& r = Textures();
  GLint maxSize = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
  TextureImage image;
  std::string error;
  if (!ReadTextureImage(fileName, TextureSideLimit(maxSize), image, error)) {
    if (r.reported.insert(error).second)
      MsgBox(error, MsgButtons::OK, MsgIcon::Exclamation, "Error");
    return 0;
  }
  GLuint texture = 0;
  glGenTextures(1, &texture);
  if (texture == 0) return 0;
  GLint previous = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, 4, image.Width, image.Height, 0, GL_RGB, GL_UNSIGNED_BYTE,
               image.Rgb.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
  glPopClientAttrib();
  return texture;
}

// Names of another context than the current one mean nothing here: forget them.
void FollowContext() {
  Registry& r = Textures();
  const void* now = CurrentContext();
  if (r.context == now) return;
  r.current.clear();
  r.previous.clear();
  r.context = now;
}

} // namespace

namespace SurfaceTextures {

void BeginCompile() {
  FollowContext();
  Registry& r = Textures();
  // A compilation that never ended keeps nothing of its own.
  Free(r.previous);
  r.previous = std::move(r.current);
  r.current.clear();
}

void PrepareGraph(const Graph& g) {
  // The kinds whose cells the surface drawer fills (a flat colour map shows no texture).
  if (g.ShowTex && GraphKind(g).Drawer == GraphDrawer::Surface && g.GraphType != ColorMap)
    Use(g.TexName);
}

GLuint Use(const std::string& fileName) {
  FollowContext();
  Registry& r = Textures();
  if (const auto found = r.current.find(fileName); found != r.current.end()) return found->second;
  if (RecordingList()) return 0;
  const GLuint texture = Upload(fileName);
  r.current.emplace(fileName, texture);
  return texture;
}

void EndCompile(bool kept) {
  Registry& r = Textures();
  if (kept) {
    Free(r.previous);
  } else {
    Free(r.current);
    r.current = std::move(r.previous);
    r.previous.clear();
  }
}

void ReleaseAll() {
  Registry& r = Textures();
  Free(r.current);
  Free(r.previous);
  r.context = nullptr;
}

int CountHeld() {
  const Registry& r = Textures();
  int n = 0;
  for (const TextureSet* set : {&r.current, &r.previous})
    for (const auto& [name, texture] : *set)
      n += texture != 0;
  return n;
}

} // namespace SurfaceTextures
