// Joins tests/runtime/dialogs/ with the record-list hook of give_graphic_defaults (see
// wip/README.md) once gdi-core and gdi-text build together.
#include <gtest/gtest.h>
#include "runtime/dialogs/record_list.h"
#include "runtime/frame/error_state.h"
