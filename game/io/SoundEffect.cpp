#include "game/io/SoundEffect.h"

#include <algorithm>
#include <array>

#include "game/gfx/ShowError.h"
#include "game/io/Globals.h"
#include "game/io/SoundLevels.h"
#include "game/io/Wave.h"

namespace {
constexpr size_t kExtensibleRecordSize = 22;
constexpr size_t kSubFormatOffset = 6; // valid bits (2), channel mask (4), then the sub-format GUID
// The GUID of PCM samples inside an extensible format record.
constexpr std::array<uint8_t, 16> kPcmSubFormat = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                                   0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

bool IsPcm(const WaveFormat& format) {
    if (format.formatTag == WaveFormat::kTagPcm) return true;
    if (format.formatTag != WaveFormat::kTagExtensible || format.extra.size() < kExtensibleRecordSize)
        return false;
    const uint16_t validBits = static_cast<uint16_t>(format.extra[0] | format.extra[1] << 8);
    return validBits == format.bitsPerSample &&
           std::equal(kPcmSubFormat.begin(), kPcmSubFormat.end(), format.extra.begin() + kSubFormatOffset);
}
} // namespace

bool IsPlayableFormat(const WaveFormat& format) {
    const bool sampleSizeOk = format.bitsPerSample == 8 || format.bitsPerSample == 16;
    const bool channelsOk = format.channels == 1 || format.channels == 2;
    return IsPcm(format) && sampleSizeOk && channelsOk &&
           format.blockAlign == format.channels * format.bitsPerSample / 8 &&
           format.samplesPerSec >= SoundEffect::kMinFrequency &&
           format.samplesPerSec <= SoundEffect::kMaxFrequency;
}

PcmSamples SoundEffect::Samples(int rate) const {
    return PcmSamples{samples_.data(), samples_.size(), rate, channels_, bitsPerSample_};
}

int SoundEffect::Create(const Archive* archive, const char* name) {
    Release();
    if (!lowDSound) return 0;
    Wave wave;
    if (wave.Load(name, archive) != kWaveOk) {
        ShowError("Wave.Load( %s )", name);
        return 0;
    }
    return CreateFromWave(wave);
}

int SoundEffect::CreateFromWave(const Wave& wave) {
    Release();
    if (!lowDSound) return 0;
    const WaveFormat& format = wave.Format();
    const size_t frameBytes = size_t{format.blockAlign};
    if (!wave.HasFormat() || !IsPlayableFormat(format) || wave.Size() < frameBytes) {
        ShowError("lowDSound->CreateSoundBuffer");
        return 0;
    }
    m_pDSB = lowDSound->CreateEffect();
    if (m_pDSB == kNoBuffer) {
        ShowError("lowDSound->CreateSoundBuffer");
        return 0;
    }
    // A trailing part of a frame cannot be played; it is dropped.
    samples_.assign(wave.Data().begin(), wave.Data().begin() + wave.Size() / frameBytes * frameBytes);
    channels_ = format.channels;
    bitsPerSample_ = format.bitsPerSample;
    frequency_ = static_cast<int>(format.samplesPerSec);
    if (!lowDSound->SetSamples(m_pDSB, Samples(frequency_))) {
        Release();
        ShowError("m_pDSB->Lock1");
        return 0;
    }
    SetParams(frequency_, 0, kFullVolume);
    return 1;
}

void SoundEffect::SetParams(int frequency, int pan, int volume) {
    if (!lowDSound || m_pDSB == kNoBuffer) return;
    // The samples are resampled only when the rate changes; a rate out of range leaves the pitch as it is.
    if (frequency != frequency_ && frequency >= kMinFrequency && frequency <= kMaxFrequency &&
        lowDSound->SetSamples(m_pDSB, Samples(frequency)))
        frequency_ = frequency;
    const PanGains gains =
        PanFromHundredthsDb(std::clamp(pan, -kMaxPanStep, kMaxPanStep) * kPanStepHundredthsDb);
    lowDSound->SetPan(m_pDSB, gains.left, gains.right);
    volume_ = std::clamp(volume, 0, kFullVolume);
    ApplyVolume();
}

// The effect's own level, scaled by the player's effects volume.
void SoundEffect::ApplyVolume() {
    if (!lowDSound || m_pDSB == kNoBuffer) return;
    const int level = volume_ * kVolumeStepHundredthsDb + kSilentHundredthsDb;
    lowDSound->SetVolume(m_pDSB, GainFromHundredthsDb(level) * gEffectsGain);
}

void SoundEffect::Play() {
    if (lowDSound && m_pDSB != kNoBuffer) lowDSound->Play(m_pDSB);
}

void SoundEffect::Release() {
    if (lowDSound && m_pDSB != kNoBuffer) lowDSound->ReleaseEffect(m_pDSB);
    m_pDSB = kNoBuffer;
    samples_.clear();
    samples_.shrink_to_fit();
}
