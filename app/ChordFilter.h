#pragma once
// The level-skip chord Ctrl+Alt+F9 is a console switch to the X server: it comes
// to us, if at all, as a key Qt has no name for. The filter gives it back to the
// focused widget as an ordinary F9 with Ctrl and Alt held.
class QCoreApplication;

namespace tolvar {

/// Installs the filter on the application when it runs on X; elsewhere does nothing.
void InstallChordFilter(QCoreApplication& app);

}  // namespace tolvar
