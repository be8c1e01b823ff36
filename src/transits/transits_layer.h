#pragma once

// The transit search sits above the position driver. Only targets that link velmaris_transits
// see this definition, so an include from a layer below stops here.
#ifndef VELMARIS_LAYER_TRANSITS
#error "transits/ is above positions/: a lower layer must not include it"
#endif
