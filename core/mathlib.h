// mathlib.h -- the small toolkit of numbers: angles in degrees, quaternions, the fast
// reciprocal, planes, the view frustum's side planes, distances. Vectors are three
// floats x, y, z (y up, the arena floor is X/Z); quaternions are x, y, z, w.
#pragma once

constexpr float DEG2RAD = 0.017453292f;
constexpr float RAD2DEG = 57.29578f;

// The four side planes (a, b, c, d) of the view frustum, rebuilt by the camera each frame.
extern float g_frustum_planes[4][4];

// Truncates toward zero as (int) does; NaN gives 0 and values beyond the int range stop at
// its ends, so numbers from scripts never make the conversion undefined.
int trunc_to_int(double value);
// Brings an angle into [-180, 180] (both ends kept). Non-finite input gives 0.
float angle_wrap180(float angle);
// Wraps each angle in place, then builds the quaternion of the Euler angles.
void quat_from_euler(float angles[3], float quat[4]);
void quat_to_euler(const float quat[4], float angles[3]);
// Heading of a rotation about y, in degrees; exactly 0 when w is +-1.
float quat_get_yaw(const float quat[4]);
// 3 x 4 rotation matrix, rows of four floats, last row zero.
void quat_to_matrix34(const float quat[4], float m[3][4]);
// Heading of a direction in the X/Z plane: (1,0,0) 0, (0,0,-1) 90, (-1,0,0) 180, (0,0,1) -90.
float vec_heading(const float dir[3]);

// 1/t by the bit trick and one Newton step; t must not be 0.
float fast_recip(float t);

// Plane through three points, normal (p1 - p0) x (p2 - p0) normalised; all zero for
// collinear points.
void plane_from_points(float plane[4], const float p0[3], const float p1[3], const float p2[3]);
// The same, logging degenerate input ("z %f" or "  cross product = 0").
void plane_from_points_checked(float plane[4], const float p0[3], const float p1[3], const float p2[3]);
// The four side planes from the camera's eight view-volume corners.
void frustum_planes_from_corners(float planes[4][4], const float corners[8][3]);
// 1 when the sphere is not wholly outside any of g_frustum_planes.
int frustum_sphere_visible(const float centre[3], float radius);
// Pulls a point of the X/Z plane inside g_frustum_planes; y is ignored.
void frustum_clamp_point(float pos[3]);

float vec_dist2_xz(const float a[3], const float b[3]);
float vec_dist(const float a[3], const float b[3]);
float vec_dist2(const float a[3], const float b[3]);
void vec_cross(const float a[3], const float b[3], float out[3]);
// out = a - s * b
void vec_ma(const float a[3], float s, const float b[3], float out[3]);
// Normalises in place; a zero vector logs "z %f" and is left as it is (length taken as 1).
void vec_normalize(float v[3]);
