// The session played when no file is given: every feature of the plug-in once, in 20 seconds.
#include "session.h"

namespace sim {

std::string_view embeddedSessionText() {
    return R"toml(# vorthmere-sim's built-in session: every feature once, in 20 seconds.
# Times are seconds from the start; each event changes only what it names.
name = "vorthmere-sim: the built-in session"
duration = 20.0

events = [
  { time = 0.0,  walk = 1.5 },
  { time = 0.5,  keys_down = ["Ctrl"] },
  { time = 0.6,  keys_down = ["Z"], note = "Ctrl+Z: switch on" },
  { time = 0.8,  keys_up = ["Z", "Ctrl"] },
  { time = 1.5,  look = [0.2, 0.0], note = "look right" },
  { time = 2.5,  look = [0.0, -0.6], note = "look up: pitch stops at +90" },
  { time = 3.5,  look = [0.0, 1.0], note = "look down: pitch stops at -90" },
  { time = 4.5,  look = [0.0, -0.8333] },
  { time = 5.0,  look = [0.0, 0.0] },
  { time = 5.5,  look_behind = true, note = "look-behind held" },
  { time = 6.5,  look_behind = false, note = "look-behind released" },
  { time = 7.0,  distance = true, note = "distance: 5.5" },
  { time = 8.0,  distance = true, note = "distance: 7.5" },
  { time = 9.0,  distance = true, note = "distance: 3.5" },
  { time = 9.5,  weapon = "long", aim = true, note = "aim a long-class weapon" },
  { time = 10.5, aim = false },
  { time = 11.0, weapon = "short", aim = true, note = "aim a short-class weapon" },
  { time = 12.0, aim = false, weapon = "none" },
  { time = 12.5, target = true, note = "target held: lock" },
  { time = 13.5, target = false, note = "target released" },
  { time = 14.0, carried = "A", walk = 3.0, slope = 6.0, note = "rides a horse uphill (carried A)" },
  { time = 15.0, turn = 30.0 },
  { time = 15.5, look = [-0.3, 0.0], note = "look left: centring stops" },
  { time = 15.8, look = [0.0, 0.0] },
  { time = 16.0, turn = 0.0 },
  { time = 17.2, scope = true, note = "scope up: camera off" },
  { time = 17.9, scope = false, note = "scope down: camera on" },
  { time = 18.4, carried = "none", walk = 0.0, slope = 0.0, note = "dismounts" },
  { time = 19.0, keys_down = ["Ctrl"] },
  { time = 19.1, keys_down = ["G"], note = "Ctrl+G: switch off" },
  { time = 19.3, keys_up = ["G", "Ctrl"] },
]

# Written as Vorthmere.ini in the folder the session plays in.
[settings]
disable_in_scope = 1   # the scope view switches the camera off, and on again after it
auto_center_time = 45  # idle frames before the camera re-centres behind a riding character

[scene]
character = [0.0, 0.0, 0.0]
heading = 0.0
target = [-6.0, 26.0, 1.0]
)toml";
}

} // namespace sim
