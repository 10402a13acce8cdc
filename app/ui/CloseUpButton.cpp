#include "ui/CloseUpButton.h"

#include "model/ProgramState.h"
#include "model/UserSettings.h"
#include "ui/LearnerHost.h"

#include <cstdio>
#include <utility>

namespace oralis {

CloseUpButton::CloseUpButton(LearnerHost& host, QString key, bool onByDefault, QWidget* parent)
    : QPushButton(tr("口元"), parent), host_(host), key_(std::move(key))
{
    setObjectName(QStringLiteral("cmdCloseUp"));
    setCheckable(true);
    setToolTip(tr("Fit the mouth into the picture; press again for the view before"));
    setChecked(ReadSetting(key_, onByDefault).toBool());
    connect(this, &QPushButton::toggled, this, [this](bool on) {
        Apply(on);
        QString why;
        if (!WriteSetting(key_, on, &why))
            std::fprintf(stderr, "Oralis: %s\n", qPrintable(why));
    });
}

void CloseUpButton::Refit()
{
    if (isChecked())
        Apply(true);
}

void CloseUpButton::Apply(bool on)
{
    const QSizeF picture = host_.PictureSize();
    toggle_.set(on, host_.Camera(), Program().signTable, static_cast<float>(picture.width()),
                static_cast<float>(picture.height()));
    host_.Display(0);
}

}  // namespace oralis
