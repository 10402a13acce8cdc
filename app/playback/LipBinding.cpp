#include "playback/LipBinding.h"

#include "model/DataPlaces.h"
#include "model/ProgramState.h"
#include "model/Refusal.h"

#include <QCoreApplication>
#include <dlfcn.h>

namespace oralis {

namespace {

template <typename Fn>
Fn Lookup(void* handle, const char* name)
{
    // POSIX guarantees that a function address survives the trip through void*.
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

}  // namespace

std::optional<LipExports> LoadLipExports(const QStringList& candidates, QString* whyNot)
{
    QStringList reasons;
    for (const QString& candidate : candidates) {
        const QByteArray file = candidate.toLocal8Bit();
        void* handle = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* reason = dlerror();
            reasons << (reason ? QString::fromLocal8Bit(reason) : candidate);
            continue;
        }

        LipExports lip;
        lip.ControlPass = Lookup<ControlPassFn>(handle, "ControlPass");
        lip.ControlPassTarget = Lookup<ControlPassFn>(handle, "ControlPassTarget");
        lip.DrawSpace = Lookup<DrawSpaceFn>(handle, "DrawSpace");
        if (lip.complete())
            return lip;  // stays loaded for the rest of the run

        const char* missing = !lip.ControlPass         ? "ControlPass"
                              : !lip.ControlPassTarget ? "ControlPassTarget"
                                                       : "DrawSpace";
        dlclose(handle);
        Refuse(whyNot, QCoreApplication::translate("oralis::Playback", "The renderer library %1 has no function %2")
                           .arg(candidate, QLatin1String(missing)));
        return std::nullopt;
    }
    Refuse(whyNot, QCoreApplication::translate("oralis::Playback", "Cannot load the renderer library libLip.so:\n%1")
                       .arg(reasons.join(QLatin1Char('\n'))));
    return std::nullopt;
}

std::optional<LipExports> BindLipLibrary(QString* whyNot)
{
    static QString failure;
    static const std::optional<LipExports> bound = [] {
        return LoadLipExports(LipLibraryCandidates(ProgramFolder()), &failure);
    }();
    if (!bound)
        Refuse(whyNot, failure);
    return bound;
}

}  // namespace oralis
