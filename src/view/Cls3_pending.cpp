// Members of Cls3 whose bodies belong to the axes drawing and to the documents and are not built
// yet. Whoever builds one deletes its stub here in the same commit that defines it.

#include "view/Cls3.h"

#include <stdexcept>

// ---------------------------------------------------------------------------------------------
// Axes drawing (src/view): Draw
void Cls3::Draw(int32_t, float&, float&, float&, float&, float&, float&) {
  throw std::logic_error("Cls3::Draw is not built yet (axes drawing)");
}

// ---------------------------------------------------------------------------------------------
// Axes drawing (src/view): Draw2DGrid
void Cls3::Draw2DGrid(float&, float&, float&, float&, float&, float&) {
  throw std::logic_error("Cls3::Draw2DGrid is not built yet (axes drawing)");
}

// ---------------------------------------------------------------------------------------------
// Axes drawing (src/view): DrawBackground
void Cls3::DrawBackground(float&, float&, float&, float&, float&, float&) {
  throw std::logic_error("Cls3::DrawBackground is not built yet (axes drawing)");
}

// ---------------------------------------------------------------------------------------------
// Documents (src/document): Save
std::string Cls3::Save() const { throw std::logic_error("Cls3::Save is not built yet (documents)"); }
