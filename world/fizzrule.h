// fizzrule.h -- the beam rules: which actor pairs a beam type links, tested in the
// background once per tick.
#pragma once

#include <cstdint>

struct Actor;
struct ActorType;

// Which pairs of actors a beam type links, and how.
struct FizzRule {
    ActorType *beam_type;
    FizzRule *next;
    float scale;
    float min_dist2;        // squared X/Z distances between which a beam is made
    float max_dist2;
    float flicker_period;
    uint32_t flags;         // FIZZ_* beam flags; 0 disables the rule
    ActorType *type_a;
    ActorType *type_b;
    int matrix_a;           // bone index + 1 on actors of type A
    int matrix_b;
};

// The rules, newest first.
extern FizzRule *g_fizz_rules;

// Takes a new rule: stores the beam type, flags 0, pushes it at the head; the caller
// fills the other fields.
void fizz_rule_add(FizzRule *rule, ActorType *beam_type);

// Empties the rule list, clears the cursor, phase idle (level start).
void fizz_rules_reset(void);
// Deletes every rule, clears the cursor, phase idle (level end and the restart after a death).
void fizz_rules_free(void);
// The background pair test, once per game tick.
void fizz_rules_tick(void);
// A weapon fired the bullet: every rule with flags tries to join the firing actor and the
// new bullet at once (no existing-beam test, no flicker).
void fizz_rules_check_new(Actor *firing, Actor *bullet);
