#pragma once
// The controls of the tabs beside the settings: "Adaptacja", "Mapa",
// "Oscyloskop", "Serwis", "Help" and "Info".
#include "core/window/adaptation_tab.h"
#include "core/window/help_tab.h"
#include "core/window/info_tab.h"
#include "core/window/map_tab.h"
#include "core/window/scope_tab.h"
#include "core/window/service_tab.h"
