// actortype_local.h -- the registry state the actor-type files share: the type and the
// parameter block the definition calls add to, and the section bits.
#pragma once

#include "world/actortype.h"

// The type the definition calls add to (the last one preloaded), or null after a failed
// or repeated preload.
extern ActorType *g_current_type;
// Its base block, or the block of the trigger state added last.
extern ActorParams *g_current_block;
// ACTORTYPE_SECTION_* bits; 0 outside a trigger-state section.
extern int g_section_bits;

