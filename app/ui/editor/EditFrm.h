// The lip pattern editor.
#pragma once

namespace oralis {

class frmSpace;

// Refills the editor's sign list and shows it without blocking the main window.
void OpenEditor(frmSpace& main);

}  // namespace oralis
