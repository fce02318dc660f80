// bubblehive-pack: writes the resource pack image.dat from files under a
// root folder, each entry named by its path below the root and encrypted
// with AES-256. PNG and OGG files are stored as they stand, the rest deflated.
#include "app/pack_password.h"
#include "engine/pack.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const char* const kUsage =
    "usage: bubblehive-pack --output FILE [--password P] --root DIR PATH...\n"
    "Packs each PATH (a file, or a folder taken recursively), given relative to DIR,\n"
    "into FILE. Entries are named by their path below DIR with '/' separators.\n"
    "PNG and OGG files are stored without a second compression, the rest deflated.\n"
    "The password defaults to the game's own.\n";

struct Options {
    std::string output;
    std::string password = kPackPassword;
    std::string root;
    std::vector<std::string> paths;
};

int UsageError(const std::string& message) {
    std::cerr << "bubblehive-pack: " << message << "\n" << kUsage;
    return kExitUsage;
}

int Failure(const std::string& message) {
    std::cerr << "bubblehive-pack: " << message << "\n";
    return kExitFailure;
}

// Fills options from argv; returns 0, or the exit code when the program
// should stop (usage error, or --help).
int ParseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return -1;
        }
        if (arg == "--output" || arg == "--password" || arg == "--root") {
            if (i + 1 >= argc) {
                return UsageError(arg + " needs a value");
            }
            std::string value = argv[++i];
            if (arg == "--output") {
                options.output = value;
            } else if (arg == "--password") {
                options.password = value;
            } else {
                options.root = value;
            }
        } else if (arg.starts_with("-") && arg != "-") {
            return UsageError("unknown option " + arg);
        } else {
            options.paths.push_back(arg);
        }
    }
    if (options.output.empty()) {
        return UsageError("--output is missing");
    }
    if (options.root.empty()) {
        return UsageError("--root is missing");
    }
    if (options.password.empty()) {
        return UsageError("--password must not be empty");
    }
    if (options.paths.empty()) {
        return UsageError("no PATH to pack");
    }
    for (const std::string& path : options.paths) {
        fs::path p(path);
        bool escapes = false;
        for (const fs::path& part : p.lexically_normal()) {
            escapes = escapes || part == "..";
        }
        if (p.is_absolute() || escapes) {
            return UsageError(path + ": PATH must lie inside --root");
        }
    }
    return 0;
}

bool ReadWholeFile(const fs::path& path, std::vector<std::uint8_t>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// PNG and OGG data is compressed already: deflating it again only costs
// time when the game reads it.
bool IsCompressedFormat(const std::string& name) {
    std::string extension = fs::path(name).extension().string();
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return extension == ".png" || extension == ".ogg";
}

// Every regular file under root/path, by entry name.
bool CollectFiles(const fs::path& root, const std::string& path,
                  std::map<std::string, fs::path>& files, std::string& error) {
    fs::path full = (root / path).lexically_normal();
    std::error_code ec;
    auto add = [&](const fs::path& file) {
        files.emplace(file.lexically_relative(root).generic_string(), file);
    };
    if (fs::is_regular_file(full, ec)) {
        add(full);
        return true;
    }
    if (!fs::is_directory(full, ec)) {
        error = full.string() + ": no such file or folder";
        return false;
    }
    fs::recursive_directory_iterator it(full, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) {
            add(it->path().lexically_normal());
        }
    }
    if (ec) {
        error = full.string() + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (int stop = ParseArguments(argc, argv, options); stop != 0) {
        return stop < 0 ? 0 : stop;
    }

    std::error_code ec;
    fs::path root = fs::path(options.root).lexically_normal();
    if (!fs::is_directory(root, ec)) {
        return Failure(options.root + ": not a folder");
    }
    std::map<std::string, fs::path> files;
    for (const std::string& path : options.paths) {
        std::string error;
        if (!CollectFiles(root, path, files, error)) {
            return Failure(error);
        }
    }
    if (files.empty()) {
        return Failure("no files to pack under " + options.root);
    }

    std::vector<PackEntry> entries;
    for (const auto& [name, file] : files) {
        PackEntry entry{name, {}, IsCompressedFormat(name)};
        if (!ReadWholeFile(file, entry.data)) {
            return Failure(file.string() + ": cannot read");
        }
        entries.push_back(std::move(entry));
    }
    std::string error;
    if (!WritePack(options.output, options.password, entries, error)) {
        return Failure(error);
    }
    std::cout << "bubblehive-pack: " << entries.size() << " entries written to " << options.output
              << "\n";
    return 0;
}
