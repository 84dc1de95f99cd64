// The simulator's trigonometry, the same to the last bit on every platform. The C libraries'
// sin, cos and atan2 differ in their last bits between Linux and Windows, and a session must
// give the same frames with the Linux library and with the Windows DLL. Only the four basic
// operations are used, in double precision, and each result is rounded to float once.
#pragma once

namespace sim {

// Arguments in radians. Accurate to the float's last bit or nearly so while |radians| stays
// below about a million, which no simulated heading reaches; beyond 2^50, and for infinities
// and NaN, the result is NaN.
float sine(float radians);
float cosine(float radians);
float tangent(float radians);
// The angle of the point (x, y) in radians, in [-pi, pi], with atan2's zeros and signs.
float arcTangent2(float y, float x);

} // namespace sim
