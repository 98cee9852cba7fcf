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

// The bone index of name in set, or -1 when there is no such bone (or no name).
int actortype_bone_or_none(const AnimSet *set, const char *name);
