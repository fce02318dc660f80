// The resource pack: AES-256 zip entries written by WritePack and the
// packer, read back by Pack, and the clear failures of a bad pack.
#include "engine/pack.h"
#include "app/pack_password.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// Bytes that deflate cannot shrink, so the entry's data fills most of the file.
std::vector<std::uint8_t> NoiseBytes(std::size_t count) {
    std::vector<std::uint8_t> out(count);
    std::uint32_t state = 12345;
    for (std::uint8_t& b : out) {
        state = state * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(state >> 16);
    }
    return out;
}

// A WinZip AES-256 entry adds a 16-byte salt, a 2-byte password verifier
// and a 10-byte HMAC to its data.
constexpr zip_uint64_t kAesOverhead = 16 + 2 + 10;

std::vector<char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::vector<char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

const std::vector<PackEntry> kEntries = {
    {"tex/b.png", Bytes("second entry")},
    {"a.txt", Bytes("first entry, long enough that deflating it pays, first entry")},
    {"res/empty.pak", {}},
    {"sound/c.ogg", Bytes("stored as it stands"), true},
    {"tex/noise.bin", NoiseBytes(8192)},
};

TEST(PackTest, RoundTripWithThePassword) {
    TempFolder dir;
    std::string path = dir / "image.dat";
    std::string error;
    ASSERT_TRUE(WritePack(path, "secret", kEntries, error)) << error;

    std::unique_ptr<Pack> pack = Pack::Open(path, "secret", error);
    ASSERT_NE(pack, nullptr) << error;
    for (const PackEntry& entry : kEntries) {
        std::vector<std::uint8_t> data = {1, 2, 3};
        EXPECT_TRUE(pack->Contains(entry.name)) << entry.name;
        ASSERT_TRUE(pack->Read(entry.name, data)) << entry.name;
        EXPECT_EQ(data, entry.data) << entry.name;
    }
    std::vector<std::uint8_t> data;
    EXPECT_FALSE(pack->Contains("tex/missing.png"));
    EXPECT_FALSE(pack->Read("tex/missing.png", data));
    EXPECT_FALSE(pack->Contains("TEX/B.PNG"));
}

// Sorted names, AES-256 on every entry (stored or deflated) and one fixed
// time make two builds of the same files differ only in their salts.
TEST(PackTest, EntriesAreSortedEncryptedAndTimeless) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(WritePack(dir / "image.dat", "secret", kEntries, error)) << error;

    int code = 0;
    zip_t* archive = zip_open((dir / "image.dat").c_str(), ZIP_RDONLY, &code);
    ASSERT_NE(archive, nullptr);
    ASSERT_EQ(zip_get_num_entries(archive, 0), 5);
    const char* expected[] = {"a.txt", "res/empty.pak", "sound/c.ogg", "tex/b.png",
                              "tex/noise.bin"};
    std::time_t firstTime = 0;
    for (zip_uint64_t i = 0; i < 5; ++i) {
        zip_stat_t stat;
        ASSERT_EQ(zip_stat_index(archive, i, 0, &stat), 0);
        EXPECT_STREQ(stat.name, expected[i]);
        EXPECT_EQ(stat.encryption_method, ZIP_EM_AES_256) << stat.name;
        if (std::string(stat.name) == "sound/c.ogg") {
            EXPECT_EQ(stat.comp_method, ZIP_CM_STORE) << stat.name;
            EXPECT_EQ(stat.comp_size, stat.size + kAesOverhead) << stat.name;
        } else if (std::string(stat.name) == "a.txt") {
            EXPECT_EQ(stat.comp_method, ZIP_CM_DEFLATE) << stat.name;
        }
        if (i == 0) {
            firstTime = stat.mtime;
        }
        EXPECT_EQ(stat.mtime, firstTime) << stat.name;
    }
    zip_discard(archive);
    // Noon on 2000-01-01, give or take the local time zone.
    EXPECT_NEAR(static_cast<double>(firstTime), 946728000.0, 86400.0);

    ASSERT_TRUE(WritePack(dir / "again.dat", "secret", kEntries, error)) << error;
    std::vector<char> first = ReadFile(dir / "image.dat");
    std::vector<char> second = ReadFile(dir / "again.dat");
    EXPECT_EQ(first.size(), second.size());
    EXPECT_NE(first, second) << "every build draws fresh salts";
}

TEST(PackTest, WritePackRefusesWhatItCannotWrite) {
    TempFolder dir;
    std::string error;
    EXPECT_FALSE(WritePack(dir / "empty.dat", "secret", {}, error));
    EXPECT_NE(error.find("nothing to pack"), std::string::npos) << error;
    EXPECT_FALSE(WritePack(dir / "twice.dat", "secret", {{"a", {}}, {"a", {}}}, error));
    EXPECT_NE(error.find("given twice"), std::string::npos) << error;
    EXPECT_FALSE(WritePack(dir / "nopass.dat", "", kEntries, error));
    EXPECT_FALSE(WritePack(dir / "no/such/folder/x.dat", "secret", kEntries, error));
    EXPECT_NE(error.find("no/such/folder/x.dat"), std::string::npos) << error;
}

// Each way a pack can be bad gives a null pack and one line naming the file.
TEST(PackTest, OpenFailsWithOneClearLine) {
    TempFolder dir;
    std::string good = dir / "image.dat";
    std::string error;
    ASSERT_TRUE(WritePack(good, "secret", kEntries, error)) << error;
    std::vector<char> bytes = ReadFile(good);

    std::string truncated = dir / "truncated.dat";
    WriteFile(truncated, std::vector<char>(bytes.begin(), bytes.begin() + bytes.size() / 2));
    std::string text = dir / "text.dat";
    WriteFile(text, {'h', 'e', 'l', 'l', 'o', '\n'});
    std::string empty = dir / "empty.dat";
    WriteFile(empty, {});

    struct Case {
        std::string path;
        std::string password;
        std::string expected;
    };
    const Case cases[] = {
        {good, "wrong", good + ": wrong password"},
        {good, "", good + ": wrong password"},
        {dir / "missing.dat", "secret", dir / "missing.dat: no such file"},
        {truncated, "secret", truncated + ": not a valid archive ("},
        {text, "secret", text + ": not a valid archive ("},
        {empty, "secret", empty + ": not a valid archive ("},
    };
    for (const Case& c : cases) {
        error.clear();
        EXPECT_EQ(Pack::Open(c.path, c.password, error), nullptr) << c.path;
        EXPECT_EQ(error.substr(0, c.expected.size()), c.expected) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

// Flipped bytes inside an entry break its HMAC: reading it fails and leaves
// the output alone, the other entries still read.
TEST(PackTest, DamagedEntryFailsCleanly) {
    TempFolder dir;
    std::string path = dir / "image.dat";
    std::string error;
    ASSERT_TRUE(WritePack(path, "secret", kEntries, error)) << error;
    std::vector<char> bytes = ReadFile(path);
    // The noise entry is last and by far the largest: its data holds the middle of the file.
    for (std::size_t i = bytes.size() / 2; i < bytes.size() / 2 + 16; ++i) {
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
    }
    WriteFile(path, bytes);

    std::unique_ptr<Pack> pack = Pack::Open(path, "secret", error);
    ASSERT_NE(pack, nullptr) << error;
    std::vector<std::uint8_t> data = {7};
    EXPECT_FALSE(pack->Read("tex/noise.bin", data));
    EXPECT_EQ(data, std::vector<std::uint8_t>{7});
    EXPECT_TRUE(pack->Read("a.txt", data));
    EXPECT_EQ(data, kEntries[1].data);
}

// A flipped byte anywhere (headers, salts, data, directory) gives either a
// null pack with one line, or a pack whose damaged entries fail to read.
TEST(PackTest, AnyFlippedByteIsSurvived) {
    TempFolder dir;
    std::string path = dir / "image.dat";
    std::string error;
    const std::vector<PackEntry> small = {
        {"a.txt", Bytes("first entry")},
        {"tex/b.png", Bytes("second entry, a little longer, stored"), true}};
    ASSERT_TRUE(WritePack(path, "secret", small, error)) << error;
    const std::vector<char> original = ReadFile(path);
    for (std::size_t at = 0; at < original.size(); ++at) {
        std::vector<char> bytes = original;
        bytes[at] = static_cast<char>(bytes[at] ^ 0xFF);
        WriteFile(path, bytes);
        error.clear();
        std::unique_ptr<Pack> pack = Pack::Open(path, "secret", error);
        if (!pack) {
            EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << at << ": " << error;
            continue;
        }
        for (const PackEntry& entry : small) {
            std::vector<std::uint8_t> data;
            if (pack->Read(entry.name, data)) {
                EXPECT_EQ(data, entry.data) << "byte " << at << " changed " << entry.name;
            }
        }
    }
}

// The packer, run as the build runs it.
class PackerTest : public ::testing::Test {
protected:
    static std::string Packer() {
        return (std::filesystem::path(BUBBLEHIVE_GAME_DIR).parent_path() / "bubblehive-pack")
            .string();
    }
    int Run(const std::string& args) {
        std::string command = Packer() + " " + args + " >" + (dir / "out.txt") + " 2>&1";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Output() {
        std::vector<char> bytes = ReadFile(dir / "out.txt");
        return std::string(bytes.begin(), bytes.end());
    }
    TempFolder dir;
};

TEST_F(PackerTest, PacksFoldersUnderTheRootWithTheGamePassword) {
    dir.Write("art/tex/b.png", "bee");
    // Long enough that deflating it pays; libzip stores what it cannot shrink.
    const std::string ay(200, 'a');
    dir.Write("art/tex/sub/a.txt", ay);
    dir.Write("art/tex/d.OGG", "dee");
    dir.Write("art/other/c.txt", "sea");
    dir.Write("art/top.txt", "top");
    ASSERT_EQ(
        Run("--output " + (dir / "image.dat") + " --root " + (dir / "art/") + " tex ./top.txt"), 0)
        << Output();

    std::string error;
    std::unique_ptr<Pack> pack = Pack::Open(dir / "image.dat", kPackPassword, error);
    ASSERT_NE(pack, nullptr) << error;
    std::vector<std::uint8_t> data;
    ASSERT_TRUE(pack->Read("tex/b.png", data));
    EXPECT_EQ(data, Bytes("bee"));
    ASSERT_TRUE(pack->Read("tex/sub/a.txt", data));
    EXPECT_EQ(data, Bytes(ay));
    ASSERT_TRUE(pack->Read("tex/d.OGG", data));
    EXPECT_EQ(data, Bytes("dee"));
    ASSERT_TRUE(pack->Read("top.txt", data));
    EXPECT_FALSE(pack->Contains("other/c.txt"));
    pack.reset();

    // PNG and OGG entries are stored as they stand, the rest deflated.
    int code = 0;
    zip_t* archive = zip_open((dir / "image.dat").c_str(), ZIP_RDONLY, &code);
    ASSERT_NE(archive, nullptr);
    for (const auto& [name, method] :
         {std::pair{"tex/b.png", ZIP_CM_STORE}, std::pair{"tex/d.OGG", ZIP_CM_STORE},
          std::pair{"tex/sub/a.txt", ZIP_CM_DEFLATE}}) {
        zip_stat_t stat;
        ASSERT_EQ(zip_stat(archive, name, 0, &stat), 0) << name;
        EXPECT_EQ(stat.comp_method, method) << name;
        EXPECT_EQ(stat.encryption_method, ZIP_EM_AES_256) << name;
    }
    zip_discard(archive);

    ASSERT_EQ(Run("--password hush --output " + (dir / "hush.dat") + " --root " + (dir / "art") +
                  " other"),
              0)
        << Output();
    EXPECT_EQ(Pack::Open(dir / "hush.dat", kPackPassword, error), nullptr);
    EXPECT_NE(Pack::Open(dir / "hush.dat", "hush", error), nullptr);
}

TEST_F(PackerTest, BadUsageExitsTwoAndFailureOne) {
    dir.Write("art/tex/b.png", "bee");
    std::filesystem::create_directories(dir / "art/nothing");
    std::string out = " --output " + (dir / "image.dat");
    std::string root = " --root " + (dir / "art");
    struct Case {
        std::string args;
        int exit;
        std::string message;
    };
    const Case cases[] = {
        {"", 2, "usage: bubblehive-pack"},
        {root + " tex", 2, "--output is missing"},
        {out + " tex", 2, "--root is missing"},
        {out + root, 2, "no PATH"},
        {out + root + " --output", 2, "--output needs a value"},
        {out + root + " --verbose tex", 2, "unknown option --verbose"},
        {out + root + " ../tex", 2, "must lie inside --root"},
        {out + root + " /etc", 2, "must lie inside --root"},
        {out + root + " --password '' tex", 2, "must not be empty"},
        {out + root + " missing", 1, "no such file or folder"},
        {out + " --root " + (dir / "nope") + " tex", 1, "not a folder"},
        {out + root + " nothing", 1, "no files to pack"},
        {" --output " + (dir / "no/such/dir/image.dat") + root + " tex", 1, "no/such/dir"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), c.exit) << c.args << "\n" << Output();
        EXPECT_NE(Output().find(c.message), std::string::npos) << c.args << "\n" << Output();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "image.dat"));
}

}  // namespace
