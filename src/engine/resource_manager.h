// Loads a resource script (our own text format, docs/resource-scripts.md)
// and hands out its textures, sprites and animations by name. The manager
// owns what it loads; callers copy the objects they draw.
#pragma once

#include "engine/animation.h"
#include "engine/hge.h"
#include "engine/sprite.h"

#include <map>
#include <memory>
#include <string>

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
    HGE* hge_ = nullptr;
    std::string scriptPath_;
    std::map<std::string, HTEXTURE> textures_;
    std::map<std::string, std::unique_ptr<hgeSprite>> sprites_;
    std::map<std::string, std::unique_ptr<hgeAnimation>> animations_;
};
