// anim_synth.h -- animation sets made in memory for the actor tests: bones with their
// health, hit spheres and named tracks, written with the generator's writer into bytes
// and read by the engine's reader from a memory stream (no file). A built set joins the
// registry, so anim_sets_free_all releases it.
#pragma once

#include "assetgen/formats.h"
#include "core/stream.h"
#include "world/animset.h"

#include <string>
#include <vector>

class AnimSynth {
public:
    // A bone hanging from parent (a matrix index: 0 the actor, j + 1 bone j), at (x, y, z)
    // in the parent's space, with its health; breakable bones collapse when shot to 0.
    AnimSynth &bone(const std::string &name, int parent, float x, float y, float z, float health = 0.0f,
                    bool breakable = false)
    {
        AnimBoneOut b;
        b.parent = parent;
        b.word = breakable ? ANIM_BONE_BREAKABLE : 0;
        b.name = name;
        b.keys.push_back({{0, 0, 0, 1, x, y, z, 1, 1, 1}});
        file.bones.push_back(b);
        file.health.push_back(health);
        return *this;
    }
    // A hit sphere in the space of a matrix.
    AnimSynth &sphere(int matrix, float x, float y, float z, float radius)
    {
        AnimSphereOut s;
        s.matrix = matrix;
        s.centre[0] = x;
        s.centre[1] = y;
        s.centre[2] = z;
        s.radius = radius;
        file.spheres.push_back(s);
        return *this;
    }
    // A whole-skeleton track holding the rest pose for keys keys, step per tick toward
    // each; loop_key < 0 plays once.
    AnimSynth &track(const std::string &name, int loop_key = -1, int keys = 3, float step = 0.1f)
    {
        AnimTrackOut t;
        t.name = name;
        t.root_bone = -1;
        t.loop_key = loop_key;
        t.key_frames.assign((size_t)keys, 1);
        t.steps.assign((size_t)keys, step);
        t.arrive_ease.assign((size_t)keys, 0.0f);
        t.leave_ease.assign((size_t)keys, 0.0f);
        t.root_offsets.assign((size_t)keys, {{0, 0, 0}});
        t.second_offsets.assign((size_t)keys, {{0, 0, 0}});
        file.tracks.push_back(t);
        return *this;
    }
    // The set, read from the written bytes; null when the reader refuses them.
    AnimSet *build(const std::string &name) const
    {
        Bytes bytes = anim_write(file);
        MemStream s;
        memstream_init(&s, bytes.data(), (int)bytes.size(), name.c_str());
        AnimSet *set = anim_set_parse(&s, name.c_str());
        if (set) {
            set->next = g_anim_sets;
            g_anim_sets = set;
        }
        return set;
    }

    AnimFile file = no_defaults();

private:
    static AnimFile no_defaults()
    {
        AnimFile f;
        f.defaults = {{-1, -1, -1, -1, -1, -1, -1, -1}};
        return f;
    }
};
