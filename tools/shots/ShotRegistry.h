#pragma once
#include <functional>
#include <string>
#include <vector>

class wxWindow;
class NestrelFrame;

/// What a picture is taken of: the real main frame, started on a staged copy of the
/// shipped data with the example neighborhood loaded, its first family and that family's
/// first Sim selected.
struct ShotContext {
    NestrelFrame& frame;
};

/// Makes the window to picture: a top-level window (dialog or frame) created with the
/// main frame as parent and not yet shown. The picture taker shows it without a modal
/// loop, waits for it to be drawn, saves build/shots/<name>.png and destroys it. A
/// factory may return the main frame itself, which is pictured and kept.
using ShotFactory = std::function<wxWindow*(ShotContext&)>;

struct Shot {
    std::string name;  // the picture's file name without ".png", e.g. "career-info"
    ShotFactory make;
};

/// Every registered picture, in registration order.
std::vector<Shot>& RegisteredShots();

/// A picture of a message box: `open` runs code of the program that shows one modal
/// message box (a notice or a question). The picture taker saves the box as it
/// appears, then closes it as Cancel or the close box would, so nothing is changed.
struct MessageShot {
    std::string name;
    std::function<void(ShotContext&)> open;
};

std::vector<MessageShot>& RegisteredMessageShots();

struct MessageShotRegistration {
    MessageShotRegistration(std::string name, std::function<void(ShotContext&)> open) {
        RegisteredMessageShots().push_back({std::move(name), std::move(open)});
    }
};

/// Registers a picture; one static object per window, in the file of its subsystem
/// (tools/shots/Shots<Subsystem>.cpp).
struct ShotRegistration {
    ShotRegistration(std::string name, ShotFactory make) {
        RegisteredShots().push_back({std::move(name), std::move(make)});
    }
};
