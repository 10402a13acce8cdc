// One program of several storing answers of the same learner at once, for
// the history tests: history_writer FOLDER SETTING LEARNER WORDS stores one
// session of WORDS answers, each read right, in the history SETTING names
// (the SQLite file in FOLDER when it is empty), and ends 0 once every answer
// is stored. It says "ready" once its session is stored and answers when a
// line comes on its input, so that several answer the same words at once.
#include "model/History.h"

#include <QCoreApplication>
#include <QDateTime>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

using namespace oralis;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: history_writer FOLDER SETTING LEARNER WORDS\n");
        return 2;
    }
    HistoryStore store(std::chrono::seconds(20));
    store.open(HistoryPlaceFrom(args[2], args[1]));
    if (!store.setLearner(args[3]))
        return 2;
    const int session = store.startSession(QStringLiteral("shared"), QDateTime::currentDateTimeUtc());
    if (!store.flush(std::chrono::seconds(60)))
        return 1;
    std::cout << "ready" << std::endl;
    std::string go;
    std::getline(std::cin, go);
    for (int i = 0; i < args[4].toInt(); ++i) {
        Attempt a;
        a.at = QDateTime::currentDateTimeUtc();
        a.list = QStringLiteral("shared");
        a.reading = a.display = QStringLiteral("ﾜ%1").arg(i);
        a.answer = a.reading;
        a.verdict = Verdict::Correct;
        a.syllables = {{BasicShape::A, BasicShape::A, true}};
        if (!store.record(session, a)) {
            std::fprintf(stderr, "not recorded: %s\n", qUtf8Printable(store.reason()));
            return 1;
        }
    }
    if (!store.flush(std::chrono::seconds(60))) {
        std::fprintf(stderr, "%d answers not stored: %s\n", store.waiting(), qUtf8Printable(store.reason()));
        return 1;
    }
    for (HistoryNotice n = store.takeNotice(); !n.isEmpty(); n = store.takeNotice()) {
        if (n.kind == HistoryNotice::Kind::Off || n.kind == HistoryNotice::Kind::KeptLocally) {
            std::fprintf(stderr, "%s\n%s\n", qUtf8Printable(n.message), qUtf8Printable(n.details));
            return 1;
        }
    }
    return 0;
}
