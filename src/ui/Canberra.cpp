#include "ui/Canberra.h"

#ifdef REELCATCH_HAVE_CANBERRA
#include "ui/UiLog.h"

#include <dlfcn.h>

namespace reelcatch {

namespace {

template <typename Function> bool resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

} // namespace

const Canberra* Canberra::get()
{
    static const Canberra* const loaded = []() -> const Canberra* {
        void* library = ::dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            const char* reason = ::dlerror();
            qCDebug(lcUi) << "no completion sound:" << (reason ? reason : "libcanberra.so.0");
            return nullptr;
        }
        static Canberra api;
        if (!resolve(library, "ca_context_create", api.create) ||
            !resolve(library, "ca_context_change_props", api.changeProps) ||
            !resolve(library, "ca_context_play", api.play) ||
            !resolve(library, "ca_context_destroy", api.destroy)) {
            qCDebug(lcUi) << "no completion sound: libcanberra lacks a function";
            return nullptr;
        }
        return &api;
    }();
    return loaded;
}

} // namespace reelcatch
#endif
