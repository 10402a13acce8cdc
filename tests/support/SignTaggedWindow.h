// The main window the playback tests drive: shown, over a sign-tagged table,
// drawing into the recording renderer.
#pragma once

#include "PlayedSigns.h"
#include "ui/main/frmSpace.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace oralis::testing {

// Null when the table cannot be written or the window never shows.
inline std::unique_ptr<frmSpace> ShowSignTaggedWindow(const QTemporaryDir& dir, const LipExports* lip)
{
    const QString table = dir.filePath(QStringLiteral("signs.csv"));
    if (!WriteSignTaggedTable(table))
        return nullptr;
    auto main = std::make_unique<frmSpace>(lip, table);
    main->show();
    if (!QTest::qWaitForWindowExposed(main.get()))
        return nullptr;
    return main;
}

}  // namespace oralis::testing
