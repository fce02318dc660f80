#include "app/sound.h"

#include "engine/audio.h"
#include "engine/hge.h"

#include <algorithm>

namespace {

struct SoundFile {
    const char* name;
    const char* path;
    bool streamed;
};

// In load order; only the menu tune is read while it plays.
constexpr SoundFile kSoundFiles[SoundCount] = {
    {"MenuMusic", "sound/startmenu.ogg", true}, {"BombSound", "sound/bomb.wav", false},
    {"RemoveSound", "sound/remove.wav", false}, {"ButtonSound", "sound/button.wav", false},
    {"HitSound", "sound/hit.wav", false},       {"ShootSound", "sound/shoot.wav", false},
    {"PassSound", "sound/pass.wav", false},     {"FailSound", "sound/fail.wav", false},
    {"ReadySound", "sound/ready.wav", false},   {"InfectionSound", "sound/infection.wav", false},
};

}  // namespace

const char* SoundName(SoundId id) {
    if (id < 0 || id >= SoundCount) {
        return "?";
    }
    return kSoundFiles[id].name;
}

void OpenAudio(Sounds& sounds) {
    sounds.device = AdrOpenDevice();
}

void LoadSounds(Sounds& sounds) {
    HGE* hge = hgeCreate(HGE_VERSION);
    for (int id = 0; id < SoundCount; ++id) {
        SoundSlot& slot = sounds.slots[id];
        auto source = AdrOpenSampleSource(hge->Resource_MakePath(kSoundFiles[id].path));
        slot.stream = AdrOpenSound(sounds.device, source, kSoundFiles[id].streamed);
        if (slot.stream) {
            slot.stream->setVolume(slot.volume);
        }
    }
    hge->Release();
}

void PlaySound(Sounds& sounds, SoundId id, bool repeat) {
    SoundSlot& slot = sounds.slots[id];
    if (!slot.stream) {
        return;
    }
    slot.playing = true;
    slot.stream->setRepeat(repeat);
    slot.stream->setPosition(0);
    slot.stream->play();
}

void StopSound(Sounds& sounds, SoundId id) {
    SoundSlot& slot = sounds.slots[id];
    if (!slot.stream) {
        return;
    }
    slot.playing = false;
    slot.stream->stop();
    slot.stream->setPosition(0);
}

void PauseAllSounds(Sounds& sounds) {
    for (SoundSlot& slot : sounds.slots) {
        if (!slot.stream) {
            continue;
        }
        slot.playing = slot.stream->isPlaying();
        slot.stream->stop();
    }
}

void ResumeAllSounds(Sounds& sounds) {
    for (SoundSlot& slot : sounds.slots) {
        if (!slot.stream || !slot.playing) {
            continue;
        }
        slot.playing = true;
        slot.stream->play();
    }
}

void SetEffectsVolume(Sounds& sounds, float volume) {
    volume = std::clamp(volume, 0.0f, 1.0f);
    for (int id = 0; id < SoundCount; ++id) {
        if (id == MenuMusic) {
            continue;
        }
        SoundSlot& slot = sounds.slots[id];
        slot.volume = volume;
        if (slot.stream) {
            slot.stream->setVolume(volume);
        }
    }
}

void SetMusicVolume(Sounds& sounds, float volume) {
    volume = std::clamp(volume, 0.0f, 1.0f);
    SoundSlot& slot = sounds.slots[MenuMusic];
    slot.volume = volume;
    if (slot.stream) {
        slot.stream->setVolume(volume);
    }
}

bool IsSounding(const Sounds& sounds, SoundId id) {
    const SoundSlot& slot = sounds.slots[id];
    return slot.stream && slot.stream->isPlaying();
}

float SoundVolume(const Sounds& sounds, SoundId id) {
    return sounds.slots[id].volume;
}
