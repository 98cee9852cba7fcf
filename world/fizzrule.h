// fizzrule.h -- the beam rules: which actor pairs a beam type links, tested in the
// background once per tick.
#pragma once

// Empties the rule list, clears the cursor, phase idle (level start).
void fizz_rules_reset(void);
// Deletes every rule, clears the cursor, phase idle (level end and the restart after a death).
void fizz_rules_free(void);
// The background pair test, once per game tick.
void fizz_rules_tick(void);
