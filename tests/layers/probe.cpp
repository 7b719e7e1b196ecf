// Compiled by the layer tests (tests/layers/CMakeLists.txt) against one library,
// with KOVRANT_LAYER_PROBE_HEADER naming the one header it includes.
#include KOVRANT_LAYER_PROBE_HEADER
