// The one loader every screen uses for its look: the screen's resource script
// (res/<name>.pak) in its own resource manager, and its layout script
// (script/<name>.luac), a Lua chunk that only assigns globals.
//
//   LayoutScript layout("logo", "res/logo.pak", "script/logo.luac");
//   screen.x = layout.Int("logo_x");
//   screen.sprite = layout.SpriteCopy("logo_name");
//   screen.resources = layout.TakeManager();
//
// Nothing here fails the game: a missing script or key reads as 0 or absent,
// a name the resource script does not define gives a magenta placeholder,
// and each of these writes one line to stderr naming the screen or script.
#pragma once

#include "engine/animation.h"
#include "engine/resource_manager.h"
#include "engine/sprite.h"

#include <memory>
#include <optional>
#include <string>

class LuaGlobals;

// Size and colour of the box drawn for a resource that could not be found.
inline constexpr float kPlaceholderSize = 32.0f;
inline constexpr DWORD kPlaceholderColor = 0xFFFF00FF;

class LayoutScript {
public:
    // Both file names are relative to the game folder. packFile may be empty
    // for a screen without images.
    LayoutScript(std::string screenName, const std::string& packFile,
                 const std::string& scriptFile);
    ~LayoutScript();  // closes the Lua state
    LayoutScript(const LayoutScript&) = delete;
    LayoutScript& operator=(const LayoutScript&) = delete;

    // Whether the layout script loaded and ran to its end.
    bool Ran() const { return ran_; }

    // A number global; 0 when absent.
    double Number(const char* key) const;
    // A number global truncated toward zero; 0 when absent.
    int Int(const char* key) const;
    // A string global; empty when absent.
    std::optional<std::string> String(const char* key) const;

    // A copy of the sprite or animation whose name the string global nameKey
    // holds, or a placeholder when the key is absent or names nothing. Never
    // null.
    std::unique_ptr<hgeSprite> SpriteCopy(const char* nameKey);
    std::unique_ptr<hgeAnimation> AnimationCopy(const char* nameKey);

    // Hands the screen its resource manager, to keep for the whole run (the
    // copies above stay valid either way). Null for a screen without images.
    std::unique_ptr<hgeResourceManager> TakeManager() { return std::move(manager_); }

private:
    // The resource name held by nameKey, reported when absent.
    std::optional<std::string> ResourceName(const char* nameKey) const;
    void ReportMissingResource(const char* kind, const std::string& name) const;

    HGE* hge_ = nullptr;
    std::string screenName_;
    std::string packFile_;
    std::string scriptFile_;
    std::unique_ptr<hgeResourceManager> manager_;
    std::unique_ptr<LuaGlobals> lua_;
    bool loaded_ = false;  // the script loaded, whether or not it ran to its end
    bool ran_ = false;
};

// The magenta boxes that stand in for missing resources.
std::unique_ptr<hgeSprite> MakePlaceholderSprite();
std::unique_ptr<hgeAnimation> MakePlaceholderAnimation();
