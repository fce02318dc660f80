#include "engine/pack.h"

#include <zip.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

// Every entry gets this modification time (2000-01-01 12:00), so that two
// builds of the same files differ only in their encryption salts.
constexpr std::time_t kEntryTime = 946728000;

std::string ZipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

class ZipPack : public Pack {
public:
    ZipPack(zip_t* archive, std::string path) : archive_(archive), path_(std::move(path)) {}
    ~ZipPack() override { zip_discard(archive_); }

    bool Read(const std::string& name, std::vector<std::uint8_t>& out) override {
        zip_int64_t index = zip_name_locate(archive_, name.c_str(), 0);
        if (index < 0) {
            return false;
        }
        zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
        if (file == nullptr) {
            Complain(name, zip_strerror(archive_));
            return false;
        }
        std::vector<std::uint8_t> data;
        zip_stat_t stat;
        if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
            (stat.valid & ZIP_STAT_SIZE) != 0) {
            // The size comes from the archive, so it only sizes the first allocation.
            data.reserve(std::min<zip_uint64_t>(stat.size, 64u << 20));
        }
        std::uint8_t buffer[16384];
        bool ok = true;
        for (;;) {
            zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
            if (got < 0) {
                // Also where a damaged AES entry ends up: its HMAC does not match.
                Complain(name, zip_file_strerror(file));
                ok = false;
                break;
            }
            if (got == 0) {
                break;
            }
            data.insert(data.end(), buffer, buffer + got);
        }
        zip_fclose(file);
        if (ok) {
            out = std::move(data);
        }
        return ok;
    }

    bool Contains(const std::string& name) const override {
        return zip_name_locate(archive_, name.c_str(), 0) >= 0;
    }

private:
    void Complain(const std::string& name, const char* why) const {
        std::cerr << path_ << ": cannot read " << name << " (" << why << ")\n";
    }

    zip_t* archive_;
    std::string path_;
};

}  // namespace

std::unique_ptr<Pack> Pack::Open(const std::string& path, const std::string& password,
                                 std::string& error) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        error = path + ": no such file";
        return nullptr;
    }
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (archive == nullptr) {
        if (code == ZIP_ER_OPEN || code == ZIP_ER_READ) {
            error = path + ": cannot open (" + ZipErrorText(code) + ")";
        } else {
            error = path + ": not a valid archive (" + ZipErrorText(code) + ")";
        }
        return nullptr;
    }
    if (zip_set_default_password(archive, password.c_str()) != 0) {
        error = path + ": " + zip_strerror(archive);
        zip_discard(archive);
        return nullptr;
    }
    // Opening an encrypted entry checks the password against the entry's
    // verifier; one entry is enough, as the packer uses one password.
    zip_int64_t count = zip_get_num_entries(archive, 0);
    zip_int64_t probe = -1;
    for (zip_int64_t i = 0; i < count && probe < 0; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) == 0 &&
            (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 &&
            stat.encryption_method != ZIP_EM_NONE) {
            probe = i;
        }
    }
    if (probe >= 0) {
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(probe), 0);
        if (file == nullptr) {
            int why = zip_error_code_zip(zip_get_error(archive));
            if (why == ZIP_ER_WRONGPASSWD || password.empty()) {
                error = path + ": wrong password";
            } else {
                error = path + ": not a valid archive (" + zip_strerror(archive) + ")";
            }
            zip_discard(archive);
            return nullptr;
        }
        zip_fclose(file);
    }
    return std::make_unique<ZipPack>(archive, path);
}

bool WritePack(const std::string& path, const std::string& password,
               const std::vector<PackEntry>& entries, std::string& error) {
    if (entries.empty()) {
        // libzip removes an archive left with no entries instead of writing it.
        error = path + ": nothing to pack";
        return false;
    }
    if (password.empty()) {
        error = path + ": the password is empty";
        return false;
    }
    if (!zip_encryption_method_supported(ZIP_EM_AES_256, 1)) {
        error = path + ": this libzip cannot write AES-256 entries";
        return false;
    }
    std::vector<const PackEntry*> sorted;
    for (const PackEntry& entry : entries) {
        sorted.push_back(&entry);
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const PackEntry* a, const PackEntry* b) { return a->name < b->name; });
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (sorted[i]->name.empty()) {
            error = path + ": an entry has no name";
            return false;
        }
        if (i > 0 && sorted[i]->name == sorted[i - 1]->name) {
            error = path + ": entry " + sorted[i]->name + " given twice";
            return false;
        }
    }

    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) {
        error = path + ": cannot create (" + ZipErrorText(code) + ")";
        return false;
    }
    for (const PackEntry* entry : sorted) {
        // The buffers stay alive until zip_close, which reads them.
        zip_source_t* source =
            zip_source_buffer(archive, entry->data.data(), entry->data.size(), 0);
        zip_int64_t index = -1;
        if (source != nullptr) {
            index = zip_file_add(archive, entry->name.c_str(), source, ZIP_FL_ENC_UTF_8);
            if (index < 0) {
                zip_source_free(source);
            }
        }
        bool ok =
            index >= 0 &&
            (!entry->stored || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                                        ZIP_CM_STORE, 0) == 0) &&
            zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256,
                                    password.c_str()) == 0 &&
            zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), kEntryTime, 0) == 0;
        if (!ok) {
            error = path + ": cannot add " + entry->name + " (" + zip_strerror(archive) + ")";
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        error = path + ": cannot write (" + zip_strerror(archive) + ")";
        zip_discard(archive);
        return false;
    }
    return true;
}
