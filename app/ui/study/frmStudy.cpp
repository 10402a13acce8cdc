#include "ui/study/frmStudy.h"

#include "model/MouthShape.h"
#include "model/ProgramState.h"
#include "model/RegularFile.h"
#include "model/WordList.h"
#include "playback/StudyStrip.h"
#include "playback/Verdict.h"
#include "playback/ViewControl.h"
#include "ui/Common.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/LipView.h"
#include "ui/main/frmSpace.h"
#include "ui/study/StudyPictures.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
const QString kOutlined = QStringLiteral("border: 3px solid #d32f2f; background: white;");
const QString kPlain = QStringLiteral("border: 3px solid transparent; background: white;");

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(NamedFont(kButtonFont));
    return b;
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

void OpenStudy(frmSpace& main)
{
    auto* study = main.findChild<frmStudy*>(QString(), Qt::FindDirectChildrenOnly);
    if (!study)
        study = new frmStudy(main);
    study->show();
    study->raise();
    study->activateWindow();
    study->FillFromMain();
}

frmStudy::frmStudy(frmSpace& main)
    : QWidget(&main, Qt::Window), main_(main), pictures_(std::make_unique<StudyPictures>(main))
{
    setObjectName(QStringLiteral("frmStudy"));
    setWindowTitle(QStringLiteral("学習"));
    BuildWidgets();
}

frmStudy::~frmStudy() = default;

void frmStudy::BuildWidgets()
{
    auto* top = new QVBoxLayout(this);

    auto* words = new QGridLayout;
    top->addLayout(words);
    const auto wordRow = [&](int row, const QString& caption, KanaLineEdit*& box, const char* boxName,
                             QLineEdit*& reading, const char* readingName, QString& into) {
        auto* label = new QLabel(caption, this);
        label->setFont(NamedFont(kTextFont));
        words->addWidget(label, row, 0);
        box = new KanaLineEdit(this);
        box->setObjectName(QLatin1String(boxName));
        box->setFont(NamedFont(kTextFont, kWordPointSize));
        words->addWidget(box, row, 1);
        reading = ReadingBox(this, readingName);
        words->addWidget(reading, row, 2);
        QLineEdit* shown = reading;
        connect(box, &KanaLineEdit::readingChanged, this, [this, shown, &into](const QString& r) {
            into = r;
            shown->setText(r);
            // Another word: stepping starts again from rest.
            cursor_.reset();
        });
    };
    wordRow(0, QStringLiteral("單語 A"), InputAreaA, "InputAreaA", FuriganaTxtA, "FuriganaTxtA", readingA_);
    wordRow(1, QStringLiteral("單語 B"), InputAreaB, "InputAreaB", FuriganaTxtB, "FuriganaTxtB", readingB_);

    auto* controls = new QHBoxLayout;
    top->addLayout(controls);
    for (size_t i = 0; i < kSpeedPresets.size(); ++i) {
        cmdSpeed[i] = Button(this, "", QString::fromUtf16(kSpeedPresets[i].caption));
        cmdSpeed[i]->setObjectName(QStringLiteral("cmdSpeed(%1)").arg(i));
        controls->addWidget(cmdSpeed[i]);
        connect(cmdSpeed[i], &QPushButton::clicked, this, [this, i] { SetSpeed(static_cast<int>(i)); });
    }
    controls->addSpacing(16);
    cmdStepBack = Button(this, "cmdStepBack", QStringLiteral("◀"));
    cmdStepNext = Button(this, "cmdStepNext", QStringLiteral("▶"));
    cmdPlayAll = Button(this, "cmdPlayAll", QStringLiteral("最後まで"));
    chkLoop = new QCheckBox(QStringLiteral("繰り返し"), this);
    chkLoop->setObjectName(QStringLiteral("chkLoop"));
    chkLoop->setFont(NamedFont(kButtonFont));
    cmdCloseUp = Button(this, "cmdCloseUp", QStringLiteral("口元"));
    for (QWidget* w : std::initializer_list<QWidget*>{cmdStepBack, cmdStepNext, cmdPlayAll, chkLoop, cmdCloseUp})
        controls->addWidget(w);
    controls->addStretch();
    connect(cmdStepBack, &QPushButton::clicked, this, &frmStudy::cmdStepBack_Click);
    connect(cmdStepNext, &QPushButton::clicked, this, &frmStudy::cmdStepNext_Click);
    connect(cmdPlayAll, &QPushButton::clicked, this, &frmStudy::cmdPlayAll_Click);
    connect(cmdCloseUp, &QPushButton::clicked, this, &frmStudy::cmdCloseUp_Click);
    // The word boxes keep their arrow keys for the cursor: a line edit claims
    // them before a shortcut sees them.
    connect(new QShortcut(QKeySequence(Qt::Key_Right), this), &QShortcut::activated, this,
            &frmStudy::cmdStepNext_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Left), this), &QShortcut::activated, this,
            &frmStudy::cmdStepBack_Click);

    ShapeLbl = new QLabel(this);
    ShapeLbl->setObjectName(QStringLiteral("ShapeLbl"));
    ShapeLbl->setFont(NamedFont(kTextFont, kWordPointSize));
    ShapeLbl->setTextFormat(Qt::RichText);
    ShapeLbl->setMinimumHeight(60);
    top->addWidget(ShapeLbl);

    auto* shapes = new QGridLayout;
    top->addLayout(shapes);
    for (size_t i = 0; i < picShape.size(); ++i) {
        picShape[i] = new QLabel(this);
        picShape[i]->setObjectName(QStringLiteral("picShape(%1)").arg(i));
        picShape[i]->setFixedSize(kStripPicture + QSize(6, 6));
        picShape[i]->setAlignment(Qt::AlignCenter);
        picShape[i]->setStyleSheet(kPlain);
        shapes->addWidget(picShape[i], 0, static_cast<int>(i));
        auto* name = new QLabel(ShapeName(kTaughtShapes[i]), this);
        name->setFont(NamedFont(kTextFont));
        name->setAlignment(Qt::AlignCenter);
        shapes->addWidget(name, 1, static_cast<int>(i));
    }

    auto* compare = new QHBoxLayout;
    top->addLayout(compare);
    cmdCompare = Button(this, "cmdCompare", QStringLiteral("比較"));
    cmdLookalikes = Button(this, "cmdLookalikes", QStringLiteral("同じ口の形の語"));
    cmdExportStrip = Button(this, "cmdExportStrip", QStringLiteral("A の口形を保存"));
    cmdExportCompare = Button(this, "cmdExportCompare", QStringLiteral("比較を保存"));
    for (QWidget* w : std::initializer_list<QWidget*>{cmdCompare, cmdLookalikes, cmdExportStrip, cmdExportCompare})
        compare->addWidget(w);
    compare->addStretch();
    connect(cmdCompare, &QPushButton::clicked, this, &frmStudy::cmdCompare_Click);
    connect(cmdLookalikes, &QPushButton::clicked, this, &frmStudy::cmdLookalikes_Click);
    connect(cmdExportStrip, &QPushButton::clicked, this, &frmStudy::cmdExportStrip_Click);
    connect(cmdExportCompare, &QPushButton::clicked, this, &frmStudy::cmdExportCompare_Click);

    auto* results = new QHBoxLayout;
    top->addLayout(results);
    CompareLbl = new QLabel(this);
    CompareLbl->setObjectName(QStringLiteral("CompareLbl"));
    CompareLbl->setFont(NamedFont(kTextFont, kWordPointSize));
    CompareLbl->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    results->addWidget(CompareLbl, 1);
    LookalikeLbl = new QLabel(this);
    LookalikeLbl->setObjectName(QStringLiteral("LookalikeLbl"));
    LookalikeLbl->setFont(NamedFont(kTextFont, kWordPointSize));
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

    setMinimumWidth(6 * (kStripPicture.width() + 14));
}

void frmStudy::FillFromMain()
{
    InputAreaA->setText(main_.InputArea->text());
    // The main window's reading wins over a new reading of its text: it may
    // come from the input method's composition (今日 as ｷｮｳ or ｺﾝﾆﾁ).
    readingA_ = main_.FuriganaStr;
    FuriganaTxtA->setText(readingA_);
    cursor_.reset();

    std::vector<std::optional<LipFrame>> frames;
    for (BasicShape s : kTaughtShapes)
        frames.push_back(BasicShapeFrame(Program().signTable, s));
    const QList<QImage> drawn = pictures_->Draw(frames);
    for (size_t i = 0; i < picShape.size(); ++i)
        picShape[i]->setPixmap(QPixmap::fromImage(drawn.value(static_cast<qsizetype>(i))));
    ShowOutline(std::nullopt);
    ShapeLbl->clear();
    cmdStepNext->setFocus();
}

std::optional<LipPattern> frmStudy::PatternOf(KanaLineEdit* box, const QString& reading, const QString& name)
{
    const QString refusal = StartRefusal(box->text(), reading, box->readingRefusal());
    if (!refusal.isEmpty()) {
        ShowMessage(this, refusal);
        return std::nullopt;
    }
    if (reading.isEmpty()) {
        ShowMessage(this, QStringLiteral("Type word %1 first").arg(name));
        return std::nullopt;
    }
    QString why;
    std::optional<LipPattern> p = PatternOfReading(reading, Program().signTable, main_.Text1->text(), &why);
    if (!p)
        ShowMessage(this, why);
    return p;
}

bool frmStudy::EnsureCursor()
{
    if (cursor_ && !cursor_->atStart())
        return true;
    std::optional<LipPattern> p = PatternOf(InputAreaA, readingA_, QStringLiteral("A"));
    if (!p)
        return false;
    cursor_.emplace(std::move(*p));
    return true;
}

void frmStudy::Step(bool forward)
{
    if (busy_ || !EnsureCursor())
        return;
    const LipFrame before = cursor_->shownFrame();
    std::optional<StepMove> move = forward ? cursor_->next() : cursor_->back();
    if (!move)
        return;
    StartFromShown(*move, before);
    PlayMove(*move, main_.Lip(), [this](int16_t steps) { main_.Display(steps); }, Program().PlaybackActive);
    ShowStep();
}

void frmStudy::cmdStepNext_Click()
{
    Step(true);
}

void frmStudy::cmdStepBack_Click()
{
    Step(false);
}

void frmStudy::ShowStep()
{
    ShapeLbl->setText(StepCaptionHtml(*cursor_, Program().signTable, QStringLiteral("A")));
    ShowOutline(OutlinedShape(*cursor_));
}

void frmStudy::ShowOutline(std::optional<int> taught)
{
    for (size_t i = 0; i < picShape.size(); ++i)
        picShape[i]->setStyleSheet(taught == static_cast<int>(i) ? kOutlined : kPlain);
}

void frmStudy::Play(StepCursor& cursor, const QString& word)
{
    // Playback keeps the event loop waiting, so the captions are painted at once.
    PlayToEnd(cursor, main_.Lip(), [this](int16_t steps) { main_.Display(steps); }, Program().PlaybackActive,
              [&] {
                  ShapeLbl->setText(StepCaptionHtml(cursor, Program().signTable, word));
                  ShowOutline(OutlinedShape(cursor));
                  repaint();
              });
}

void frmStudy::cmdPlayAll_Click()
{
    if (busy_ || !EnsureCursor())
        return;
    busy_ = true;
    QPointer<frmStudy> alive(this);
    while (true) {
        Play(*cursor_, QStringLiteral("A"));
        if (!chkLoop->isChecked())
            break;
        // Between repeats the window is usable: chkLoop can be unchecked.
        QCoreApplication::processEvents();
        if (!alive)
            return;
        if (!chkLoop->isChecked() || !isVisible() || !main_.isVisible() || !cursor_)
            break;
        cursor_->restart();
    }
    busy_ = false;
}

void frmStudy::cmdCompare_Click()
{
    if (busy_)
        return;
    const std::optional<LipPattern> a = PatternOf(InputAreaA, readingA_, QStringLiteral("A"));
    if (!a)
        return;
    const std::optional<LipPattern> b = PatternOf(InputAreaB, readingB_, QStringLiteral("B"));
    if (!b)
        return;
    busy_ = true;
    StepCursor playA(*a);
    Play(playA, QStringLiteral("A"));
    StepCursor playB(*b);
    Play(playB, QStringLiteral("B"));
    // The picture now shows B: stepping through A starts again from rest.
    cursor_.reset();
    CompareLbl->setText(CompareText(*a, *b));
    picCompare->setPixmap(QPixmap::fromImage(pictures_->Strip(ComparisonStrip(*a, *b), 2)));
    busy_ = false;
}

void frmStudy::cmdLookalikes_Click()
{
    const std::optional<LipPattern> a = PatternOf(InputAreaA, readingA_, QStringLiteral("A"));
    if (!a)
        return;
    const SignTable& table = Program().signTable;
    // Made for each question: the table or the speed may have changed since.
    LookalikeIndex index(a->plan);
    for (const QString& path : ShippedWordLists(ProgramFolder())) {
        WordList list;
        if (LoadWordList({path}, list))
            index.add(list, QFileInfo(path).fileName(), table);
    }
    LookalikeLbl->setText(LookalikeText(a->reading, index.lookingLike(*a)));
}

void frmStudy::cmdCloseUp_Click()
{
    const qreal ratio = main_.picSpace->devicePixelRatioF();
    main_.camera.FieldOfView = CloseUpFieldOfView(Program().signTable, main_.camera.CameraDistance,
                                           static_cast<float>(main_.picSpace->width() * ratio),
                                           static_cast<float>(main_.picSpace->height() * ratio));
    main_.Display(0);
}

void frmStudy::cmdExportStrip_Click()
{
    const std::optional<LipPattern> a = PatternOf(InputAreaA, readingA_, QStringLiteral("A"));
    if (!a)
        return;
    std::vector<StripColumn> columns;
    for (const StripCell& cell : WordStrip(*a))
        columns.push_back({cell, std::nullopt, false});
    Export(pictures_->Strip(columns, 1));
}

void frmStudy::cmdExportCompare_Click()
{
    const std::optional<LipPattern> a = PatternOf(InputAreaA, readingA_, QStringLiteral("A"));
    if (!a)
        return;
    const std::optional<LipPattern> b = PatternOf(InputAreaB, readingB_, QStringLiteral("B"));
    if (!b)
        return;
    Export(pictures_->Strip(ComparisonStrip(*a, *b), 2));
}

void frmStudy::Export(const QImage& image)
{
    Obtain_FilePath2& chooser = Obtain_FilePath2::Instance();
    chooser.Prepare(false, QStringLiteral("PNG Image"), QStringLiteral(".png"));
    chooser.exec();
    if (!chooser.Rtn || chooser.FajliloSufikso != QStringLiteral(".png"))
        return;
    const QByteArray png = PngBytes(image);
    QString why;
    if (png.isEmpty())
        why = QStringLiteral("the picture could not be encoded");
    if (png.isEmpty() || !WriteFileAtomically(chooser.TargetFile, png, &why))
        ShowMessage(this, QStringLiteral("Cannot save %1\n%2").arg(QDir::toNativeSeparators(chooser.TargetFile), why));
}

void frmStudy::SetSpeed(int preset)
{
    const double refresh = main_.picSpace->screen() ? main_.picSpace->screen()->refreshRate() : 0.0;
    main_.Text1->setText(PresetSpeedText(kSpeedPresets[static_cast<size_t>(preset)].moraePerSecond, refresh));
    cursor_.reset();
}

void frmStudy::closeEvent(QCloseEvent* event)
{
    // Kept for the next opening, with its words; a running repeat ends.
    chkLoop->setChecked(false);
    event->accept();
}

}  // namespace oralis
