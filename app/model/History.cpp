#include "model/History.h"

#include "model/Refusal.h"
#include "model/history/HistoryWorker.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>
#include <QSettings>
#include <QUuid>
#include <algorithm>
#include <mutex>
#include <thread>
#include <utility>

namespace oralis {

namespace {

constexpr const char* kVerdictCodes[] = {"correct", "lookalike", "wrong", "skipped"};

using history::Database;
using history::Worker;
using history::Write;

QString NewId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Threads ending workers whose store is gone while they were still busy
// (trying a server that does not answer, for as long as the connect timeout):
// the window that closed need not wait for them, and the application, as it
// ends, does, so that what they keep reaches the local queue.
std::mutex gRetiredMutex;
std::vector<std::thread>* gRetired = nullptr;

void EndRetired()
{
    std::vector<std::thread> retired;
    {
        std::lock_guard lock(gRetiredMutex);
        if (gRetired)
            retired.swap(*gRetired);
    }
    for (std::thread& t : retired)
        t.join();
}

// Ends `worker`, waiting for it at most `patience` on this thread.
void Retire(std::unique_ptr<Worker> worker, std::chrono::milliseconds patience)
{
    if (!worker)
        return;
    worker->stop();
    if (worker->waitEnded(Worker::Clock::now() + patience) || !QCoreApplication::instance())
        return;
    std::lock_guard lock(gRetiredMutex);
    if (!gRetired) {
        gRetired = new std::vector<std::thread>;
        qAddPostRoutine(EndRetired);
    }
    gRetired->emplace_back([worker = std::move(worker)]() mutable { worker.reset(); });
}

}  // namespace

QString VerdictCode(Verdict v)
{
    return QString::fromLatin1(kVerdictCodes[static_cast<int>(v)]);
}

std::optional<Verdict> VerdictFromCode(const QString& code)
{
    for (int i = 0; i < 4; ++i) {
        if (code == QLatin1String(kVerdictCodes[i]))
            return static_cast<Verdict>(i);
    }
    return std::nullopt;
}

QString ConfusionText(const Confusion& c)
{
    return (c.times == 1 ? QCoreApplication::translate("oralis::History", "%1 read as %2: %3 time")
                         : QCoreApplication::translate("oralis::History", "%1 read as %2: %3 times"))
        .arg(ShapeName(c.shape), ShapeName(c.readAs))
        .arg(c.times);
}

HistoryStore::HistoryStore(std::chrono::milliseconds patience)
    : patience_(patience)
{
}

HistoryStore::~HistoryStore()
{
    Retire(std::move(worker_), patience_);
}

bool HistoryStore::open(const QString& folder)
{
    return open(folder.isEmpty() ? ConfiguredHistoryPlace() : LocalHistoryPlace(folder));
}

bool HistoryStore::open(const HistoryPlace& place)
{
    Retire(std::move(worker_), patience_);
    sessionIds_.clear();
    lastSession_.clear();
    remembered_ = place.onServer()
        ? QSettings(UserSettingsFile(), QSettings::IniFormat).value(kHistoryLearnerSetting).toString()
        : QString();
    worker_ = std::make_unique<Worker>(place);
    worker_->setNoticeHandler(noticeContext_, noticeHandler_);
    worker_->waitOpened(Worker::Clock::now() + patience_);
    return isOn();
}

bool HistoryStore::isOn() const
{
    return worker_ && worker_->state().phase != Worker::Phase::Off;
}

bool HistoryStore::onServer() const
{
    return worker_ && worker_->place().onServer();
}

QString HistoryStore::path() const
{
    return worker_ && !onServer() ? worker_->name() : QString();
}

QString HistoryStore::reason() const
{
    return worker_ ? worker_->state().reason : QString();
}

HistoryNotice HistoryStore::takeNotice()
{
    return worker_ ? worker_->takeNotice() : HistoryNotice{};
}

void HistoryStore::setNoticeHandler(QObject* context, std::function<void()> handler)
{
    noticeContext_ = context;
    noticeHandler_ = std::move(handler);
    if (worker_)
        worker_->setNoticeHandler(noticeContext_, noticeHandler_);
}

int HistoryStore::waiting() const
{
    return worker_ ? worker_->waiting() : 0;
}

bool HistoryStore::flush(std::chrono::milliseconds wait)
{
    if (!worker_)
        return true;
    worker_->flushNow();
    return worker_->waitStored(Worker::Clock::now() + wait);
}

QStringList HistoryStore::learners() const
{
    QStringList names;
    if (worker_) {
        for (const history::LearnerStanding& l : worker_->state().learners)
            names << l.name;
    }
    const QString current = learner();
    names.removeAll(current);
    names.prepend(current);
    return names;
}

QString HistoryStore::learner() const
{
    if (!chosen_.isEmpty())
        return chosen_;
    if (onServer())
        return remembered_.isEmpty() ? history::LoginName() : remembered_;
    if (worker_) {
        const Worker::State state = worker_->state();
        if (!state.learners.empty())
            return state.learners.front().name;
    }
    return history::LoginName();
}

bool HistoryStore::setLearner(const QString& name, QString* whyNot)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return Refuse(whyNot, QCoreApplication::translate("oralis::History", "A learner needs a name."));
    if (trimmed.size() > kMaxLearnerName) {
        return Refuse(whyNot, QCoreApplication::translate("oralis::History",
                                                          "A learner's name has at most %1 characters.")
                                  .arg(kMaxLearnerName));
    }
    if (std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return Refuse(whyNot, QCoreApplication::translate("oralis::History", "A learner's name is one line."));
    chosen_ = trimmed;
    if (onServer()) {
        // The class shares the server; who practises here belongs to this computer.
        QSettings(UserSettingsFile(), QSettings::IniFormat).setValue(kHistoryLearnerSetting, chosen_);
    }
    return true;
}

int HistoryStore::startSession(const QString& list, const QDateTime& at)
{
    if (!worker_)
        return 0;
    // Whose turn it is, and the number of their last session, come with the opening.
    worker_->waitOpened(Worker::Clock::now() + patience_);
    Worker::State state = worker_->state();
    // A history that is off, or a server that refused or was away, is tried again.
    if (state.phase == Worker::Phase::Off || state.phase == Worker::Phase::Local) {
        worker_->reopen();
        worker_->waitOpened(Worker::Clock::now() + patience_);
        state = worker_->state();
        if (state.phase == Worker::Phase::Off)
            return 0;
    }
    // The number is the store's best knowledge now; the session's row takes
    // the one the database gives when it is written (another program may
    // have started one of the same learner meanwhile), and this number stays
    // the key to it.
    const QString who = learner();
    int& last = lastSession_[who];
    const int number = std::max(state.nextSession(who), last + 1);
    last = number;
    Write write;
    write.kind = Write::Kind::Session;
    write.id = sessionIds_[number] = NewId();
    write.learner = who;
    write.list = list;
    write.at = at;
    worker_->write(std::move(write));
    return number;
}

bool HistoryStore::record(int session, const Attempt& attempt)
{
    const auto started = sessionIds_.find(session);
    if (!isOn() || started == sessionIds_.end())
        return false;
    Write write;
    write.id = NewId();
    write.session = started->second;
    write.attempt = attempt;
    worker_->write(std::move(write));
    return true;
}

template <class T, class Read>
T HistoryStore::ask(Read read) const
{
    // Without its database (a server that is away, say) the thread answers
    // nothing, and need not be waited for.
    if (!isOn() || worker_->state().phase == Worker::Phase::Local)
        return T{};
    std::future<T> answer = worker_->read<T>(read);
    if (answer.wait_for(patience_) != std::future_status::ready) {
        if (std::exchange(toldSlow_, true))
            return T{};
        worker_->tell({HistoryNotice::Kind::ReadFailed,
                       QCoreApplication::translate("oralis::History",
                                                   "The history did not answer in time; what is shown may be "
                                                   "incomplete."),
                       worker_->name()});
        return T{};
    }
    toldSlow_ = false;
    return answer.get();
}

ReviewCards HistoryStore::cards() const
{
    return ask<ReviewCards>(
        [who = learner()](Database& db, HistoryNotice* failure) { return db.cards(who, failure); });
}

std::vector<SessionScore> HistoryStore::sessionScores() const
{
    return ask<std::vector<SessionScore>>(
        [who = learner()](Database& db, HistoryNotice* failure) { return db.sessionScores(who, failure); });
}

std::vector<ShapeAccuracy> HistoryStore::shapeAccuracy(int session) const
{
    return ask<std::vector<ShapeAccuracy>>([who = learner(), session](Database& db, HistoryNotice* failure) {
        return db.shapeAccuracy(who, session, failure);
    });
}

std::vector<Confusion> HistoryStore::confusions(int limit, int session) const
{
    return ask<std::vector<Confusion>>([who = learner(), limit, session](Database& db, HistoryNotice* failure) {
        return db.confusions(who, limit, session, failure);
    });
}

bool HistoryStore::exportAttempts(const QString& path)
{
    if (!isOn())
        return false;
    worker_->exportAttempts(learner(), path);
    return true;
}

bool HistoryStore::exportClass(const QString& path)
{
    if (!isOn())
        return false;
    worker_->exportAttempts(QString(), path);
    return true;
}

void HistoryStore::readOverview(QObject* context,
                                std::function<void(std::vector<LearnerOverview>, QString)> done)
{
    auto answer = [context, done](std::vector<LearnerOverview> learners, QString failure) {
        QMetaObject::invokeMethod(
            context, [done, learners = std::move(learners), failure] { done(learners, failure); },
            Qt::QueuedConnection);
    };
    if (!worker_) {
        answer({}, QCoreApplication::translate("oralis::History", "History is off."));
        return;
    }
    Worker* worker = worker_.get();
    worker_->read([worker, answer](Database* db, HistoryNotice* notice) {
        if (!db) {
            const QString reason = worker->state().reason;
            answer({}, reason.isEmpty() ? QCoreApplication::translate("oralis::History",
                                                                      "The history could not be read.")
                                        : reason);
            return;
        }
        std::vector<LearnerOverview> learners = db->overview(notice);
        answer(std::move(learners), notice->message);
    });
}

}  // namespace oralis
