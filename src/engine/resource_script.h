// The resource-script parser: turns the text of a res/*.pak script into a
// list of texture, sprite and animation definitions. It loads nothing; the
// resource manager builds the objects. Format: docs/resource-scripts.md.
#pragma once

#include "engine/animation.h"
#include "engine/hge.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

struct ResourceDef {
    enum class Kind { Texture, Sprite, Animation };
    Kind kind = Kind::Texture;
    std::string name;
    int line = 0;  // where the entry stands in its script, from 1

    std::string file;     // texture: the resource file to load
    std::string texture;  // sprite, animation: the texture entry's name

    // The sprite's rectangle, or the animation's first frame, in texture pixels.
    float x = 0, y = 0, w = 0, h = 0;
    int frames = 1;
    float fps = 0;
    int mode = HGEANIM_FWD | HGEANIM_LOOP;
    float hotX = 0, hotY = 0;
    DWORD color = 0xFFFFFFFF;
    int blend = BLEND_DEFAULT;

    bool operator==(const ResourceDef&) const = default;
};

// Parses one script. Every malformed line is reported on errors as
// "FILE:LINE: message" (one line each) and left out of the result; the rest
// of the script still counts.
std::vector<ResourceDef> ParseResourceScript(std::string_view text, const std::string& fileName,
                                             std::ostream& errors);
