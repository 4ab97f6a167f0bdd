#pragma once

#ifdef REELCATCH_HAVE_CANBERRA
#include <canberra.h>

namespace reelcatch {

// libcanberra's functions that play the completion sound, loaded the first
// time a sound is played instead of with the program (its sound-server
// clients are many libraries that the first window doesn't need). The
// installed package therefore has to depend on the runtime package by name
// (Debian: libcanberra0), since dpkg-shlibdeps only sees linked libraries.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;

    // Null when libcanberra.so.0 or one of these functions can't be had;
    // loaded once, by whichever thread asks first, and never unloaded.
    static const Canberra* get();
};

} // namespace reelcatch
#endif
