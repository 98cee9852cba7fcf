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
// The background test's place: the rule tested next (or none) and the phase (0 or 1 while
// running, FIZZ_RULES_IDLE at level start and while the game is frozen or not started).
extern FizzRule *g_fizz_rule_cursor;
extern int g_fizz_rule_phase;
constexpr int FIZZ_RULES_IDLE = 3;

// Takes a new rule: stores the beam type, flags 0, pushes it at the head; the caller
// fills the other fields.
void fizz_rule_add(FizzRule *rule, ActorType *beam_type);

// Empties the rule list, clears the cursor, phase idle (level start).
void fizz_rules_reset(void);
// Deletes every rule, clears the cursor, phase idle (level end and the restart after a death).
void fizz_rules_free(void);
// The background pair test, once per game tick: one rule every second tick against every
// pair of beam-flagged enemies (main list, then ground list), the first of each pair
// hittable; one idle turn after the last rule.
void fizz_rules_tick(void);
// The pair test: a and b of the rule's two types (either order), their X/Z distance
// squared within min .. max dist2 (inclusive), not joined yet by a beam of the rule's
// type: a new beam from the actor of type A to the one of type B.
void fizz_rule_try_link(const FizzRule *rule, Actor *a, Actor *b);
// The same without the existing-beam test and without flicker (a shot just fired).
void fizz_rule_try_link_new(const FizzRule *rule, Actor *a, Actor *b);
// Every enabled rule tried between a firing actor and the shot it just made (the weapons
// call it for bullet-category shots).
void fizz_rules_check_new(Actor *shooter, Actor *bullet);
// Bit 0 of flags deletes the rule.
void fizz_rule_destroy(FizzRule *rule, int flags);
