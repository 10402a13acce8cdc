#include "ui/editor/EditFrm.h"

#include "ui/Common.h"
#include "ui/main/frmSpace.h"

namespace oralis {

void OpenEditor(frmSpace& main)
{
    ShowMessage(&main, QStringLiteral("The editor is not available yet."));
}

}  // namespace oralis
