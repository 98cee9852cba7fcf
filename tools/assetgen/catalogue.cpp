// catalogue.cpp -- the catalogue of the asset tree and the tree writer.

#include "assetgen/catalogue.h"

#include "assetgen/art.h"
#include "assetgen/decals.h"
#include "assetgen/fonts.h"
#include "assetgen/images.h"
#include "assetgen/models.h"
#include "assetgen/particles.h"
#include "assetgen/sounds.h"
#include "assetgen/texts.h"

#include <cstdio>
#include <filesystem>

#ifndef ASSETGEN_FONT
#define ASSETGEN_FONT "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"
#endif

namespace {

std::string &font_path()
{
    static std::string path = ASSETGEN_FONT;
    return path;
}

Bytes build_light(const AssetEntry &)
{
    return image_light();
}

Bytes build_footprint_sole(const AssetEntry &)
{
    return decal_footprint_sole();
}

Bytes build_footprint_pad(const AssetEntry &)
{
    return decal_footprint_pad();
}

Bytes build_font_colour(const AssetEntry &e)
{
    return font_page_colour_bmp(font_path().c_str(), e.param);
}

Bytes build_font_mask(const AssetEntry &e)
{
    return font_page_mask_bmp(font_path().c_str(), e.param);
}

Bytes build_sound(const AssetEntry &e)
{
    return sound_build(e.name);
}

Bytes build_readme(const AssetEntry &)
{
    return text_readme();
}

Bytes build_menu_text(const AssetEntry &e)
{
    return text_menu_file(e.name);
}

Bytes build_marker(const AssetEntry &e)
{
    return text_level_marker(e.param);
}

std::vector<AssetEntry> make_catalogue()
{
    const std::string styles = ASSET_STYLES;
    const std::string menu = ASSET_MENU;
    const std::string run = ASSET_RUN;
    std::vector<AssetEntry> c;
    c.push_back({styles + "/bitmaps/z_light.bmp", AssetKind::Bitmap, 0, "", build_light});
    art_add_to_catalogue(c);
    c.push_back({styles + "/bitmaps/z_footprint1.bmp", AssetKind::Bitmap, 0, "", build_footprint_sole});
    c.push_back({styles + "/bitmaps/z_footprint2.bmp", AssetKind::Bitmap, 0, "", build_footprint_pad});
    particles_add_to_catalogue(c);
    for (const std::string &name : sound_names()) {
        c.push_back({styles + "/sfx/" + name + ".wav", AssetKind::Sound, 0, name, build_sound});
    }
    for (int page = 0; page < FONT_PAGES; page++) {
        std::string base = menu + "/font_en_" + std::to_string(page + 1);
        c.push_back({base + ".bmp", AssetKind::Bitmap, page, "", build_font_colour});
        c.push_back({base + "m.bmp", AssetKind::Mask, page, "", build_font_mask});
    }
    c.push_back({menu + "/readme.htm", AssetKind::Page, 0, "", build_readme});
    for (const std::string &name : text_menu_files()) {
        c.push_back({menu + "/" + name, AssetKind::Text, 0, name, build_menu_text});
    }
    models_add_to_catalogue(c);
    for (int level = ASSET_FIRST_LEVEL; level <= ASSET_LAST_LEVEL; level++) {
        c.push_back({run + "/level" + std::to_string(level) + ".lua", AssetKind::Marker, level, "", build_marker});
    }
    return c;
}

}  // namespace

void asset_set_font(const std::string &path)
{
    font_path() = path;
}

const std::string &asset_font()
{
    return font_path();
}

const std::vector<AssetEntry> &asset_catalogue()
{
    static const std::vector<AssetEntry> catalogue = make_catalogue();
    return catalogue;
}

Bytes asset_build(const AssetEntry &entry)
{
    return entry.build ? entry.build(entry) : Bytes{};
}

int asset_write_tree(const std::string &root)
{
    int written = 0;
    for (const AssetEntry &e : asset_catalogue()) {
        Bytes bytes = asset_build(e);
        if (bytes.empty()) {
            std::string error;
            if (e.kind == AssetKind::Bitmap || e.kind == AssetKind::Mask) {
                font_pages(font_path().c_str(), &error);
            }
            fprintf(stderr, "assetgen: cannot build %s %s\n", e.path.c_str(), error.c_str());
            return -1;
        }
        std::filesystem::path path = std::filesystem::path(root) / e.path;
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        FILE *f = fopen(path.string().c_str(), "wb");
        if (!f) {
            fprintf(stderr, "assetgen: cannot create %s\n", path.string().c_str());
            return -1;
        }
        size_t put = fwrite(bytes.data(), 1, bytes.size(), f);
        int closed = fclose(f);
        if (put != bytes.size() || closed != 0) {
            fprintf(stderr, "assetgen: cannot write %s\n", path.string().c_str());
            return -1;
        }
        written++;
    }
    return written;
}
