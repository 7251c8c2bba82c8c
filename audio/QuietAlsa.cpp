#include "audio/QuietAlsa.h"

#ifdef TOLVAR_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif

namespace tolvar::audio {

#ifdef TOLVAR_HAVE_ALSA
namespace {
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

QuietAlsa::QuietAlsa()
{
    snd_lib_error_set_handler(IgnoreAlsaError);
}

QuietAlsa::~QuietAlsa()
{
    if (!keep_)
        snd_lib_error_set_handler(nullptr);
}
#else
QuietAlsa::QuietAlsa() = default;
QuietAlsa::~QuietAlsa() = default;
#endif

void QuietAlsa::KeepQuiet()
{
    keep_ = true;
}

}  // namespace tolvar::audio
