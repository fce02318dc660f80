#include "engine/resource_manager.h"

#include <iostream>
#include <sstream>
#include <string_view>

namespace {

// The name under which Resource_Load finds a script: a path inside the game
// folder becomes relative to it, so the attached pack is searched too.
std::string ResourceName(HGE& hge, const std::string& path) {
    const std::string probe = "x";
    std::string prefix = hge.Resource_MakePath(probe);
    prefix.resize(prefix.size() - probe.size());
    if (!prefix.empty() && path.size() > prefix.size() && path.starts_with(prefix)) {
        return path.substr(prefix.size());
    }
    return path;
}

std::string FormatNumber(float v) {
    std::ostringstream out;
    out << v;
    return out.str();
}

}  // namespace

hgeResourceManager::hgeResourceManager(const std::string& scriptPath)
    : hge_(hgeCreate(HGE_VERSION)), scriptPath_(scriptPath) {
    scriptName_ = ResourceName(*hge_, scriptPath);
    std::vector<std::uint8_t> bytes;
    if (!hge_->Resource_Load(scriptName_, bytes)) {
        std::cerr << scriptName_ << ": resource script not found in the pack or the game folder\n";
        return;
    }
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    defs_ = ParseResourceScript(text, scriptName_, std::cerr);
}

hgeResourceManager::~hgeResourceManager() {
    // The objects go before the textures they draw from.
    sprites_.clear();
    animations_.clear();
    for (const auto& [name, tex] : textures_) {
        if (tex != 0) {
            hge_->Texture_Free(tex);
        }
    }
    hge_->Release();
}

const ResourceDef* hgeResourceManager::Find(ResourceDef::Kind kind, const std::string& name) const {
    for (const ResourceDef& def : defs_) {
        if (def.kind == kind && def.name == name) {
            return &def;
        }
    }
    return nullptr;
}

void hgeResourceManager::Complain(const ResourceDef& def, const std::string& message) const {
    std::cerr << scriptName_ << ':' << def.line << ": " << message << '\n';
}

HTEXTURE hgeResourceManager::GetTexture(const std::string& name) {
    if (auto it = textures_.find(name); it != textures_.end()) {
        return it->second;
    }
    const ResourceDef* def = Find(ResourceDef::Kind::Texture, name);
    if (def == nullptr) {
        return 0;
    }
    // A file that fails to load is tried once; its sprites draw untextured.
    HTEXTURE tex = hge_->Texture_Load(def->file);
    if (tex == 0) {
        Complain(*def, "texture '" + name + "': cannot load '" + def->file + "'");
    }
    textures_.emplace(name, tex);
    return tex;
}

// Warns when a sprite's rectangle, or any frame of an animation laid out
// left to right and wrapping at the texture's right edge, leaves the texture.
void hgeResourceManager::CheckFits(const ResourceDef& def, HTEXTURE tex) const {
    if (tex == 0) {
        return;
    }
    float texW = static_cast<float>(hge_->Texture_GetWidth(tex));
    float texH = static_cast<float>(hge_->Texture_GetHeight(tex));
    float x = def.x, y = def.y;
    for (int i = 0; i < def.frames; ++i) {
        if (i > 0) {
            x += def.w;
            if (x + def.w > texW) {
                x = 0;
                y += def.h;
            }
        }
        if (x + def.w > texW || y + def.h > texH) {
            std::string what = def.kind == ResourceDef::Kind::Animation
                                   ? "animation '" + def.name + "': frame " +
                                         std::to_string(i + 1) + " of " + std::to_string(def.frames)
                                   : "sprite '" + def.name + "'";
            Complain(def, what + " at " + FormatNumber(x) + "," + FormatNumber(y) + " size " +
                              FormatNumber(def.w) + "x" + FormatNumber(def.h) +
                              " lies outside texture '" + def.texture + "' (" + FormatNumber(texW) +
                              "x" + FormatNumber(texH) + ")");
            return;
        }
    }
}

hgeSprite* hgeResourceManager::GetSprite(const std::string& name) {
    if (auto it = sprites_.find(name); it != sprites_.end()) {
        return it->second.get();
    }
    const ResourceDef* def = Find(ResourceDef::Kind::Sprite, name);
    if (def == nullptr) {
        return nullptr;
    }
    HTEXTURE tex = GetTexture(def->texture);
    CheckFits(*def, tex);
    auto sprite = std::make_unique<hgeSprite>(tex, def->x, def->y, def->w, def->h);
    sprite->SetHotSpot(def->hotX, def->hotY);
    sprite->SetColor(def->color);
    sprite->SetBlendMode(def->blend);
    return sprites_.emplace(name, std::move(sprite)).first->second.get();
}

hgeAnimation* hgeResourceManager::GetAnimation(const std::string& name) {
    if (auto it = animations_.find(name); it != animations_.end()) {
        return it->second.get();
    }
    const ResourceDef* def = Find(ResourceDef::Kind::Animation, name);
    if (def == nullptr) {
        return nullptr;
    }
    HTEXTURE tex = GetTexture(def->texture);
    CheckFits(*def, tex);
    auto animation =
        std::make_unique<hgeAnimation>(tex, def->frames, def->fps, def->x, def->y, def->w, def->h);
    animation->SetMode(def->mode);
    animation->SetHotSpot(def->hotX, def->hotY);
    animation->SetColor(def->color);
    animation->SetBlendMode(def->blend);
    return animations_.emplace(name, std::move(animation)).first->second.get();
}
