// The game's ten sound slots: one menu tune and nine effects, each a global
// handle with a playing flag, over the engine's audio layer.
#pragma once

#include <array>
#include <memory>

class AudioDevice;
class AudioStream;

enum SoundId {
    MenuMusic,
    BombSound,
    RemoveSound,
    ButtonSound,
    HitSound,
    ShootSound,
    PassSound,
    FailSound,
    ReadySound,
    InfectionSound,
    SoundCount
};

struct SoundSlot {
    std::shared_ptr<AudioStream> stream;  // empty when the file failed to open
    bool playing = false;
    float volume = 1.0f;  // the last volume set, kept for an empty slot too
};

struct Sounds {
    std::shared_ptr<AudioDevice> device;  // null: the game runs silently
    std::array<SoundSlot, SoundCount> slots;
};

// The slot names as the replay dump shows them ("MenuMusic", "BombSound", ...).
const char* SoundName(SoundId id);

// Opens the audio device (once, before the game starts); on failure the
// device stays empty and one line goes to stderr.
void OpenAudio(Sounds& sounds);
void LoadSounds(Sounds& sounds);
void PlaySound(Sounds& sounds, SoundId id, bool repeat);
void StopSound(Sounds& sounds, SoundId id);
void PauseAllSounds(Sounds& sounds);
void ResumeAllSounds(Sounds& sounds);
void SetEffectsVolume(Sounds& sounds, float volume);
void SetMusicVolume(Sounds& sounds, float volume);
// Whether the slot's stream is really sounding right now.
bool IsSounding(const Sounds& sounds, SoundId id);
float SoundVolume(const Sounds& sounds, SoundId id);
