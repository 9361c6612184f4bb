#pragma once
// The textures of the textured surfaces of one scene compilation. A texture cannot be uploaded
// while a display list is recorded (the upload would be recorded and repeated at every showing),
// so the scene compiler prepares the textures of its graphs before it records anything, the
// surface drawer binds them inside its list, and once the new lists replace the old ones the
// textures of the previous compilation are freed. A file that cannot be used gives no texture and
// one message naming it.

#include <GL/gl.h>

#include <string>

class Graph;

namespace SurfaceTextures {

// A compilation begins: textures prepared from now on belong to it.
void BeginCompile();
// Uploads the texture the graph names when the graph is a surface that shows one (the GL context
// current, no list being recorded). A file already uploaded in this compilation is reused.
void PrepareGraph(const Graph& graph);
// The texture of a file in the current compilation; when there is none and no list is being
// recorded, it is uploaded now. 0 when the file gives no texture.
GLuint Use(const std::string& fileName);
// The compilation ended: kept, its textures stay and the previous compilation's are freed; not
// kept (it failed), its own are freed and the previous ones stay.
void EndCompile(bool kept);
// Frees every texture (the context is going away). Names of another context are only forgotten.
void ReleaseAll();
// Textures held, of the current and the previous compilation (for tests).
int CountHeld();

// Keeps a compilation's textures only when Keep is called before it is destroyed.
class CompileScope {
public:
  CompileScope() { BeginCompile(); }
  ~CompileScope() { EndCompile(m_kept); }
  CompileScope(const CompileScope&) = delete;
  CompileScope& operator=(const CompileScope&) = delete;
  void Keep() { m_kept = true; }

private:
  bool m_kept = false;
};

} // namespace SurfaceTextures
