// The audio layer over the dummy output driver: streams keep their place
// when stopped, rewind on demand, end or repeat, and keep their own volume.
#include "engine/audio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "wav_fixture.h"

namespace {

using wav_fixture::WaitFor;

constexpr int kHalfSecond = 22050;  // frames

class AudioTest : public testing::Test {
protected:
    void SetUp() override {
        wav_fixture::UseDummyAudioDriver();
        device = AdrOpenDevice();
        ASSERT_TRUE(device);
    }

    std::shared_ptr<AudioStream> OpenTone(const std::string& name, double seconds, bool streaming) {
        auto path = folder.path() / name;
        wav_fixture::WriteToneWav(path, seconds);
        return AdrOpenSound(device, AdrOpenSampleSource(path.string()), streaming);
    }

    wav_fixture::TempFolder folder;
    std::shared_ptr<AudioDevice> device;
};

// Each case runs once for a whole-loaded sound and once for a streamed one.
class AudioStreamKindTest : public AudioTest, public testing::WithParamInterface<bool> {};

TEST_P(AudioStreamKindTest, StopKeepsThePlaceAndPlayGoesOnFromIt) {
    auto stream = OpenTone("tone.wav", 3.0, GetParam());
    ASSERT_TRUE(stream);
    EXPECT_FALSE(stream->isPlaying());
    stream->play();
    EXPECT_TRUE(stream->isPlaying());
    ASSERT_TRUE(WaitFor([&] { return stream->getPosition() > kHalfSecond; }));

    int before = stream->getPosition();
    stream->stop();
    EXPECT_FALSE(stream->isPlaying());
    int stoppedAt = stream->getPosition();
    EXPECT_GE(stoppedAt, before);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ(stream->getPosition(), stoppedAt);

    stream->play();
    EXPECT_TRUE(stream->isPlaying());
    EXPECT_GE(stream->getPosition(), stoppedAt);
}

TEST_P(AudioStreamKindTest, RewindingStartsOverWhetherPlayingOrStopped) {
    auto stream = OpenTone("tone.wav", 3.0, GetParam());
    ASSERT_TRUE(stream);
    stream->play();
    ASSERT_TRUE(WaitFor([&] { return stream->getPosition() > kHalfSecond; }));

    // Rewinding a playing sound plays on from the start.
    stream->setPosition(0);
    EXPECT_TRUE(stream->isPlaying());
    EXPECT_LT(stream->getPosition(), kHalfSecond / 2);
    ASSERT_TRUE(WaitFor([&] { return stream->getPosition() > kHalfSecond; }));

    // Rewinding a stopped sound leaves it silent, at the start.
    stream->stop();
    stream->setPosition(0);
    EXPECT_FALSE(stream->isPlaying());
    EXPECT_EQ(stream->getPosition(), 0);
    stream->play();
    EXPECT_TRUE(stream->isPlaying());
    EXPECT_LT(stream->getPosition(), kHalfSecond / 2);
}

TEST_P(AudioStreamKindTest, OneShotEndsAndRepeatGoesOn) {
    auto stream = OpenTone("short.wav", 0.05, GetParam());
    ASSERT_TRUE(stream);
    stream->play();
    EXPECT_TRUE(WaitFor([&] { return !stream->isPlaying(); }));

    stream->setRepeat(true);
    EXPECT_TRUE(stream->getRepeat());
    stream->play();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // six times its length
    EXPECT_TRUE(stream->isPlaying());
    stream->stop();
    EXPECT_FALSE(stream->isPlaying());
}

INSTANTIATE_TEST_SUITE_P(WholeAndStreamed, AudioStreamKindTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Streamed" : "Whole";
                         });

TEST_F(AudioTest, AnEffectNeverSoundsTwiceAtOnce) {
    auto first = OpenTone("first.wav", 2.0, false);
    auto second = OpenTone("second.wav", 2.0, false);
    ASSERT_TRUE(first && second);
    first->play();
    first->play();
    first->setPosition(0);
    first->play();
    EXPECT_EQ(AdrPlayingEffectCount(device), 1);
    second->play();
    EXPECT_EQ(AdrPlayingEffectCount(device), 2);
    first->stop();
    EXPECT_EQ(AdrPlayingEffectCount(device), 1);
}

TEST_F(AudioTest, EachStreamKeepsItsOwnVolume) {
    auto music = OpenTone("music.wav", 2.0, true);
    auto effect = OpenTone("effect.wav", 2.0, false);
    auto other = OpenTone("other.wav", 2.0, false);
    ASSERT_TRUE(music && effect && other);
    music->play();  // the music's volume is the mixer's while it plays

    effect->setVolume(0.25f);
    EXPECT_FLOAT_EQ(effect->getVolume(), 0.25f);
    EXPECT_FLOAT_EQ(other->getVolume(), 1.0f);
    EXPECT_FLOAT_EQ(music->getVolume(), 1.0f);

    music->setVolume(0.5f);
    EXPECT_FLOAT_EQ(music->getVolume(), 0.5f);
    EXPECT_FLOAT_EQ(effect->getVolume(), 0.25f);
    EXPECT_FLOAT_EQ(other->getVolume(), 1.0f);

    // Out-of-range volumes are clamped.
    other->setVolume(3.0f);
    EXPECT_FLOAT_EQ(other->getVolume(), 1.0f);
    other->setVolume(-1.0f);
    EXPECT_FLOAT_EQ(other->getVolume(), 0.0f);

    // A stream opened later does not inherit a volume from a closed one.
    effect.reset();
    auto later = OpenTone("later.wav", 0.1, false);
    ASSERT_TRUE(later);
    EXPECT_FLOAT_EQ(later->getVolume(), 1.0f);

    // A stopped and restarted music keeps its volume.
    music->stop();
    music->setPosition(0);
    music->play();
    EXPECT_FLOAT_EQ(music->getVolume(), 0.5f);
}

TEST_F(AudioTest, WhatCannotBeOpenedGivesNull) {
    EXPECT_EQ(AdrOpenSampleSource((folder.path() / "missing.wav").string()), nullptr);
    EXPECT_EQ(AdrOpenSound(device, nullptr, false), nullptr);
    EXPECT_EQ(AdrOpenSound(device, nullptr, true), nullptr);

    auto garbage = folder.path() / "garbage.ogg";
    wav_fixture::WriteText(garbage, std::string(4000, 'x'));
    for (bool streaming : {false, true}) {
        auto source = AdrOpenSampleSource(garbage.string());
        ASSERT_TRUE(source);
        EXPECT_EQ(AdrOpenSound(device, source, streaming), nullptr) << "streaming " << streaming;
    }

    auto tone = folder.path() / "tone.wav";
    wav_fixture::WriteToneWav(tone, 0.1);
    EXPECT_EQ(AdrOpenSound(nullptr, AdrOpenSampleSource(tone.string()), false), nullptr);
    EXPECT_EQ(AdrPlayingEffectCount(nullptr), 0);
}

TEST_F(AudioTest, TheOpenDeviceIsShared) {
    EXPECT_EQ(AdrOpenDevice(), device);
}

}  // namespace
