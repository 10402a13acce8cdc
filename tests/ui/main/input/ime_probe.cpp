// The main window under a real input method: prints what the input method
// sends to the word box, and once a result is committed, the reading shown
// and the signs the start button plays. Driven by im_test.sh under ibus or fcitx5.
#include "PlayedSigns.h"

#include "ui/main/KanaLineEdit.h"
#include "ui/main/frmSpace.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace oralis;
using oralis::testing::RecordingLip;

namespace {

void Say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

class Probe : public QObject {
public:
    explicit Probe(frmSpace& main) : main_(main) { main.InputArea->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::InputMethod) {
            const auto* im = static_cast<QInputMethodEvent*>(event);
            if (!im->preeditString().isEmpty())
                Say(QStringLiteral("PREEDIT ") + im->preeditString());
            if (!im->commitString().isEmpty()) {
                Say(QStringLiteral("COMMIT ") + im->commitString());
                // Report once the box has handled the commit.
                QTimer::singleShot(300, this, [this] { Report(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Report()
    {
        Say(QStringLiteral("TEXT ") + main_.InputArea->text());
        Say(QStringLiteral("READING ") + main_.FuriganaTxt->text());
        RecordingLip::Calls().clear();
        main_.findChild<QPushButton*>(QStringLiteral("cmdInput"))->click();
        QStringList signs;
        for (int s : testing::PlayedSigns())
            signs << QString::number(s);
        Say(QStringLiteral("SIGNS ") + signs.join(u' '));
        QCoreApplication::exit(0);
    }

    frmSpace& main_;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString table = dir.filePath(QStringLiteral("signs.csv"));
    if (!dir.isValid() || !testing::WriteSignTaggedTable(table)) {
        Say(QStringLiteral("FAILED cannot write the lip table"));
        return 2;
    }
    const LipExports lip = RecordingLip::Exports();
    frmSpace main(&lip, table);
    Probe probe(main);
    main.show();
    main.activateWindow();
    main.InputArea->setFocus();

    QTimer ready;
    QObject::connect(&ready, &QTimer::timeout, [&] {
        if (main.isActiveWindow() && main.InputArea->hasFocus()) {
            Say(QStringLiteral("READY"));
            ready.stop();
        }
    });
    ready.start(50);
    QTimer::singleShot(60000, [] {
        Say(QStringLiteral("TIMEOUT"));
        QCoreApplication::exit(1);
    });
    return app.exec();
}
