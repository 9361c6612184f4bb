// The thirteen material presets read back from GL for the front and back faces, and what other
// numbers do.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "render/common/MaterialColors.h"
#include "support/GlTestContext.h"

namespace {

using Colour = std::array<GLfloat, 4>;

struct Preset {
  const char* name;
  Colour ambient, diffuse, specular, emission;
  GLfloat shininess;
};

const Preset Table[] = {
    {"Artdeco",
     {0.936975f, 0.0923259f, 0.42843f, 0},
     {0.536861f, 0.0529003f, 0.24549f, 0.832432f},
     {0.805292f, 0.765198f, 0.747416f, 0},
     {0, 0, 0, 0},
     106.551296f},
    {"Autumn",
     {0.098983f, 0.0565609f, 0.0320604f, 0},
     {0.395932f, 0.226244f, 0.128242f, 0},
     {1, 0.464407f, 0.4753f, 0},
     {0, 0, 0, 0},
     127.30816f},
    {"Glass",
     {0.187004f, 0.0748842f, 0, 0.34747f},
     {0.748016f, 0.299537f, 0, 0.34747f},
     {0.836364f, 0.836364f, 0.836364f, 0.34747f},
     {0, 0, 0, 0.34747f},
     117.915136f},
    {"Metal",
     {0.133333f, 0.0925319f, 0, 0},
     {0.49697f, 0.344891f, 0, 0},
     {1, 0.887978f, 0, 0},
     {0, 0, 0, 0},
     118.690944f},
    {"Neon",
     {0, 0, 0, 0},
     {0, 0, 0, 0},
     {0.622449f, 0.622449f, 0.622449f, 0},
     {0.0188407f, 0.940276f, 1, 0},
     6.5306112f},
    {"Recoco",
     {0.187004f, 0.180659f, 0.0672271f, 0},
     {0.748016f, 0.722635f, 0.268909f, 0},
     {0.412121f, 0.412121f, 0.412121f, 0},
     {0, 0, 0, 0},
     103.175808f},
    {"Santefe",
     {0.20373f, 0.0832482f, 0.0832482f, 0},
     {0.799639f, 0.326749f, 0.326749f, 0},
     {0.327377f, 0.135466f, 0, 0},
     {0, 0, 0, 0},
     9.7959168f},
    {"Sheen",
     {0, 0.00107338f, 0.0785714f, 0},
     {0, 0.00429352f, 0.314286f, 0},
     {0.364672f, 0.833805f, 0.909091f, 0},
     {0, 0, 0, 0},
     81.454592f},
    {"Silky",
     {0.171143f, 0.170799f, 0.171534f, 0},
     {0.684572f, 0.683198f, 0.686136f, 0},
     {0.693878f, 0.0335554f, 0.313623f, 0},
     {0, 0, 0, 0},
     9.1428608f},
    {"Spring",
     {0.253968f, 0.228701f, 0.0798059f, 0},
     {1, 0.900511f, 0.314236f, 0},
     {0.872449f, 0.247119f, 0.254214f, 0},
     {0, 0, 0, 0},
     128},
    {"Summer",
     {0.098983f, 0.0565609f, 0.0320604f, 0},
     {0.395932f, 0.226244f, 0.128242f, 0},
     {0.192616f, 0.110064f, 0.0623879f, 0},
     {0, 0, 0, 0},
     3.459456f},
    {"Tropical",
     {0.226102f, 0.193685f, 0.0207668f, 0},
     {0.904409f, 0.774741f, 0.0830671f, 0},
     {0.0955906f, 0.0955906f, 0.0955906f, 0},
     {0, 0, 0, 0},
     10},
    {"Winter",
     {0.0486486f, 0.0486486f, 0.0486486f, 0},
     {0.205405f, 0.205405f, 0.205405f, 0},
     {0.686486f, 0.676818f, 0.684159f, 0},
     {0, 0, 0, 0},
     128},
};

Colour MaterialValue(GLenum face, GLenum what) {
  Colour c{-7, -7, -7, -7};
  glGetMaterialfv(face, what, c.data());
  return c;
}

void ExpectMaterial(const Preset& p) {
  for (GLenum face : {GL_FRONT, GL_BACK}) {
    SCOPED_TRACE(face == GL_FRONT ? "front" : "back");
    EXPECT_EQ(MaterialValue(face, GL_AMBIENT), p.ambient);
    EXPECT_EQ(MaterialValue(face, GL_DIFFUSE), p.diffuse);
    EXPECT_EQ(MaterialValue(face, GL_SPECULAR), p.specular);
    EXPECT_EQ(MaterialValue(face, GL_EMISSION), p.emission);
    EXPECT_FLOAT_EQ(MaterialValue(face, GL_SHININESS)[0], p.shininess);
  }
}

} // namespace

TEST(MaterialGl, EveryPresetSetsBothFaces) {
  GlTestContext gl(16, 16);
  ASSERT_TRUE(gl.Valid());
  MaterialColors material; // one object through all presets: each fully replaces the one before
  for (int n = 1; n <= MaterialPresetCount; ++n) {
    const Preset& p = Table[n - 1];
    SCOPED_TRACE(p.name);
    EXPECT_EQ(std::string(MaterialPresetNames[n - 1]), p.name);
    material.SetMaterial(n);
    ExpectMaterial(p);
    EXPECT_EQ(material.Diffuse, p.diffuse);
    EXPECT_EQ(material.Shininess[0], p.shininess);
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(MaterialGl, OtherNumbersKeepTheValues) {
  GlTestContext gl(16, 16);
  ASSERT_TRUE(gl.Valid());
  const Preset black{"", {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0};
  for (int n : {0, 14, -1}) {
    SCOPED_TRACE(n);
    MaterialColors fresh;
    const GLfloat grey[4] = {0.5f, 0.5f, 0.5f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, grey); // something to overwrite
    fresh.SetMaterial(n);
    ExpectMaterial(black);
  }
  MaterialColors material;
  material.SetMaterial(4);
  const GLfloat grey[4] = {0.5f, 0.5f, 0.5f, 1};
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, grey);
  material.SetMaterial(99); // "Metal" again
  ExpectMaterial(Table[3]);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
