// fizz.h -- energy beams between bones of two actors.
#pragma once

// Empties the beam list (level start).
void fizz_reset(void);
// Releases and deletes every beam (level end and the restart after a death).
void fizz_free_all(void);
// Per tick: updates the beams and removes those whose strength ran out.
void fizz_update_all(void);
// Every beam starts dying (each tick of the level end).
void fizz_kill_all(void);
// Per frame: draws the visible beams.
void fizz_draw_all(void);
