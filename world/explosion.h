// explosion.h -- explosion types (animation sets under the explosions folder) and the
// debris pieces their uses spawn.
#pragma once

// Empties the explosion type list (level start).
void explosion_types_reset(void);
// Deletes every explosion type and empties the list (level end).
void explosion_types_free(void);

// Empties the debris list (level start).
void debris_reset(void);
// Destroys every piece and empties the list (level end and the restart after a death).
void debris_free_all(void);
// Per tick: moves the pieces, removes spent ones and writes g_debris_count.
void debris_update_all(void);
// Per frame: draws the pieces.
void debris_draw_all(void);
