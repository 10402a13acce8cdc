#include "ui/study/frmStudy.h"

#include "model/MouthShape.h"
#include "model/ProgramState.h"
#include "model/RegularFile.h"
#include "playback/StudyStrip.h"
#include "playback/ViewControl.h"
#include "model/UserSettings.h"
#include "ui/BesideMain.h"
#include "ui/CloseUpButton.h"
#include "ui/Common.h"
#include "ui/LearnerHost.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/study/StudyPictures.h"
#include "ui/worksheet/frmWorksheet.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace oralis {

namespace {

const QString kTextFont = QStringLiteral("ＭＳ Ｐ明朝");
const QString kButtonFont = QStringLiteral("HG正楷書体-PRO");
constexpr double kWordPointSize = 12.0;
// The basic shapes' pictures stand in two rows of three.
constexpr int kShapeColumns = 3;
const QString kOutlined = QStringLiteral("border: 3px solid #d32f2f; background: white;");
const QString kPlain = QStringLiteral("border: 3px solid transparent; background: white;");

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(NamedFont(kButtonFont));
    return b;
}

// The word-sized texts: the caption of a step, the comparison, the look-alikes.
QLabel* WordLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(NamedFont(kTextFont, kWordPointSize));
    return label;
}

// A reading shown beside its word box, never typed into.
QLineEdit* ReadingBox(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(NamedFont(kTextFont, kWordPointSize));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

}  // namespace

void OpenStudy(LearnerHost& host)
{
    auto* study = host.HostWindow().findChild<frmStudy*>(QString(), Qt::FindDirectChildrenOnly);
    if (!study)
        study = new frmStudy(host);
    ShowBeside(*study, host.HostWindow(), host.PictureOnScreen());
    study->FillFromMain();
    study->FitMouth();
}

frmStudy::frmStudy(LearnerHost& host)
    : QWidget(&host.HostWindow(), Qt::Window)
    , host_(host)
    , pictures_(std::make_unique<StudyPictures>(host))
    , session_(Program().signTable,
               StudyPlayer{host.Lip(), [&host](int16_t steps) { host.Display(steps); }, Program().PlaybackActive})
{
    setObjectName(QStringLiteral("frmStudy"));
    setWindowTitle(tr("学習"));
    BuildWidgets();
}

frmStudy::~frmStudy() = default;

void frmStudy::BuildWidgets()
{
    auto* top = new QVBoxLayout(this);

    auto* words = new QGridLayout;
    top->addLayout(words);
    const auto wordRow = [&](int row, const QString& caption, KanaLineEdit*& box, const char* boxName,
                             QLineEdit*& reading, const char* readingName, StudySession::Word word) {
        auto* label = new QLabel(caption, this);
        label->setFont(NamedFont(kTextFont));
        words->addWidget(label, row, 0);
        box = new KanaLineEdit(this);
        box->setObjectName(QLatin1String(boxName));
        box->setFont(NamedFont(kTextFont, kWordPointSize));
        words->addWidget(box, row, 1);
        reading = ReadingBox(this, readingName);
        words->addWidget(reading, row, 2);
        KanaLineEdit* typed = box;
        QLineEdit* shown = reading;
        connect(box, &KanaLineEdit::readingChanged, this, [this, typed, shown, word](const QString& r) {
            if (session_.setWord(word, typed->text(), r, typed->readingRefusal()))
                ClearResults();
            shown->setText(r);
        });
    };
    wordRow(0, tr("單語 A"), InputAreaA, "InputAreaA", FuriganaTxtA, "FuriganaTxtA",
            StudySession::Word::A);
    wordRow(1, tr("單語 B"), InputAreaB, "InputAreaB", FuriganaTxtB, "FuriganaTxtB",
            StudySession::Word::B);

    // Two rows, so that the window fits beside the main window: the view
    // (speed and close-up), then the steps.
    auto* view = new QHBoxLayout;
    top->addLayout(view);
    for (size_t i = 0; i < kSpeedPresets.size(); ++i) {
        const SpeedPreset& preset = kSpeedPresets[i];
        cmdSpeed[i] = Button(this, "", QCoreApplication::translate("oralis::SpeedPreset", preset.caption));
        cmdSpeed[i]->setObjectName(QStringLiteral("cmdSpeed(%1)").arg(i));
        cmdSpeed[i]->setToolTip(tr("About %1 morae a second").arg(QLocale().toString(preset.moraePerSecond)));
        view->addWidget(cmdSpeed[i]);
        connect(cmdSpeed[i], &QPushButton::clicked, this, [this, i] { SetSpeed(static_cast<int>(i)); });
    }
    view->addStretch();
    cmdCloseUp = new CloseUpButton(host_, setting::kStudyCloseUp, false, this);
    cmdCloseUp->setFont(NamedFont(kButtonFont));
    view->addWidget(cmdCloseUp);

    auto* controls = new QHBoxLayout;
    top->addLayout(controls);
    cmdStepBack = Button(this, "cmdStepBack", QStringLiteral("◀"));
    cmdStepNext = Button(this, "cmdStepNext", QStringLiteral("▶"));
    StepLbl = WordLabel(this, "StepLbl");
    StepLbl->setMinimumWidth(StepLbl->fontMetrics().horizontalAdvance(QStringLiteral("00 / 00")));
    StepLbl->setAlignment(Qt::AlignCenter);
    StepLbl->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    cmdPlayAll = Button(this, "cmdPlayAll", tr("最後まで"));
    chkLoop = new QCheckBox(tr("繰り返し"), this);
    chkLoop->setObjectName(QStringLiteral("chkLoop"));
    chkLoop->setFont(NamedFont(kButtonFont));
    for (QWidget* w : std::initializer_list<QWidget*>{cmdStepBack, StepLbl, cmdStepNext, cmdPlayAll, chkLoop})
        controls->addWidget(w);
    controls->addStretch();
    connect(cmdStepBack, &QPushButton::clicked, this, &frmStudy::cmdStepBack_Click);
    connect(cmdStepNext, &QPushButton::clicked, this, &frmStudy::cmdStepNext_Click);
    connect(cmdPlayAll, &QPushButton::clicked, this, &frmStudy::cmdPlayAll_Click);
    // The word boxes keep their arrow keys for the cursor: a line edit claims
    // them before a shortcut sees them.
    connect(new QShortcut(QKeySequence(Qt::Key_Right), this), &QShortcut::activated, this,
            &frmStudy::cmdStepNext_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Left), this), &QShortcut::activated, this,
            &frmStudy::cmdStepBack_Click);

    ShapeLbl = WordLabel(this, "ShapeLbl");
    ShapeLbl->setTextFormat(Qt::RichText);
    ShapeLbl->setMinimumHeight(60);
    top->addWidget(ShapeLbl);

    auto* shapes = new QGridLayout;
    top->addLayout(shapes);
    for (size_t i = 0; i < picShape.size(); ++i) {
        const int row = 2 * static_cast<int>(i / kShapeColumns);
        const int column = static_cast<int>(i % kShapeColumns);
        picShape[i] = new QLabel(this);
        picShape[i]->setObjectName(QStringLiteral("picShape(%1)").arg(i));
        picShape[i]->setFixedSize(kStripPicture + QSize(6, 6));
        picShape[i]->setAlignment(Qt::AlignCenter);
        picShape[i]->setStyleSheet(kPlain);
        shapes->addWidget(picShape[i], row, column);
        auto* name = new QLabel(ShapeName(kTaughtShapes[i]), this);
        name->setFont(NamedFont(kTextFont));
        name->setAlignment(Qt::AlignCenter);
        shapes->addWidget(name, row + 1, column);
    }

    auto* compare = new QHBoxLayout;
    top->addLayout(compare);
    cmdCompare = Button(this, "cmdCompare", tr("比較"));
    cmdLookalikes = Button(this, "cmdLookalikes", tr("同じ口の形の語"));
    cmdExportStrip = Button(this, "cmdExportStrip", tr("A の口形を保存"));
    cmdExportCompare = Button(this, "cmdExportCompare", tr("比較を保存"));
    auto* cmdWorksheet = Button(this, "cmdWorksheet", tr("Worksheet..."));
    for (QWidget* w : std::initializer_list<QWidget*>{cmdCompare, cmdLookalikes, cmdExportStrip, cmdExportCompare,
                                                      cmdWorksheet})
        compare->addWidget(w);
    // A worksheet of the words in the boxes, A then B.
    connect(cmdWorksheet, &QPushButton::clicked, this, [this] {
        WordList words;
        for (const auto& [box, reading] : {std::pair{InputAreaA, FuriganaTxtA}, std::pair{InputAreaB, FuriganaTxtB}}) {
            if (!reading->text().isEmpty()) {
                words.readings << reading->text();
                words.displays << (box->text().isEmpty() ? reading->text() : box->text());
            }
        }
        OpenWorksheet(host_, this, words, windowTitle());
    });
    compare->addStretch();
    connect(cmdCompare, &QPushButton::clicked, this, &frmStudy::cmdCompare_Click);
    connect(cmdLookalikes, &QPushButton::clicked, this, &frmStudy::cmdLookalikes_Click);
    connect(cmdExportStrip, &QPushButton::clicked, this, &frmStudy::cmdExportStrip_Click);
    connect(cmdExportCompare, &QPushButton::clicked, this, &frmStudy::cmdExportCompare_Click);

    auto* results = new QHBoxLayout;
    top->addLayout(results);
    CompareLbl = WordLabel(this, "CompareLbl");
    CompareLbl->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    results->addWidget(CompareLbl, 1);
    LookalikeLbl = WordLabel(this, "LookalikeLbl");
    LookalikeLbl->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    LookalikeLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    results->addWidget(LookalikeLbl, 1);

    picCompare = new QLabel;
    picCompare->setObjectName(QStringLiteral("picCompare"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(picCompare);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(StripImageSize(1, 2).height() + 24);
    top->addWidget(scroll);

    setMinimumWidth(kShapeColumns * (kStripPicture.width() + 14));
}

void frmStudy::FillFromMain()
{
    InputAreaA->setText(host_.WordText());
    // The main window's reading wins over a new reading of its text: it may
    // come from the input method's composition (今日 as ｷｮｳ or ｺﾝﾆﾁ).
    if (session_.setReading(StudySession::Word::A, host_.WordReading()))
        ClearResults();
    FuriganaTxtA->setText(session_.reading(StudySession::Word::A));

    std::vector<std::optional<LipFrame>> frames;
    for (BasicShape s : kTaughtShapes)
        frames.push_back(BasicShapeFrame(Program().signTable, s));
    const QList<QImage> drawn = pictures_->Draw(frames);
    for (size_t i = 0; i < picShape.size(); ++i)
        picShape[i]->setPixmap(QPixmap::fromImage(drawn.value(static_cast<qsizetype>(i))));
    ShowOutline(std::nullopt);
    ShapeLbl->clear();
    StepLbl->clear();
    cmdStepNext->setFocus();
}

void frmStudy::FitMouth()
{
    cmdCloseUp->Refit();
}

void frmStudy::ClearResults()
{
    ShapeLbl->clear();
    StepLbl->clear();
    ShowOutline(std::nullopt);
    CompareLbl->clear();
    picCompare->clear();
    LookalikeLbl->clear();
}

void frmStudy::Tell(const QString& why)
{
    if (!why.isEmpty())
        ShowMessage(this, why);
}

void frmStudy::Step(bool forward)
{
    QString why;
    if (const std::optional<StudyShown> shown = session_.step(forward, host_.SpeedText(), &why))
        Show(*shown);
    Tell(why);
}

void frmStudy::cmdStepNext_Click()
{
    Step(true);
}

void frmStudy::cmdStepBack_Click()
{
    Step(false);
}

void frmStudy::Show(const StudyShown& shown)
{
    ShapeLbl->setText(shown.caption);
    StepLbl->setText(shown.where);
    ShowOutline(shown.outlined);
}

void frmStudy::ShowOutline(std::optional<int> taught)
{
    for (size_t i = 0; i < picShape.size(); ++i)
        picShape[i]->setStyleSheet(taught == static_cast<int>(i) ? kOutlined : kPlain);
}

void frmStudy::cmdPlayAll_Click()
{
    // Playback keeps the event loop waiting, so the captions are painted at once.
    const auto paintNow = [this](const StudyShown& shown) {
        Show(shown);
        repaint();
    };
    QPointer<frmStudy> alive(this);
    const auto between = [&] {
        using Repeat = StudySession::Repeat;
        if (!chkLoop->isChecked())
            return Repeat::Stop;
        // Between repeats the window is usable: chkLoop can be unchecked.
        QCoreApplication::processEvents();
        if (!alive)
            return Repeat::Closed;
        return chkLoop->isChecked() && isVisible() && host_.HostWindow().isVisible() ? Repeat::Again : Repeat::Stop;
    };
    QString why;
    session_.playAll(host_.SpeedText(), paintNow, between, &why);
    if (alive)
        Tell(why);
}

void frmStudy::cmdCompare_Click()
{
    QString why;
    const std::optional<StudyComparison> compared = session_.compare(host_.SpeedText(), [this](const StudyShown& shown) {
        Show(shown);
        repaint();
    }, &why);
    Tell(why);
    if (!compared)
        return;
    CompareLbl->setText(compared->text);
    picCompare->setPixmap(QPixmap::fromImage(pictures_->Strip(compared->strip, 2)));
}

void frmStudy::cmdLookalikes_Click()
{
    QString why;
    if (const std::optional<QString> text = session_.lookalikes(host_.SpeedText(), ProgramFolder(), &why))
        LookalikeLbl->setText(*text);
    Tell(why);
}

void frmStudy::cmdExportStrip_Click()
{
    QString why;
    if (const auto strip = session_.wordStrip(host_.SpeedText(), &why))
        Export(pictures_->Strip(*strip, 1));
    Tell(why);
}

void frmStudy::cmdExportCompare_Click()
{
    QString why;
    if (const auto strip = session_.comparisonStrip(host_.SpeedText(), &why))
        Export(pictures_->Strip(*strip, 2));
    Tell(why);
}

void frmStudy::Export(const QImage& image)
{
    const std::optional<QString> path = Obtain_FilePath2::AskSavePath(tr("PNG Image"), QStringLiteral(".png"));
    if (!path)
        return;
    const QByteArray png = PngBytes(image);
    QString why;
    if (png.isEmpty())
        why = tr("the picture could not be encoded");
    if (png.isEmpty() || !WriteFileAtomically(*path, png, &why))
        ShowMessage(this, tr("Cannot save %1\n%2").arg(QDir::toNativeSeparators(*path), why));
}

void frmStudy::SetSpeed(int preset)
{
    const QScreen* screen = host_.HostWindow().screen();
    const double refresh = screen ? screen->refreshRate() : 0.0;
    host_.SetSpeedText(PresetSpeedText(kSpeedPresets[static_cast<size_t>(preset)].moraePerSecond, refresh));
    session_.restart();
}

void frmStudy::closeEvent(QCloseEvent* event)
{
    // Kept for the next opening, with its words; a running repeat ends.
    chkLoop->setChecked(false);
    event->accept();
}

}  // namespace oralis
