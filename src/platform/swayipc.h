// sway's own control socket ($SWAYSOCK). No Wayland program may place its
// windows or change another program's, but on sway a program may ask the
// compositor to, as swaymsg does. Tesmar uses it to put its main window back
// where it stood before picking, and to give a full-screen application back
// the full-screen state the snapshot took from it.
#pragma once

#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

namespace sway {

// What picking changes on sway, as it stood before.
struct Desktop {
    // This program's floating window with the given title, at its outer
    // frame's place in the layout.
    std::optional<QPoint> mainPlace;
    // Other programs' full-screen windows: sway's container ids, with
    // whether they were full screen over every output.
    struct FullScreen {
        long long id = 0;
        bool global = false;
    };
    std::vector<FullScreen> fullScreen;
};

// Nothing when not on sway or sway does not answer.
std::optional<Desktop> Save(const QString& mainTitle);

// Puts the full-screen windows back in that state. Returns false when sway
// did not take the commands.
bool RestoreFullScreen(const Desktop& desktop);

// Moves this program's window with the given title to the saved place.
// Returns false while sway does not show that window (yet).
bool PutBackMain(const Desktop& desktop, const QString& mainTitle);

} // namespace sway
