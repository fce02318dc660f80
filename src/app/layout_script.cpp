#include "app/layout_script.h"

#include "app/lua_globals.h"

#include <cstdio>

LayoutScript::LayoutScript(std::string screenName, const std::string& packFile,
                           const std::string& scriptFile)
    : hge_(hgeCreate(HGE_VERSION)),
      screenName_(std::move(screenName)),
      packFile_(packFile),
      scriptFile_(scriptFile) {
    if (!packFile.empty()) {
        manager_ = std::make_unique<hgeResourceManager>(hge_->Resource_MakePath(packFile));
    }
    lua_ = std::make_unique<LuaGlobals>();
    std::string error;
    switch (lua_->RunFile(hge_->Resource_MakePath(scriptFile), error)) {
        case LuaGlobals::Result::Ran:
            loaded_ = ran_ = true;
            break;
        case LuaGlobals::Result::LoadFailed:
            std::fprintf(stderr, "%s: cannot load the %s layout, its keys read as 0: %s\n",
                         scriptFile_.c_str(), screenName_.c_str(), error.c_str());
            break;
        case LuaGlobals::Result::RunFailed:
            // What the script set before the error still counts.
            loaded_ = true;
            std::fprintf(stderr, "%s: the %s layout stopped with an error: %s\n",
                         scriptFile_.c_str(), screenName_.c_str(), error.c_str());
            break;
    }
}

LayoutScript::~LayoutScript() {
    lua_.reset();
    hge_->Release();
}

double LayoutScript::Number(const char* key) const {
    auto value = lua_->Number(key);
    if (!value) {
        // A script that did not load was reported once already.
        if (loaded_) {
            std::fprintf(stderr, "%s: no number `%s`; using 0\n", scriptFile_.c_str(), key);
        }
        return 0;
    }
    return *value;
}

int LayoutScript::Int(const char* key) const {
    return TruncateToInt(Number(key));
}

std::optional<std::string> LayoutScript::String(const char* key) const {
    auto value = lua_->String(key);
    if (!value && loaded_) {
        std::fprintf(stderr, "%s: no string `%s`\n", scriptFile_.c_str(), key);
    }
    return value;
}

std::optional<std::string> LayoutScript::ResourceName(const char* nameKey) const {
    auto name = lua_->String(nameKey);
    if (!name) {
        std::fprintf(stderr, "%s: %s gives no resource name in `%s`; drawing a placeholder\n",
                     screenName_.c_str(), scriptFile_.c_str(), nameKey);
    }
    return name;
}

void LayoutScript::ReportMissingResource(const char* kind, const std::string& name) const {
    std::fprintf(stderr, "%s: %s defines no %s `%s`; drawing a placeholder\n", screenName_.c_str(),
                 packFile_.empty() ? "(no resource script)" : packFile_.c_str(), kind,
                 name.c_str());
}

std::unique_ptr<hgeSprite> LayoutScript::SpriteCopy(const char* nameKey) {
    auto name = ResourceName(nameKey);
    if (!name) {
        return MakePlaceholderSprite();
    }
    hgeSprite* sprite = manager_ ? manager_->GetSprite(*name) : nullptr;
    if (!sprite) {
        ReportMissingResource("sprite", *name);
        return MakePlaceholderSprite();
    }
    return std::make_unique<hgeSprite>(*sprite);
}

std::unique_ptr<hgeAnimation> LayoutScript::AnimationCopy(const char* nameKey) {
    auto name = ResourceName(nameKey);
    if (!name) {
        return MakePlaceholderAnimation();
    }
    hgeAnimation* animation = manager_ ? manager_->GetAnimation(*name) : nullptr;
    if (!animation) {
        ReportMissingResource("animation", *name);
        return MakePlaceholderAnimation();
    }
    return std::make_unique<hgeAnimation>(*animation);
}

// Without a texture a sprite draws as a plain quad in its colour.
std::unique_ptr<hgeSprite> MakePlaceholderSprite() {
    auto sprite = std::make_unique<hgeSprite>(0, 0.0f, 0.0f, kPlaceholderSize, kPlaceholderSize);
    sprite->SetColor(kPlaceholderColor);
    return sprite;
}

std::unique_ptr<hgeAnimation> MakePlaceholderAnimation() {
    auto animation =
        std::make_unique<hgeAnimation>(0, 1, 1.0f, 0.0f, 0.0f, kPlaceholderSize, kPlaceholderSize);
    animation->SetColor(kPlaceholderColor);
    return animation;
}
