#pragma once

// The planetary theory sits above the ephemeris core. Only targets that link velmaris_planets
// see this definition, so an include from the core stops here.
#ifndef VELMARIS_LAYER_PLANETS
#error "planets/ is above ephemeris/: the ephemeris core must not include it"
#endif
