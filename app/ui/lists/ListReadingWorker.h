// Reads the words typed into the list editor on a thread of its own: MeCab
// loads its dictionary on the first reading, which takes longer than the
// window may wait.
#pragma once

#include "model/MecabReading.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

namespace oralis {

class ListReadingWorker : public QObject {
    Q_OBJECT
public:
    // Its reader is its own: MeCab's tagger is not to be shared between threads.
    explicit ListReadingWorker(QString dictionaryFolder = kIpadicFolder) : mecab_(std::move(dictionaryFolder)) {}

public slots:
    void read(int serial, const QString& text);

signals:
    // ProposedReadings of the text of request `serial`.
    void readingsRead(int serial, const QStringList& readings, const QString& whyNot);

private:
    MecabReader mecab_;
};

// The worker on its thread, for as long as this lives; the thread is ended
// (after the reading under way) when it goes.
class ListReadingThread : public QObject {
    Q_OBJECT
public:
    explicit ListReadingThread(QObject* parent = nullptr);
    ~ListReadingThread() override;

    // Asks for the readings of `text`; the answer comes as readingsRead with
    // the serial this returns. Only the latest request's answer matters.
    int request(const QString& text);

signals:
    void readingsRead(int serial, const QStringList& readings, const QString& whyNot);
    void requested(int serial, const QString& text);

private:
    QThread thread_;
    int serial_ = 0;
};

}  // namespace oralis
