// Not built: the translation test's own check reads it, to see that a text
// missing from the translation, and one whose translation drops a
// placeholder, are caught.
#include <QObject>

class Planted : public QObject {
    Q_OBJECT
public:
    QString texts() const
    {
        return tr("Translated") + tr("A text nobody has translated yet") + tr("Cannot open %1: %2");
    }
};
