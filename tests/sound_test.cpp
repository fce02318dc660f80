// The game's sound slots: loading from the game folder, restarting effects,
// pausing and resuming on focus changes, the two volumes, and running on
// without a file or without any audio device.
#include "app/sound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/audio.h"
#include "engine/hge.h"
#include "wav_fixture.h"

namespace {

namespace fs = std::filesystem;
using wav_fixture::WaitFor;

constexpr SoundId kEffects[] = {BombSound, RemoveSound, ButtonSound, HitSound,      ShootSound,
                                PassSound, FailSound,   ReadySound,  InfectionSound};

int Position(const Sounds& sounds, SoundId id) {
    return sounds.slots[id].stream->getPosition();
}

// A game folder whose sound/ holds a tone for every slot: the menu tune is a
// WAV under the .ogg name (the format is found from the content), the button
// sound is long enough to be interrupted, the rest are short.
class SoundTest : public testing::Test {
protected:
    void SetUp() override {
        wav_fixture::UseDummyAudioDriver();
        fs::create_directories(folder.path() / "sound");
        const char* files[] = {"bomb.wav", "remove.wav", "hit.wav",   "shoot.wav",
                               "pass.wav", "fail.wav",   "ready.wav", "infection.wav"};
        for (const char* file : files) {
            Write(file, 0.05);
        }
        Write("button.wav", 2.0);
        Write("startmenu.ogg", 3.0);
        hge = hgeCreate(HGE_VERSION);
        hge->System_SetStateString(HGE_GAMEDIR, folder.path().string());
    }

    void TearDown() override {
        sounds = Sounds{};
        hge->Release();
    }

    void Write(const std::string& file, double seconds) {
        wav_fixture::WriteToneWav(folder.path() / "sound" / file, seconds);
    }

    void Load() {
        OpenAudio(sounds);
        ASSERT_TRUE(sounds.device);
        LoadSounds(sounds);
    }

    wav_fixture::TempFolder folder;
    HGE* hge = nullptr;
    Sounds sounds;
};

TEST_F(SoundTest, EverySlotLoadsFromTheGameFolder) {
    Load();
    for (int id = 0; id < SoundCount; ++id) {
        EXPECT_TRUE(sounds.slots[id].stream) << SoundName(SoundId(id));
        EXPECT_FALSE(sounds.slots[id].playing);
        EXPECT_FALSE(IsSounding(sounds, SoundId(id)));
        EXPECT_FLOAT_EQ(SoundVolume(sounds, SoundId(id)), 1.0f);
    }
    EXPECT_STREQ(SoundName(MenuMusic), "MenuMusic");
    EXPECT_STREQ(SoundName(InfectionSound), "InfectionSound");
}

TEST_F(SoundTest, PressingTwiceRestartsTheEffectInsteadOfLayeringIt) {
    Load();
    PlaySound(sounds, ButtonSound, false);
    ASSERT_TRUE(WaitFor([&] { return Position(sounds, ButtonSound) > 22050; }));
    int before = Position(sounds, ButtonSound);
    PlaySound(sounds, ButtonSound, false);
    EXPECT_TRUE(IsSounding(sounds, ButtonSound));
    EXPECT_LT(Position(sounds, ButtonSound), before / 2);
    EXPECT_EQ(AdrPlayingEffectCount(sounds.device), 1);
}

TEST_F(SoundTest, AFinishedEffectIsNotReplayedWhenFocusReturns) {
    Load();
    PlaySound(sounds, HitSound, false);
    ASSERT_TRUE(WaitFor([&] { return !IsSounding(sounds, HitSound); }));
    EXPECT_TRUE(sounds.slots[HitSound].playing);  // the program never stopped it

    PauseAllSounds(sounds);
    EXPECT_FALSE(sounds.slots[HitSound].playing);
    ResumeAllSounds(sounds);
    EXPECT_FALSE(IsSounding(sounds, HitSound));
    EXPECT_EQ(AdrPlayingEffectCount(sounds.device), 0);
}

TEST_F(SoundTest, FocusLossPausesAndRegainContinuesWhereItWas) {
    Load();
    PlaySound(sounds, MenuMusic, true);
    PlaySound(sounds, ButtonSound, false);
    ASSERT_TRUE(WaitFor([&] {
        return Position(sounds, MenuMusic) > 11025 && Position(sounds, ButtonSound) > 11025;
    }));

    PauseAllSounds(sounds);
    for (SoundId id : {MenuMusic, ButtonSound}) {
        EXPECT_TRUE(sounds.slots[id].playing) << SoundName(id);
        EXPECT_FALSE(IsSounding(sounds, id)) << SoundName(id);
    }
    int music = Position(sounds, MenuMusic);
    int button = Position(sounds, ButtonSound);
    EXPECT_GT(music, 11025);
    EXPECT_GT(button, 11025);

    ResumeAllSounds(sounds);
    EXPECT_TRUE(IsSounding(sounds, MenuMusic));
    EXPECT_TRUE(IsSounding(sounds, ButtonSound));
    EXPECT_GE(Position(sounds, MenuMusic), music);
    EXPECT_GE(Position(sounds, ButtonSound), button);
    // Slots that were not playing stay silent.
    EXPECT_FALSE(IsSounding(sounds, ShootSound));
    EXPECT_FALSE(sounds.slots[ShootSound].playing);
}

TEST_F(SoundTest, StopSoundRewindsAndFocusChangesLeaveItStopped) {
    Load();
    PlaySound(sounds, MenuMusic, true);
    ASSERT_TRUE(WaitFor([&] { return Position(sounds, MenuMusic) > 11025; }));
    StopSound(sounds, MenuMusic);
    EXPECT_FALSE(sounds.slots[MenuMusic].playing);
    EXPECT_FALSE(IsSounding(sounds, MenuMusic));
    EXPECT_EQ(Position(sounds, MenuMusic), 0);

    PauseAllSounds(sounds);
    ResumeAllSounds(sounds);
    EXPECT_FALSE(IsSounding(sounds, MenuMusic));

    PlaySound(sounds, MenuMusic, true);
    EXPECT_TRUE(IsSounding(sounds, MenuMusic));
    EXPECT_LT(Position(sounds, MenuMusic), 11025);
}

TEST_F(SoundTest, EffectsAndMusicVolumesAreIndependent) {
    Load();
    PlaySound(sounds, MenuMusic, true);
    SetEffectsVolume(sounds, 0.25f);
    for (SoundId id : kEffects) {
        EXPECT_FLOAT_EQ(sounds.slots[id].stream->getVolume(), 0.25f) << SoundName(id);
        EXPECT_FLOAT_EQ(SoundVolume(sounds, id), 0.25f) << SoundName(id);
    }
    EXPECT_FLOAT_EQ(sounds.slots[MenuMusic].stream->getVolume(), 1.0f);
    EXPECT_FLOAT_EQ(SoundVolume(sounds, MenuMusic), 1.0f);

    SetMusicVolume(sounds, 0.75f);
    EXPECT_FLOAT_EQ(sounds.slots[MenuMusic].stream->getVolume(), 0.75f);
    EXPECT_FLOAT_EQ(SoundVolume(sounds, MenuMusic), 0.75f);
    for (SoundId id : kEffects) {
        EXPECT_FLOAT_EQ(sounds.slots[id].stream->getVolume(), 0.25f) << SoundName(id);
    }
}

// Every slot operation, as the game calls them, on one slot.
void ExerciseSlot(Sounds& sounds, SoundId id) {
    PlaySound(sounds, id, id == MenuMusic);
    PauseAllSounds(sounds);
    ResumeAllSounds(sounds);
    StopSound(sounds, id);
    PlaySound(sounds, id, false);
    SetEffectsVolume(sounds, 0.5f);
    SetMusicVolume(sounds, 0.25f);
}

// The sounds the generator wrote into the built game folder open and play.
TEST_F(SoundTest, TheGamesOwnSoundsOpenAndPlay) {
    fs::path game = BUBBLEHIVE_GAME_DIR;
    if (!fs::exists(game / "sound" / "startmenu.ogg")) {
        GTEST_SKIP() << "no generated sounds in " << game;
    }
    hge->System_SetStateString(HGE_GAMEDIR, game.string());
    Load();
    for (int id = 0; id < SoundCount; ++id) {
        SoundId slot = SoundId(id);
        ASSERT_TRUE(sounds.slots[id].stream) << SoundName(slot);
        PlaySound(sounds, slot, slot == MenuMusic);
        EXPECT_TRUE(IsSounding(sounds, slot)) << SoundName(slot);
    }
}

// A missing menu tune, or one that is not a sound, leaves its slot empty;
// the menus are silent and everything else works as before.
TEST_F(SoundTest, AnUnreadableFileLeavesItsSlotEmptyAndHarmless) {
    for (bool garbage : {false, true}) {
        SCOPED_TRACE(garbage ? "not a sound" : "missing");
        fs::remove(folder.path() / "sound" / "startmenu.ogg");
        if (garbage) {
            wav_fixture::WriteText(folder.path() / "sound" / "startmenu.ogg", "not a sound\n");
        }
        sounds = Sounds{};
        Load();
        EXPECT_FALSE(sounds.slots[MenuMusic].stream);
        for (SoundId id : kEffects) {
            EXPECT_TRUE(sounds.slots[id].stream) << SoundName(id);
        }

        ExerciseSlot(sounds, MenuMusic);
        EXPECT_FALSE(sounds.slots[MenuMusic].playing);
        EXPECT_FALSE(IsSounding(sounds, MenuMusic));
        EXPECT_FLOAT_EQ(SoundVolume(sounds, MenuMusic), 0.25f);

        PlaySound(sounds, ButtonSound, false);
        EXPECT_TRUE(IsSounding(sounds, ButtonSound));
        EXPECT_FLOAT_EQ(sounds.slots[ButtonSound].stream->getVolume(), 0.5f);
    }
}

TEST_F(SoundTest, WithoutADeviceEverythingIsSilent) {
    LoadSounds(sounds);  // the device was never opened
    for (int id = 0; id < SoundCount; ++id) {
        SoundId slot = SoundId(id);
        EXPECT_FALSE(sounds.slots[id].stream) << SoundName(slot);
        ExerciseSlot(sounds, slot);
        EXPECT_FALSE(sounds.slots[id].playing) << SoundName(slot);
        EXPECT_FALSE(IsSounding(sounds, slot)) << SoundName(slot);
    }
    EXPECT_FLOAT_EQ(SoundVolume(sounds, MenuMusic), 0.25f);
    EXPECT_FLOAT_EQ(SoundVolume(sounds, BombSound), 0.5f);
}

// An output that cannot be opened is reported in one line and the game
// carries on without a device.
TEST(SoundDeviceTest, AFailedOpenSaysOneLineAndLeavesNoDevice) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    Sounds sounds;
    testing::internal::CaptureStderr();
    OpenAudio(sounds);
    std::string said = testing::internal::GetCapturedStderr();
    if (previous) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
    if (sounds.device) {
        GTEST_SKIP() << "the audio output was already open in this process";
    }
    EXPECT_NE(said.find("audio"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
}

}  // namespace
