#include "StoredPlacements.h"

#include "FadeInEditer.h"
#include "SettingsStore.h"

namespace placements {

namespace {

struct Stored {
    const char* section;
    const char* extentKey;
    WindowPlacement defaults;
};

Stored storedAs(Window window)
{
    switch (window) {
    case Window::PlayBar:
        return {"fPlayBar", "Width", {4935, 0, 7935}};
    case Window::Editor:
        return {"fFadeInEditer", "Width", {FadeInEditer::DefaultTop, 0, FadeInEditer::DefaultWidth}};
    case Window::PlayList:
        break;
    }
    return {"fPlayList", "Height", {0, 0, 4935}};
}

}  // namespace

WindowPlacement defaults(Window window)
{
    return storedAs(window).defaults;
}

WindowPlacement read(const SettingsStore& store, Window window)
{
    const Stored stored = storedAs(window);
    return store
        .readPlacement(QString::fromLatin1(stored.section), QString::fromLatin1(stored.extentKey), stored.defaults)
        .checked(stored.defaults);
}

void write(SettingsStore& store, Window window, const WindowPlacement& placement)
{
    const Stored stored = storedAs(window);
    store.writePlacement(QString::fromLatin1(stored.section), QString::fromLatin1(stored.extentKey), placement);
}

WindowPlacement arranged(Window window, float left)
{
    const WindowPlacement place = defaults(window);
    return {place.top, left, place.extent};
}

}  // namespace placements
