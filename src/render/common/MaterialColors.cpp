#include "render/common/MaterialColors.h"

#include <GL/gl.h>

#include <cstddef>

namespace {

struct MaterialRow {
  std::array<float, 4> ambient, diffuse, specular, emission;
  float shininess;
};

// Preset n is row n - 1. Colours are red, green, blue, alpha.
constexpr std::array<MaterialRow, MaterialPresetCount> Presets{{
    {{0.936975f, 0.0923259f, 0.42843f, 0.0f}, // Artdeco
     {0.536861f, 0.0529003f, 0.24549f, 0.832432f},
     {0.805292f, 0.765198f, 0.747416f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     106.551296f},
    {{0.098983f, 0.0565609f, 0.0320604f, 0.0f}, // Autumn
     {0.395932f, 0.226244f, 0.128242f, 0.0f},
     {1.0f, 0.464407f, 0.4753f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     127.30816f},
    {{0.187004f, 0.0748842f, 0.0f, 0.34747f}, // Glass
     {0.748016f, 0.299537f, 0.0f, 0.34747f},
     {0.836364f, 0.836364f, 0.836364f, 0.34747f},
     {0.0f, 0.0f, 0.0f, 0.34747f},
     117.915136f},
    {{0.133333f, 0.0925319f, 0.0f, 0.0f}, // Metal
     {0.49697f, 0.344891f, 0.0f, 0.0f},
     {1.0f, 0.887978f, 0.0f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     118.690944f},
    {{0.0f, 0.0f, 0.0f, 0.0f}, // Neon
     {0.0f, 0.0f, 0.0f, 0.0f},
     {0.622449f, 0.622449f, 0.622449f, 0.0f},
     {0.0188407f, 0.940276f, 1.0f, 0.0f},
     6.5306112f},
    {{0.187004f, 0.180659f, 0.0672271f, 0.0f}, // Recoco
     {0.748016f, 0.722635f, 0.268909f, 0.0f},
     {0.412121f, 0.412121f, 0.412121f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     103.175808f},
    {{0.20373f, 0.0832482f, 0.0832482f, 0.0f}, // Santefe
     {0.799639f, 0.326749f, 0.326749f, 0.0f},
     {0.327377f, 0.135466f, 0.0f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     9.7959168f},
    {{0.0f, 0.00107338f, 0.0785714f, 0.0f}, // Sheen
     {0.0f, 0.00429352f, 0.314286f, 0.0f},
     {0.364672f, 0.833805f, 0.909091f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     81.454592f},
    {{0.171143f, 0.170799f, 0.171534f, 0.0f}, // Silky
     {0.684572f, 0.683198f, 0.686136f, 0.0f},
     {0.693878f, 0.0335554f, 0.313623f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     9.1428608f},
    {{0.253968f, 0.228701f, 0.0798059f, 0.0f}, // Spring
     {1.0f, 0.900511f, 0.314236f, 0.0f},
     {0.872449f, 0.247119f, 0.254214f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     128.0f},
    {{0.098983f, 0.0565609f, 0.0320604f, 0.0f}, // Summer
     {0.395932f, 0.226244f, 0.128242f, 0.0f},
     {0.192616f, 0.110064f, 0.0623879f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     3.459456f},
    {{0.226102f, 0.193685f, 0.0207668f, 0.0f}, // Tropical
     {0.904409f, 0.774741f, 0.0830671f, 0.0f},
     {0.0955906f, 0.0955906f, 0.0955906f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     10.0f},
    {{0.0486486f, 0.0486486f, 0.0486486f, 0.0f}, // Winter
     {0.205405f, 0.205405f, 0.205405f, 0.0f},
     {0.686486f, 0.676818f, 0.684159f, 0.0f},
     {0.0f, 0.0f, 0.0f, 0.0f},
     128.0f},
}};

} // namespace

void MaterialColors::SetMaterial(int32_t materType) {
  if (materType >= 1 && materType <= MaterialPresetCount) {
    const MaterialRow& row = Presets[static_cast<std::size_t>(materType - 1)];
    Ambient = row.ambient;
    Diffuse = row.diffuse;
    Specular = row.specular;
    Emission = row.emission;
    Shininess[0] = row.shininess;
  }
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, Diffuse.data());
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, Specular.data());
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, Shininess[0]);
  glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, Emission.data());
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, Ambient.data());
}
