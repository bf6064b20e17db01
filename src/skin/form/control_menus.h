#pragma once
// Serves the menus that controls build by themselves (an edit's own context
// menu) with skinned popup menu components of the control's form.

namespace lumora {

// Registers the factory the controls ask for their menus; repeat calls do
// no harm.
void InstallControlPopupMenus();

}  // namespace lumora
