// Answers the history cannot take yet (its server is away or refuses them,
// its file is locked by another program), kept in an SQLite file of the
// user's own until it can: history-queue.sqlite in the user's data folder.
// A write waits here, under the key of the history it is meant for, in the
// order it was handed over, until it is stored; quitting meanwhile loses
// none. Every program of the user on the computer may share the file: one
// that sends a write another is sending too does no harm, since the history
// stores a write's id once.
#pragma once

#include "model/history/HistoryDatabase.h"

#include <QSqlDatabase>
#include <QString>
#include <deque>
#include <optional>

namespace oralis::history {

inline const QString kQueueFileName = QStringLiteral("history-queue.sqlite");

class Queue {
public:
    explicit Queue(QString folder);
    ~Queue();
    Queue(const Queue&) = delete;
    Queue& operator=(const Queue&) = delete;

    // Opens the file, creating it (and its folder) only when `create`: a
    // program that never had to keep an answer leaves no file behind. False,
    // with the reason, when it cannot; it stays closed then.
    bool open(bool create, QString* why);
    bool isOpen() const { return db_.isOpen(); }
    QString path() const;

    // Keeps `writes`, in order, for the history `key`: all of them or, with
    // the reason, none.
    bool append(const QString& key, const std::deque<Write>& writes, QString* why);
    // The longest-kept write for `key`; none when there is none or the file
    // cannot be read.
    std::optional<Write> oldest(const QString& key);
    // Forgets the write, once stored.
    bool remove(const QString& id);
    // How many writes wait for `key` (0 when the file cannot be read).
    int count(const QString& key);

private:
    const QString folder_;
    QString connection_;
    QSqlDatabase db_;
};

}  // namespace oralis::history
