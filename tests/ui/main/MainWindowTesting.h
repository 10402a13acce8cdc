// Shared pieces of the main window tests: a small lip position table on disk
// and a watcher that answers the modal dialogs a command opens.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace oralis::testing {

// One frame record: velocity rate, nine upper values, upper angle, nine lower
// values, lower angle.
inline QString FrameRecord(float rate, const QList<float>& upper, float upperAngle,
                           const QList<float>& lower, float lowerAngle)
{
    QStringList fields{QString::number(rate)};
    for (float v : upper)
        fields << QString::number(v);
    fields << QString::number(upperAngle);
    for (float v : lower)
        fields << QString::number(v);
    fields << QString::number(lowerAngle);
    return fields.join(QLatin1Char(','));
}

inline QString HeaderRecord(int sign, const QString& name, int frames)
{
    QStringList fields{QString::number(sign), name, QString::number(frames)};
    while (fields.size() < 21)
        fields << QString();
    return fields.join(QLatin1Char(','));
}

inline bool WriteText(const QString& path, const QStringList& lines)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    return true;
}

// Offers every visible modal dialog to `answer`, from a timer that runs inside
// the dialog's own event loop, until `answer` returns true (it has dealt with
// the dialog).
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<bool(QWidget*)> answer) : answer_(std::move(answer))
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (!answer_(modal))
                return;
            timer_.stop();
            seen_ = true;
        });
        timer_.start();
    }

    bool Seen() const { return seen_; }

private:
    std::function<bool(QWidget*)> answer_;
    QTimer timer_;
    bool seen_ = false;
};

}  // namespace oralis::testing
