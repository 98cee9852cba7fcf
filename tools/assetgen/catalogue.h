// catalogue.h -- the one list of every file the generator writes, with the builder of
// each. The tree on disk is exactly this list: nothing is written that is not in it.
#pragma once

#include "assetgen/bytes.h"

#include <string>
#include <vector>

enum class AssetKind { Bitmap, Mask, Sound, Page, Marker, Text, Model, Particle };

struct AssetEntry {
    std::string path;   // relative to the tree's root, '/' between folders
    AssetKind kind;
    int param;          // font page 0..3, level number
    std::string name;   // sound name, file name of a copied text
    Bytes (*build)(const AssetEntry &entry);
};

// The folders below the root, as the game finds them from its working directory "run".
constexpr const char *ASSET_STYLES = "styles";
constexpr const char *ASSET_MENU = "menu";
constexpr const char *ASSET_RUN = "run";
constexpr int ASSET_FIRST_LEVEL = 101;
constexpr int ASSET_LAST_LEVEL = 189;

// The font file the pages are rasterised from (set by the build; main may replace it).
void asset_set_font(const std::string &path);
const std::string &asset_font();

// Every entry, in writing order.
const std::vector<AssetEntry> &asset_catalogue();
// The bytes of one entry; empty when it cannot be built.
Bytes asset_build(const AssetEntry &entry);
// Writes every entry below root, making folders as needed. Returns the number of files
// written, or -1 after printing the reason to stderr.
int asset_write_tree(const std::string &root);
