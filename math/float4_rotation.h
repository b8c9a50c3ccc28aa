#pragma once
// The rotation conversions of rotation.h for float4 arguments; the w of every
// argument takes no part in the result. The matrix of a quaternion as a float4x4
// is the float4x4 constructor from a quat.

#include "math/float4.h"
#include "math/quat.h"

// The quaternion of the Euler angles e.x, e.y, e.z (x applied first).
quat quat_from_euler(const float4& e);

// rotation_between of rotation.h with an axis, for the x, y, z of the arguments.
quat rotation_between(const float4& from, const float4& to, const float4& axis, bool constrain);
