// zgl.h -- the GL context state: fixed state, viewport and projection, clear colours,
// background hue, overlay plane, fade quad and the GL error log.
#pragma once

// The body of c_background_colour: sets the background colour from the background hue
// at the given brightness percentage and returns the hue in degrees.
float zgl_set_background_colour(float ignored, float percent);
