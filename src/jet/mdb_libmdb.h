#pragma once
// Debian's mdbtools.h opens an extern "C" block around glib; glib must be seen first, from C++.
#include <glib.h>
#include <mdbtools.h>
