// The interactive menu: a banner, then one line for each setting the user can
// change, showing its current value.
#ifndef KORVANE_APP_MENU_H_
#define KORVANE_APP_MENU_H_

#include "app/tuner_state.h"

// Prints the banner chosen by state.menuBanner and the menu.
void PrintMenu(const TunerState& state);

#endif  // KORVANE_APP_MENU_H_
