// batch.cpp -- the face batch and its depth buckets.

#include "render/batch.h"

void zbatch_alloc(void)
{
}

void zbatch_free(void)
{
}

void zbatch_reset(void)
{
}

void zbatch_flush(void)
{
}

void zbatch_unlock_arrays(void)
{
}
