// art.cpp -- the list of drawn front-end and HUD pictures, each built once per process,
// and their entries in the catalogue.

#include "assetgen/art.h"

#include <filesystem>
#include <map>

namespace {

struct ItemBuilder {
    ArtItem item;
    ArtPicture (*build)(int param);
    int param;
};

ArtPicture build_title(int w) { return art_title_top(w); }
ArtPicture build_emblem(int upper) { return art_corner_emblem(upper != 0); }
ArtPicture build_logo(int page_and_width) { return art_logo(page_and_width / 10000, page_and_width % 10000); }
ArtPicture build_ship(int n) { return art_ship(n); }
ArtPicture build_belt(int n) { return art_belt(n); }
ArtPicture build_arrow(int) { return art_arrow(); }
ArtPicture build_cursor(int) { return art_cursor(); }
ArtPicture build_atlas(int) { return art_hud_atlas(); }
ArtPicture build_crosshair(int) { return art_crosshair(); }
ArtPicture build_hit(int) { return art_enemy_hit(); }
ArtPicture build_gridder(int n) { return art_gridder(n); }
ArtPicture build_bullet(int) { return art_bullet_shadow(); }
ArtPicture build_floor(int) { return art_title_floor(); }

const std::vector<ItemBuilder> &builders()
{
    static const std::vector<ItemBuilder> list = [] {
        const std::string menu = std::string(ASSET_MENU) + "/";
        const std::string bitmaps = std::string(ASSET_STYLES) + "/bitmaps/";
        std::vector<ItemBuilder> b;
        auto add = [&](std::string colour, std::string mask, ArtAlpha alpha, bool clamped,
                       ArtPicture (*fn)(int), int param) {
            b.push_back({{std::move(colour), std::move(mask), alpha, clamped}, fn, param});
        };
        // The "b" pictures are the small-texture variants (256 a side at most) the
        // engine picks when g_voodoo is set.
        add(menu + "titletoppa.bmp", "", ArtAlpha::Brightness, true, build_title, 512);
        add(menu + "titletoppb.bmp", "", ArtAlpha::Brightness, true, build_title, 256);
        add(menu + "titlebott.bmp", menu + "titlebottm.bmp", ArtAlpha::Mask, true, build_emblem, 0);
        add(menu + "titlebotu.bmp", menu + "titlebotum.bmp", ArtAlpha::Mask, true, build_emblem, 1);
        add(menu + "logo_3a.bmp", "", ArtAlpha::Opaque, false, build_logo, 30000 + 512);
        add(menu + "logo_3b.bmp", "", ArtAlpha::Opaque, false, build_logo, 30000 + 256);
        add(menu + "logo_4a.bmp", "", ArtAlpha::Opaque, false, build_logo, 40000 + 512);
        add(menu + "logo_4b.bmp", "", ArtAlpha::Opaque, false, build_logo, 40000 + 256);
        for (int ship = 1; ship <= 5; ship++) {
            std::string n = std::to_string(ship);
            add(menu + "ship" + n + ".bmp", menu + "ship" + n + "m.bmp", ArtAlpha::Mask, true, build_ship, ship);
        }
        // One mask for all belts: it is written with belt 0 and shared by name.
        for (int belt = 0; belt <= 8; belt++) {
            add(menu + "belt000" + std::to_string(belt) + ".bmp", belt == 0 ? menu + "beltmask.bmp" : "",
                ArtAlpha::Mask, true, build_belt, belt);
        }
        add(menu + "leftright.bmp", menu + "leftrightm.bmp", ArtAlpha::Mask, true, build_arrow, 0);
        add(menu + "curs.bmp", menu + "cursm.bmp", ArtAlpha::Mask, false, build_cursor, 0);
        add(menu + "z_playover.bmp", "", ArtAlpha::Brightness, false, build_atlas, 0);
        add(bitmaps + "floor-1_3.bmp", "", ArtAlpha::Brightness, true, build_floor, 0);
        add(bitmaps + "z_crosshair.bmp", bitmaps + "z_crosshairm.bmp", ArtAlpha::Mask, false, build_crosshair, 0);
        add(bitmaps + "z_enemyhit.bmp", "", ArtAlpha::Brightness, false, build_hit, 0);
        for (int g = 1; g <= 4; g++) {
            // Loaded without TEX_RGBA: three channels, drawn additively under the
            // ring's vertex colours.
            add(bitmaps + "z_gridder" + std::to_string(g) + ".bmp", "", ArtAlpha::Opaque, false, build_gridder, g);
        }
        add(bitmaps + "z_bullet.bmp", "", ArtAlpha::Brightness, true, build_bullet, 0);
        return b;
    }();
    return list;
}

const ItemBuilder *find(const std::string &path)
{
    for (const ItemBuilder &b : builders()) {
        if (b.item.colour == path || b.item.mask == path) {
            return &b;
        }
    }
    return nullptr;
}

Bytes build_colour(const AssetEntry &e)
{
    const ArtPicture *p = art_picture(e.path);
    return p && p->colour.width > 0 ? bmp_write_24(p->colour) : Bytes{};
}

Bytes build_mask(const AssetEntry &e)
{
    const ItemBuilder *b = find(e.path);
    const ArtPicture *p = b ? art_picture(b->item.colour) : nullptr;
    return p && p->has_mask ? bmp_write_grey(p->mask) : Bytes{};
}

}  // namespace

const std::vector<ArtItem> &art_items()
{
    static const std::vector<ArtItem> items = [] {
        std::vector<ArtItem> out;
        for (const ItemBuilder &b : builders()) {
            out.push_back(b.item);
        }
        return out;
    }();
    return items;
}

const ArtPicture *art_picture(const std::string &colour_path)
{
    static std::map<std::string, ArtPicture> built;
    auto it = built.find(colour_path);
    if (it != built.end()) {
        return &it->second;
    }
    for (const ItemBuilder &b : builders()) {
        if (b.item.colour == colour_path) {
            return &built.emplace(colour_path, b.build(b.param)).first->second;
        }
    }
    return nullptr;
}

void art_add_to_catalogue(std::vector<AssetEntry> &catalogue)
{
    for (const ArtItem &item : art_items()) {
        catalogue.push_back({item.colour, AssetKind::Bitmap, 0, "", build_colour});
        if (!item.mask.empty()) {
            catalogue.push_back({item.mask, AssetKind::Mask, 0, "", build_mask});
        }
    }
}

std::string art_title_font()
{
    std::filesystem::path sibling = std::filesystem::path(asset_font()).replace_filename("DejaVuSans-Bold.ttf");
    std::error_code ec;
    if (std::filesystem::exists(sibling, ec)) {
        return sibling.string();
    }
    return asset_font();
}
