#pragma once
// Reading the shipped asset files in the tests.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace assettest {

QString assetPath(const QString& relative);
QImage loadImage(const QString& relative);
QByteArray loadBytes(const QString& relative);

/// The 32 x 32 cell at column c, row r of a sheet.
QImage cellOf(const QImage& sheet, int column, int row);
/// The number of pixels in which two images of one size differ.
int differingPixels(const QImage& a, const QImage& b);
/// The mean colour of an image, as r, g, b in 0..255.
std::vector<double> meanColour(const QImage& img);

struct Wave {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int format = 0;
    std::vector<std::int16_t> samples;
};
/// Parses a RIFF WAVE file; returns false if it is not one.
bool parseWave(const QByteArray& bytes, Wave& out);

struct MidiNote {
    int track;          // counted from 0, the conductor track included
    std::uint64_t tick; // where it starts
    int channel;
    int key;
};

struct MidiSummary {
    int format = -1;
    int trackCount = 0;
    int division = 0;
    int tracksEndedProperly = 0;
    double seconds = 0;          // up to the last end-of-track, with every tempo change
    int notesOn = 0;
    int notesOff = 0;            // including note-ons of velocity 0
    int drumNotes = 0;           // note-ons on channel 10
    int programChanges = 0;
    int hangingNotes = 0;        // notes still sounding at the end of their track
    double openingTempo = 120;   // beats per minute at the start
    std::vector<QString> trackNames;
    std::vector<MidiNote> notes; // every note-on, track by track
};
/// Parses a Standard MIDI File; returns false on any malformed chunk or event.
bool parseMidi(const QByteArray& bytes, MidiSummary& out);

} // namespace assettest
