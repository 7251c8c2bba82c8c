#pragma once
// The four sound effects: a push, a push onto a goal, a won level, and undo.

#include <QByteArray>
#include <QString>

#include <vector>

namespace assetgen {

struct NamedSound {
    QString fileName;
    QByteArray wav;
};

std::vector<NamedSound> soundEffects();

} // namespace assetgen
