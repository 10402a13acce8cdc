// The word box `InputArea`: follows the input method's composition so that the
// reading of each committed result is known.
#pragma once

#include <QLineEdit>
#include <QString>

namespace oralis {

class KanaLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KanaLineEdit(QWidget* parent = nullptr);

signals:
    // The reading (half-width katakana) after every change of the text; empty
    // when none can be found.
    void readingChanged(const QString& halfWidthKatakana);
};

}  // namespace oralis
