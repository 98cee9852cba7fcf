// fizzrule.cpp -- the beam rules of the level.

#include "world/fizzrule.h"

FizzRule *g_fizz_rules;

void fizz_rule_add(FizzRule *rule, ActorType *beam_type)
{
    rule->beam_type = beam_type;
    rule->flags = 0;
    rule->next = g_fizz_rules;
    g_fizz_rules = rule;
}

void fizz_rules_reset(void)
{
    g_fizz_rules = nullptr;
}

void fizz_rules_free(void)
{
    while (FizzRule *r = g_fizz_rules) {
        g_fizz_rules = r->next;
        delete r;
    }
}

void fizz_rules_tick(void)
{
}

void fizz_rules_check_new(Actor *firing, Actor *bullet)
{
    (void)firing;
    (void)bullet;
}
