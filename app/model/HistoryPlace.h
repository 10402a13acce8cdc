// Where the answer practice's history lives: the SQLite file in the user's
// data folder (the default, nothing to set up), or a PostgreSQL database a
// whole class shares, named by a libpq service or connection string.
//
// The choice is one setting, `server` in the [history] group of
// $XDG_CONFIG_HOME/oralis/oralis.conf; ORALIS_HISTORY in the environment,
// when set, wins over it (set but empty: the SQLite file). Passwords never
// sit there: libpq reads them from its password file (~/.pgpass) or its
// service file, so a setting that names one is refused.
#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace oralis {

struct HistoryPlace {
    enum class Engine { SQLite, PostgreSQL };
    Engine engine = Engine::SQLite;
    // SQLite: the folder of history.sqlite. Both: the folder of the local
    // queue that keeps answers the history cannot take yet.
    QString folder;
    // PostgreSQL: the libpq keyword=value string Oralis connects with.
    QString connection;
    // The setting as the user gave it, to name the history in messages.
    QString setting;
    // Why the setting could not be used; the history is then the SQLite file.
    QString problem;

    bool onServer() const { return engine == Engine::PostgreSQL; }
    // Names this history among the answers the local queue keeps.
    QString key() const;
};

// The SQLite file in `folder`.
HistoryPlace LocalHistoryPlace(const QString& folder);

// The place `setting` names, the local queue in `folder`: empty, the SQLite
// file in `folder`; a libpq service name (letters, digits, "_", "-", ".");
// a keyword=value connection string; or a postgresql:// URI. A setting that
// cannot be read or names a password comes back as the SQLite file in
// `folder`, with `problem` saying why.
HistoryPlace HistoryPlaceFrom(const QString& setting, const QString& folder);

// The place chosen for this user: ORALIS_HISTORY when set, else the setting,
// with the queue (and the SQLite file) in the user's data folder.
HistoryPlace ConfiguredHistoryPlace();

// $XDG_CONFIG_HOME/oralis/oralis.conf, the user's settings.
QString UserSettingsFile();
inline const QString kHistoryServerSetting = QStringLiteral("history/server");
// The learner last chosen on this computer, kept while the history is on a
// server (where the whole class's learners are found).
inline const QString kHistoryLearnerSetting = QStringLiteral("history/learner");

namespace history {

// A libpq keyword=value string read into its pairs, quotes and backslashes
// undone; false for a string libpq would refuse to read (a keyword without
// "=", an unclosed quote).
bool ReadConnectionString(const QString& text, std::vector<std::pair<QString, QString>>* pairs);
// The pairs written back as libpq reads them, values quoted where needed.
QString ConnectionString(const std::vector<std::pair<QString, QString>>& pairs);

}  // namespace history

}  // namespace oralis
