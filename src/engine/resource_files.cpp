// Resource files: the game folder, the attached packs, and reading a named
// resource from the first place that has it.
#include "engine/engine_impl.h"
#include "engine/game_folder.h"

#include <SDL.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) {
        return exe.parent_path().string();
    }
    std::string folder;
    if (char* base = SDL_GetBasePath()) {
        folder = base;
        SDL_free(base);
    }
    return folder.empty() ? "." : folder;
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// The name a resource has inside a pack: forward slashes, no leading "./".
std::string PackKey(std::string name) {
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    while (name.rfind("./", 0) == 0) {
        name.erase(0, 2);
    }
    return name;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

std::string EngineImpl::GameFolder() const {
    if (gameDir.empty()) {
        return WithoutTrailingSlash(FindGameFolder(WithoutTrailingSlash(ExecutableFolder())));
    }
    std::error_code ec;
    const fs::path absolute = fs::absolute(gameDir, ec);
    return WithoutTrailingSlash(ec ? gameDir : absolute.lexically_normal().string());
}

bool HGE::Resource_AttachPack(const std::string& filename, const std::string& password) {
    std::string error;
    std::unique_ptr<Pack> pack = Pack::Open(filename, password, error);
    if (!pack) {
        std::fprintf(stderr, "%s: %s\n", filename.c_str(),
                     error.empty() ? "cannot open the resource pack" : error.c_str());
        return false;
    }
    impl_->packs.push_back(std::move(pack));
    return true;
}

void HGE::Resource_RemoveAllPacks() {
    impl_->packs.clear();
}

bool HGE::Resource_Load(const std::string& name, std::vector<std::uint8_t>& out) {
    if (name.empty()) {
        return false;
    }
    EngineImpl& e = *impl_;
    if (!e.packs.empty()) {
        std::string key = name;
        if (!key.empty() && key.front() == '/') {
            // An absolute path inside the game folder names the pack entry
            // at the same relative place.
            const std::string folder = e.GameFolder() + "/";
            const std::string normal = fs::path(key).lexically_normal().string();
            key = normal.rfind(folder, 0) == 0 ? normal.substr(folder.size()) : std::string();
        }
        key = PackKey(key);
        if (!key.empty()) {
            for (const std::unique_ptr<Pack>& pack : e.packs) {
                if (pack->Contains(key) && pack->Read(key, out)) {
                    return true;
                }
            }
        }
    }
    return ReadWholeFile(Resource_MakePath(name), out);
}

std::string HGE::Resource_MakePath(const std::string& filename) const {
    if (!filename.empty() && filename.front() == '/') {
        return filename;
    }
    return impl_->GameFolder() + "/" + filename;
}
