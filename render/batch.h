// batch.h -- the face batch: the translucent faces of one frame, sorted into depth
// buckets and drawn in one pass per texture.
#pragma once

// Allocates the batch buffers (once, when the frame module starts).
void zbatch_alloc(void);
// Frees them and logs the high-water marks.
void zbatch_free(void);
// Empties the batch.
void zbatch_reset(void);
// Draws and empties the batch.
void zbatch_flush(void);
// Unlocks the vertex arrays locked by the last flush.
void zbatch_unlock_arrays(void);
