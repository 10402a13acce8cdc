// When the table read at start-up does not load: what the learner is told and
// which ways on are offered. The damaged file itself is never touched; it is
// the teacher's to mend.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace oralis {

enum class StartupChoice {
    ShippedTable,  // start with the table that comes with the program
    Chooser,       // pick a table in the file chooser
    NoTable,       // go on without a table
};

struct StartupTableFailure {
    QString path;     // the table that did not load
    QString reason;   // why, as the reader said it
    QString shipped;  // a shipped table other than `path`; empty when there is none
    // False when there is no file at `path` at all: nothing is damaged, and
    // the chooser opens at once without a message.
    bool ask = true;

    // The message: which table, why, and what the choices do.
    QString text() const;
    // In the order offered; the first is the default.
    std::vector<StartupChoice> choices() const;
};

// The failure of the table at `path` to load for `reason`. The first table
// found in `shippedFolders` (ShippedDataFolders) that is not the file at
// `path` itself is offered instead.
StartupTableFailure StartupTableFailed(const QString& path, const QString& reason,
                                       const QStringList& shippedFolders);

// The caption of the button that makes `choice`.
QString StartupChoiceCaption(StartupChoice choice);

}  // namespace oralis
