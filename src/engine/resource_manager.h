// Loads a resource script (our own text format, docs/resource-scripts.md)
// and hands out its textures, sprites and animations by name. The manager
// owns what it loads; callers copy the objects they draw.
#pragma once

#include "engine/animation.h"
#include "engine/hge.h"
#include "engine/resource_script.h"
#include "engine/sprite.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class hgeResourceManager {
public:
    // Loads the script at path (a path from Resource_MakePath, or a name in
    // the attached pack). A missing script gives an empty manager; a
    // malformed entry is reported on stderr with file and line and skipped.
    explicit hgeResourceManager(const std::string& scriptPath);
    ~hgeResourceManager();
    hgeResourceManager(const hgeResourceManager&) = delete;
    hgeResourceManager& operator=(const hgeResourceManager&) = delete;

    // Null when the name is not defined.
    HTEXTURE GetTexture(const std::string& name);
    hgeSprite* GetSprite(const std::string& name);
    hgeAnimation* GetAnimation(const std::string& name);

private:
    const ResourceDef* Find(ResourceDef::Kind kind, const std::string& name) const;
    // Reports on stderr, as "SCRIPT:LINE: message", a problem found while building def.
    void Complain(const ResourceDef& def, const std::string& message) const;
    void CheckFits(const ResourceDef& def, HTEXTURE tex) const;

    HGE* hge_ = nullptr;
    std::string scriptPath_;
    std::string scriptName_;  // the name messages use: relative to the game folder when inside it
    std::vector<ResourceDef> defs_;
    std::map<std::string, HTEXTURE> textures_;
    std::map<std::string, std::unique_ptr<hgeSprite>> sprites_;
    std::map<std::string, std::unique_ptr<hgeAnimation>> animations_;
};
