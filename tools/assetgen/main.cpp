// main.cpp -- assetgen: writes the game's asset tree.
//
//   assetgen ROOT [--font FILE]      the tree: ROOT/styles, ROOT/menu, ROOT/run
//   assetgen --seeds DIR             sample files of every format (fuzz seeds)
//   assetgen --preview DIR [--font FILE]   PNG previews of the drawn pictures

#include "assetgen/art.h"
#include "assetgen/catalogue.h"
#include "assetgen/samples.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    std::string root;
    std::string seeds;
    std::string preview;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--font") == 0 && i + 1 < argc) {
            asset_set_font(argv[++i]);
        } else if (strcmp(argv[i], "--seeds") == 0 && i + 1 < argc) {
            seeds = argv[++i];
        } else if (strcmp(argv[i], "--preview") == 0 && i + 1 < argc) {
            preview = argv[++i];
        } else if (argv[i][0] != '-' && root.empty()) {
            root = argv[i];
        } else {
            fprintf(stderr, "usage: assetgen ROOT [--font FILE] | assetgen --seeds DIR\n");
            return 2;
        }
    }
    if (!seeds.empty()) {
        return samples_write_seeds(seeds) < 0 ? 1 : 0;
    }
    if (!preview.empty()) {
        return art_write_previews(preview) < 0 ? 1 : 0;
    }
    if (root.empty()) {
        fprintf(stderr, "usage: assetgen ROOT [--font FILE] | assetgen --seeds DIR\n");
        return 2;
    }
    int n = asset_write_tree(root);
    if (n < 0) {
        return 1;
    }
    printf("assetgen: %d files in %s\n", n, root.c_str());
    return 0;
}
