#pragma once
// The virtual trackball: turns a mouse drag across the view into a rotation held as a unit
// quaternion, composes rotations and builds the matrix that the scene compiler multiplies onto
// the model-view matrix. Also the small vector and angle helpers these need (the vector drawing
// uses ArcCosine for direction angles).
//
// View points are in view coordinates: -1 at the left or bottom edge, 1 at the right or top edge,
// the view's centre at (0, 0). The trackball's radius is 0.5 there.

#include <array>
#include <cstdint>

// A vector of the helpers: items 0 to 2 are x, y, z; item 3 is carried along by VectorCopy and
// cleared by VectorCross, so that vectors and quaternions share one layout.
using Vec4f = std::array<float, 4>;

// A rotation: the vector part in items 0 to 2, the scalar part in item 3. A rotation by the angle
// phi about the unit axis a is (a sin(phi/2), cos(phi/2)).
using Quaternion = std::array<float, 4>;

// Sixteen values in the element order that glMultMatrixf takes.
using Matrix16 = std::array<float, 16>;

inline constexpr Quaternion IdentityRotation{0.0f, 0.0f, 0.0f, 1.0f};

// The radius of the trackball in view coordinates.
inline constexpr float TrackballRadius = 0.5f;

// --- vectors (arrays are changed in place) ---------------------------------------------------

void VectorZero(Vec4f& v);                                     // items 0..2 = 0
void VectorSet(Vec4f& v, float x, float y, float z);           // items 0..2 = x, y, z
void VectorSubtract(const Vec4f& a, const Vec4f& b, Vec4f& r); // r = a - b (items 0..2)
void VectorCopy(const Vec4f& a, Vec4f& r);                     // r = a (all four items)
void VectorCross(const Vec4f& a, const Vec4f& b, Vec4f& r);    // r = a x b, r[3] = 0
double VectorLength(const Vec4f& v);                           // |v| of items 0..2
void VectorScale(Vec4f& v, float s);                           // items 0..2 times s
// Scales v to unit length; a zero vector has no direction and is left as it is.
void VectorNormalize(Vec4f& v);
float VectorDot(const Vec4f& a, const Vec4f& b);          // a . b (items 0..2)
void VectorAdd(const Vec4f& a, const Vec4f& b, Vec4f& r); // r = a + b (items 0..2)

// --- angles (radians) --------------------------------------------------------------------------

// Arc sine: pi/2 for exactly 1, else arctan(x / sqrt(1 - x^2)); -pi/2 for -1. Values beyond
// [-1, 1] (rounding of a cosine) are taken as the nearer limit.
double ArcSine(double x);

// Arc cosine from 0 to pi: 0 for exactly 1; 0 is computed as 1e-7 (pi/2 less about 1e-7);
// otherwise arctan(sqrt(1 - x^2) / x), plus pi for negative x (pi for -1). Values beyond
// [-1, 1] are taken as the nearer limit.
double ArcCosine(double x);

// --- trackball -----------------------------------------------------------------------------------

// Height of the trackball surface above the view point (x, y): a sphere of radius r near the
// centre, continued by a hyperbolic sheet from r * 0.7071 outwards.
float SphereDepth(float r, float x, float y);

// The rotation of a drag from view point (p1x, p1y) to (p2x, p2y). The rotation mode is a
// RotationKind (ProgramState.h): 1 free trackball, 2/3/4 about the scene axis that carries the X, Y
// or Z values of 3D documents; the angle is always the one the free trackball turns for the drag.
// A drag of zero length, or a mode without rotation, gives the identity.
void TrackballQuaternion(Quaternion& q, float p1x, float p1y, float p2x, float p2y,
                         int32_t rotationMode);
// The same with the program-wide RotationMode.
void TrackballQuaternion(Quaternion& q, float p1x, float p1y, float p2x, float p2y);

// q = (a sin(phi/2), cos(phi/2)); the axis is normalised in place first.
void AxisAngleQuaternion(Vec4f& a, float phi, Quaternion& q);

// dest = the rotation q1 followed by q2 (the Hamilton product q2 q1), normalised. dest may be the
// same array as q1 or q2.
void CombineRotations(const Quaternion& q1, const Quaternion& q2, Quaternion& dest);

// Divides all four items by the quaternion's length (a zero quaternion stays zero).
void NormalizeQuaternion(Quaternion& q);

// The 4 x 4 rotation matrix of q, ready for glMultMatrixf.
void RotationMatrixFromQuaternion(Matrix16& m, const Quaternion& q);
