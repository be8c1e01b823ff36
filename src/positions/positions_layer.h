#pragma once

// The position driver sits above the ephemeris core and the planetary theory. Only targets that
// link velmaris_positions see this definition, so an include from a layer below stops here.
#ifndef VELMARIS_LAYER_POSITIONS
#error "positions/ is above ephemeris/ and planets/: a lower layer must not include it"
#endif
