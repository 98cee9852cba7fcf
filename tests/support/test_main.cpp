// test_main.cpp -- the entry of every test program: the layers are connected as the
// program's start-up connects them (init_imports), then the cases run.

#include "game/lifecycle.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    init_imports();
    return RUN_ALL_TESTS();
}
