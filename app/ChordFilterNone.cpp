#include "app/ChordFilter.h"

namespace tolvar {

void InstallChordFilter(QCoreApplication&) {}

}  // namespace tolvar
