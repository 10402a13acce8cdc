// Binding the renderer library by name at run time, and its three exports as
// the program calls them.
#pragma once

#include "render/Lip.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace oralis {

// The renderer's three exports, as the program calls them. Tests substitute a
// recording stand-in.
struct LipExports {
    ControlPassFn ControlPass = nullptr;
    ControlPassFn ControlPassTarget = nullptr;
    DrawSpaceFn DrawSpace = nullptr;

    bool complete() const { return ControlPass && ControlPassTarget && DrawSpace; }
};

// Opens the first of `candidates` (file paths or bare library names) that the
// dynamic loader accepts and looks up the three exports by name. Empty when no
// candidate opens or an export is missing; `whyNot` then carries the loader's
// reasons.
std::optional<LipExports> LoadLipExports(const QStringList& candidates, QString* whyNot = nullptr);

// The program's binding: libLip.so from the program's folder, then from
// ../lib/oralis/ beside it, otherwise by bare name through the normal library
// search (LipLibraryCandidates). The first call binds; every
// later call gives the same answer, a failure included.
std::optional<LipExports> BindLipLibrary(QString* whyNot = nullptr);

}  // namespace oralis
