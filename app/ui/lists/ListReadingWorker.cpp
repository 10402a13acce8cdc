#include "ui/lists/ListReadingWorker.h"

#include "playback/WordListEditor.h"

namespace oralis {

void ListReadingWorker::read(int serial, const QString& text)
{
    const SpokenText spoken = ProposedReadings(text, mecab_);
    emit readingsRead(serial, spoken.readings, spoken.whyNot);
}

ListReadingThread::ListReadingThread(QObject* parent) : QObject(parent)
{
    auto* worker = new ListReadingWorker;
    worker->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker, &QObject::deleteLater);
    connect(this, &ListReadingThread::requested, worker, &ListReadingWorker::read);
    connect(worker, &ListReadingWorker::readingsRead, this, &ListReadingThread::readingsRead);
    thread_.start();
}

ListReadingThread::~ListReadingThread()
{
    thread_.quit();
    thread_.wait();
}

int ListReadingThread::request(const QString& text)
{
    emit requested(++serial_, text);
    return serial_;
}

}  // namespace oralis
