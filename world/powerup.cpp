// powerup.cpp -- power-ups: drops, pick-up and their history.

#include "world/powerup.h"

#include "core/con.h"
#include "world/actortype.h"

float g_powerup_countdown = 20.0f;
ActorType *g_powerup_types[POWERUP_MAX_TYPES];
float g_powerup_weights[POWERUP_MAX_TYPES];
int g_powerup_type_count;

void powerup_register_type(ActorType *type)
{
    if (g_powerup_type_count >= POWERUP_MAX_TYPES) {
        con_printf("*** [powerup] too many");
        return;
    }
    g_powerup_types[g_powerup_type_count] = type;
    g_powerup_weights[g_powerup_type_count] = type->params->spin_speed_min;
    g_powerup_type_count++;
}

void powerups_reset_history(void)
{
}

void powerups_reset(void)
{
    g_powerup_type_count = 0;
}

void powerups_free_all(void)
{
    g_powerup_type_count = 0;
}

void powerups_tick(void)
{
}

void powerups_spawn_timer(const float point[3])
{
    (void)point;
}
