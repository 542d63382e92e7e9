// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "audio/sound_player.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <cstdlib>

#include "audio/wav.h"
#include "control/camera.h"
#include "platform/sound_system.h"
#include "scene/angles.h"

namespace vortimbal {

SoundPlayer soundPlayer;

namespace {

const char* const effectFiles[] = {"shot.wav",          "hit.wav",       "citizen_lost.wav",
                                   "level_cleared.wav", "game_over.wav", "menu_tick.wav"};
// A shot this far away sounds half as loud; the city is 140 units across.
constexpr float referenceDistance = 15;
constexpr float rolloff = 1;

ALenum formatOf(const WavSound& sound) {
    if (sound.channels == 1) {
        return sound.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    }
    return sound.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

}  // namespace

void SoundPlayer::open(const std::string& folder, std::ostream& messages) {
    quietSoundLibraries();
    ALCdevice* opened = alcOpenDevice(nullptr);
    ALCcontext* made = opened != nullptr ? alcCreateContext(opened, nullptr) : nullptr;
    if (made == nullptr || !alcMakeContextCurrent(made)) {
        messages << "No sound device: the game plays silently\n";
        if (made != nullptr) {
            alcDestroyContext(made);
        }
        if (opened != nullptr) {
            alcCloseDevice(opened);
        }
        return;
    }
    device = opened;
    context = made;
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    alGenSources(sourceCount, sources);
    for (ALuint source : sources) {
        alSourcef(source, AL_REFERENCE_DISTANCE, referenceDistance);
        alSourcef(source, AL_ROLLOFF_FACTOR, rolloff);
    }
    loadEffects(folder, messages);
    setMuted(muted);
}

void SoundPlayer::loadEffects(const std::string& folder, std::ostream& messages) {
    alGenBuffers(EffectCount, buffers);
    for (int i = 0; i < EffectCount; ++i) {
        WavSound sound;
        const std::string file = folder + "/" + effectFiles[i];
        const std::string problem = loadWav(file, sound);
        if (!problem.empty()) {
            messages << "Sound " << file << " is left out: " << problem << '\n';
            alDeleteBuffers(1, &buffers[i]);
            buffers[i] = 0;
            continue;
        }
        alBufferData(buffers[i], formatOf(sound), sound.samples.data(),
                     ALsizei(sound.samples.size()), sound.sampleRate);
    }
}

void SoundPlayer::close() {
    if (context == nullptr) {
        return;
    }
    alDeleteSources(sourceCount, sources);
    for (ALuint& buffer : buffers) {
        if (buffer != 0) {
            alDeleteBuffers(1, &buffer);
            buffer = 0;
        }
    }
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(static_cast<ALCcontext*>(context));
    alcCloseDevice(static_cast<ALCdevice*>(device));
    context = device = nullptr;
}

void SoundPlayer::setMuted(bool mute) {
    muted = mute;
    applyGain();
}

void SoundPlayer::setVolume(int tenths) {
    volume = tenths;
    applyGain();
}

void SoundPlayer::applyGain() {
    if (context != nullptr) {
        alListenerf(AL_GAIN, muted ? 0.0f : float(volume) / 10.0f);
    }
}

void SoundPlayer::followCamera() {
    if (context == nullptr) {
        return;
    }
    const Vector3& at = camera.smoothPosition;
    const Vector3 ahead = directionFromRotation(camera.smoothRotation);
    const ALfloat orientation[] = {ahead.x, ahead.y, ahead.z, 0, 1, 0};
    alListener3f(AL_POSITION, at.x, at.y, at.z);
    alListenerfv(AL_ORIENTATION, orientation);
}

void SoundPlayer::play(Effect effect, const Vector3* at) {
    if (context == nullptr || buffers[effect] == 0) {
        return;
    }
    const ALuint source = sources[nextSource];
    nextSource = (nextSource + 1) % sourceCount;
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, ALint(buffers[effect]));
    // Without a place, the sound plays at the listener, whatever way it turns.
    alSourcei(source, AL_SOURCE_RELATIVE, at == nullptr ? AL_TRUE : AL_FALSE);
    const Vector3 place = at != nullptr ? *at : Vector3();
    alSource3f(source, AL_POSITION, place.x, place.y, place.z);
    alSourcePlay(source);
}

}  // namespace vortimbal
