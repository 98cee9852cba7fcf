// fuzz_init.cpp -- the fuzz targets' start-up: the layers are connected as the program's
// start-up connects them (init_imports) before the first input.

#include "game/lifecycle.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    (void)argc;
    (void)argv;
    init_imports();
    return 0;
}
