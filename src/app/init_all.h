// Loads every screen and the sounds, once, in a fixed order.
#pragma once

#include "app/app.h"

void InitAll(App& app);
