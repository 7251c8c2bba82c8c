#pragma once
// The ALSA library writes its complaints straight to stderr: on a machine
// without a sound card, trying the "alsa" driver prints a dozen lines. This
// keeps it quiet for the scope of a try.

namespace tolvar::audio {

class QuietAlsa {
public:
    QuietAlsa();
    /// Puts ALSA's own reporting back unless KeepQuiet() was called.
    ~QuietAlsa();
    QuietAlsa(const QuietAlsa&) = delete;
    QuietAlsa& operator=(const QuietAlsa&) = delete;

    /// ALSA now plays our music: its later complaints (an underrun) stay quiet too.
    void KeepQuiet();

private:
    bool keep_ = false;
};

}  // namespace tolvar::audio
