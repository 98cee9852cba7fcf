// fizzrule.cpp -- the beam rules of the level: the background pair test that walks the
// rules one every second tick, and the test of a shot just fired.

#include "world/fizzrule.h"

#include "core/mathlib.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/fizz.h"
#include "world/level.h"

FizzRule *g_fizz_rules;
FizzRule *g_fizz_rule_cursor;
int g_fizz_rule_phase = FIZZ_RULES_IDLE;

void fizz_rule_add(FizzRule *rule, ActorType *beam_type)
{
    rule->beam_type = beam_type;
    rule->flags = 0;
    rule->next = g_fizz_rules;
    g_fizz_rules = rule;
}

void fizz_rule_destroy(FizzRule *rule, int flags)
{
    if (flags & 1) {
        delete rule;
    }
}

void fizz_rules_reset(void)
{
    g_fizz_rules = nullptr;
    g_fizz_rule_cursor = nullptr;
    g_fizz_rule_phase = FIZZ_RULES_IDLE;
}

void fizz_rules_free(void)
{
    while (FizzRule *r = g_fizz_rules) {
        g_fizz_rules = r->next;
        fizz_rule_destroy(r, 1);
    }
    g_fizz_rule_cursor = nullptr;
    g_fizz_rule_phase = FIZZ_RULES_IDLE;
}

// Whether a pair meets the rule: the actor of type A first, or null when the pair is
// not of the rule's types or not within its distance band.
static Actor *fizz_rule_pair(const FizzRule *rule, Actor *a, Actor *b, Actor **other)
{
    if (!a || !b) {
        return nullptr;
    }
    if (a->type == rule->type_a && b->type == rule->type_b) {
        *other = b;
    } else if (a->type == rule->type_b && b->type == rule->type_a) {
        *other = a;
        a = b;
    } else {
        return nullptr;
    }
    float q = vec_dist2_xz(a->position, b->position);
    return q >= rule->min_dist2 && q <= rule->max_dist2 ? a : nullptr;
}

// The new beam from end a (type A) to end b, with the rule's length band.
static Fizz *fizz_rule_make(const FizzRule *rule, Actor *a, Actor *b)
{
    Fizz *f = new Fizz;
    if (fizz_init(f, rule->scale, rule->beam_type, rule->flags) != 0) {
        fizz_destroy(f, 1);
        return nullptr;
    }
    fizz_attach(f, a, rule->matrix_a, b, rule->matrix_b);
    f->min_length2 = rule->min_dist2;
    f->max_length2 = rule->max_dist2;
    return f;
}

void fizz_rule_try_link(const FizzRule *rule, Actor *a, Actor *b)
{
    Actor *end_b = nullptr;
    Actor *end_a = fizz_rule_pair(rule, a, b, &end_b);
    if (!end_a || fizz_exists_between(rule->beam_type, end_a, end_b)) {
        return;
    }
    if (Fizz *f = fizz_rule_make(rule, end_a, end_b)) {
        f->flicker_period = rule->flicker_period;
    }
}

void fizz_rule_try_link_new(const FizzRule *rule, Actor *a, Actor *b)
{
    Actor *end_b = nullptr;
    Actor *end_a = fizz_rule_pair(rule, a, b, &end_b);
    if (end_a) {
        fizz_rule_make(rule, end_a, end_b);
    }
}

void fizz_rules_check_new(Actor *shooter, Actor *bullet)
{
    for (const FizzRule *r = g_fizz_rules; r; r = r->next) {
        if (r->flags) {
            fizz_rule_try_link_new(r, shooter, bullet);
        }
    }
}

static int fizz_rules_linked(const Beastie *b)
{
    return b->type && b->type->beam_flag > 0;
}

void fizz_rules_tick(void)
{
    if (fizz_game_frozen() || g_level_ticks < 0) {
        g_fizz_rule_phase = FIZZ_RULES_IDLE;
        return;
    }
    g_fizz_rule_phase = (g_fizz_rule_phase + 1) & 1;
    if (g_fizz_rule_phase == 0) {
        g_fizz_rule_cursor = g_fizz_rule_cursor ? g_fizz_rule_cursor->next : g_fizz_rules;
    }
    const FizzRule *rule = g_fizz_rule_cursor;
    if (g_fizz_rule_phase == 1 || !rule || rule->flags == 0) {
        return;
    }
    // Every pair of the all-enemies list (the main list, then the ground list), a first.
    Beastie *const heads[2] = {g_beasties, g_ground_beasties};
    for (int la = 0; la < 2; la++) {
        for (Beastie *a = heads[la]; a; a = a->next) {
            if (a->hit_clock >= 0.0f || !fizz_rules_linked(a)) {
                continue;
            }
            for (int lb = la; lb < 2; lb++) {
                for (Beastie *b = lb == la ? a->next : heads[lb]; b; b = b->next) {
                    if (fizz_rules_linked(b)) {
                        fizz_rule_try_link(rule, a, b);
                    }
                }
            }
        }
    }
}
