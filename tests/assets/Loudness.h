#pragma once
// Integrated loudness (ITU-R BS.1770: K-weighting, 400 ms blocks, absolute and
// relative gates) of a mono signal, and a General MIDI piece rendered to one.

#include <QString>

#include <vector>

namespace assettest {

/// Channels of one length, samples in -1..1.
using Channels = std::vector<std::vector<float>>;

/// Loudness in LUFS, the channels' powers summed; a signal shorter than one
/// 400 ms block is measured as one block padded with silence. Returns -70 for
/// silence. A mono sound played on both speakers is two equal channels.
double integratedLoudness(const Channels& channels, int sampleRate);

/// Renders a MIDI file in stereo with FluidSynth at its default gain (as the
/// game plays it) through the given SoundFont. Empty if the synthesizer or
/// the SoundFont cannot be loaded.
Channels renderMidi(const QString& midiFile, const QString& soundFont, int sampleRate);

/// Renders it as renderMidi does, MIDI channel c into stem c % `stems`, each
/// with its own share of reverb and chorus, so the stems add up to the mix.
std::vector<Channels> renderMidiStems(const QString& midiFile, const QString& soundFont, int sampleRate, int stems);

} // namespace assettest
