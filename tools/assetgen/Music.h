#pragma once
// The two pieces of background music.

#include <QByteArray>
#include <QString>

#include <vector>

namespace assetgen {

struct NamedTune {
    QString fileName;
    QByteArray midi;
};

/// A bright, bouncy tune in C major for pushing crates about.
QByteArray cheerfulPiece();
/// A slow, thoughtful piece in A minor for the long puzzles.
QByteArray calmPiece();

/// Piece 1 is "TOLVAR3.MID", piece 2 "TOLVAR2.MID".
std::vector<NamedTune> musicPieces();

} // namespace assetgen
