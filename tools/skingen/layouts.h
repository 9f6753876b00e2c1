#pragma once
#include "layout_model.h"

namespace skin {

Layout mainWindowLayout();
Layout dialogLayout();

} // namespace skin
