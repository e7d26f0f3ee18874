// A modifier the keyboard latched down stays down in the whole system until somebody
// releases it. When the keyboard dies of an error nobody caught, this releases it first.
#pragma once

class TMainFormOSK;

void InstallModifierSafety(TMainFormOSK& form);
