#include "ui/main/frmSpace.h"

#include "model/DataPlaces.h"
#include "model/HistoryPlace.h"
#include "model/Language.h"
#include "model/LipTableFile.h"
#include "model/ProgramState.h"
#include "playback/RendererShape.h"
#include "playback/ViewControl.h"
#include "ui/BesideMain.h"
#include "ui/Common.h"
#include "ui/NumberLineEdit.h"
#include "ui/Progress.h"
#include "ui/dialogs/FormBackground.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/editor/EditFrm.h"
#include "ui/lists/frmWordLists.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/LipView.h"
#include "ui/main/Quiz.h"
#include "ui/practice/frmPractice.h"
#include "ui/practice/frmProgress.h"
#include "ui/study/frmStudy.h"
#include "ui/teacher/frmTeacher.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <cstdio>
#include <map>
#include <utility>

namespace oralis {

namespace {

const QString kTextFont = QStringLiteral("ＭＳ Ｐ明朝");
const QString kButtonFont = QStringLiteral("HG正楷書体-PRO");
const QString kUnitFont = QStringLiteral("Times New Roman");

// The start button's picture: a play triangle, drawn rather than shipped.
QIcon PlayIcon()
{
    const int size = 32;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(8, 5);
    triangle.lineTo(27, 16);
    triangle.lineTo(8, 27);
    triangle.closeSubpath();
    p.fillPath(triangle, QColor(0x1e, 0x8c, 0x3a));
    p.setPen(QPen(QColor(0x0b, 0x4d, 0x1d), 1.5));
    p.drawPath(triangle);
    return QIcon(pixmap);
}

void ReportOnStderr(const QString& text)
{
    std::fprintf(stderr, "Oralis: %s\n", qPrintable(text));
    std::fflush(stderr);
}

}  // namespace

frmSpace::frmSpace(const LipExports* lip, QWidget* parent) : frmSpace(lip, QString(), parent) {}

frmSpace::frmSpace(const LipExports* lip, const QString& tablePath, QWidget* parent)
    : QMainWindow(parent)
{
    if (lip)
        injectedLip_ = *lip;
    setObjectName(QStringLiteral("frmSpace"));
    setWindowTitle(kProgramTitle);
    BuildWidgets();
    BuildMenus();
    PaintFormBackground(this, 1, QStringLiteral("B"));
    PlaceMainWindow(*this);
    StartUp(tablePath.isEmpty() ? StartupTablePath(ProgramFolder(), UserDataFolder()) : tablePath);
}

frmSpace::~frmSpace() = default;

void frmSpace::BuildWidgets()
{
    // The word and its reading are what the learner reads most: larger than
    // the captions, as large as their boxes allow. Half-width kana in
    // particular are hard to read at caption size.
    constexpr double kWordPointSize = 12.0;

    auto* client = new QWidget(this);
    client->setFixedSize(TwipRect(0, 0, 8535, 7545).size());
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto named = [](QWidget* w, const char* name, const QFont& font) {
        w->setObjectName(QLatin1String(name));
        w->setFont(font);
    };

    Frame1 = new QGroupBox(tr("カメラ"), client);
    named(Frame1, "Frame1", NamedFont(kButtonFont));
    PlaceTwips(Frame1, 240, 120, 3255, 735);

    cmdHome = new QPushButton(tr("ホーム"), Frame1);
    named(cmdHome, "cmdHome", NamedFont(kButtonFont));
    PlaceTwips(cmdHome, 120, 240, 855, 375);
    connect(cmdHome, &QPushButton::clicked, this, &frmSpace::cmdHome_Click);

    const std::array<QString, 2> optionCaptions{tr("相手"), tr("自分")};
    const std::array<int, 2> optionLeft{1200, 2160};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(optionCaptions[static_cast<size_t>(i)], Frame1);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        option->setFont(NamedFont(kButtonFont));
        PlaceTwips(option, optionLeft[static_cast<size_t>(i)], 240, 975, 375);
        // clicked, not toggled: choosing the view already selected still
        // brings the camera back to it after the mouse has turned it.
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        Option1[static_cast<size_t>(i)] = option;
    }
    Option1[0]->setChecked(true);

    Label1 = new QLabel(tr("單語"), client);
    named(Label1, "Label1", NamedFont(kTextFont));
    PlaceTwips(Label1, 3720, 120, 855, 255);

    InputArea = new KanaLineEdit(client);
    named(InputArea, "InputArea", NamedFont(kTextFont, kWordPointSize));
    PlaceTwips(InputArea, 4800, 90, 3495, 345);
    connect(InputArea, &KanaLineEdit::readingChanged, this, &frmSpace::SetReading);

    Label2 = new QLabel(client);
    named(Label2, "Label2", NamedFont(kTextFont));
    PlaceTwips(Label2, 3600, 615, 1095, 255);

    FuriganaTxt = new QLineEdit(client);
    named(FuriganaTxt, "FuriganaTxt", NamedFont(kTextFont, kWordPointSize));
    PlaceTwips(FuriganaTxt, 4800, 600, 3495, 345);
    // The box is disabled only so that nobody types into it; the reading is
    // what the learner checks, so it keeps full contrast.
    QPalette reading = FuriganaTxt->palette();
    reading.setColor(QPalette::Disabled, QPalette::Text, reading.color(QPalette::Active, QPalette::Text));
    FuriganaTxt->setPalette(reading);

    Label4 = new QLabel(tr("速度"), client);
    named(Label4, "Label4", NamedFont(kButtonFont));
    PlaceTwips(Label4, 5760, 1080, 615, 375);

    Text1 = new NumberLineEdit(client);
    Text1->setText(QStringLiteral("500"));
    named(Text1, "Text1", NamedFont(kTextFont));
    PlaceTwips(Text1, 6360, 1080, 495, 375);
    // Wide enough for four digits (the fastest preset writes 1000; from 8000
    // on no speed makes a step): the box grows to the left, its caption with it.
    const int frame = Text1->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, Text1);
    constexpr int kInnerMargin = 2;  // QLineEdit's own, each side of the text
    const int needed = Text1->fontMetrics().horizontalAdvance(QStringLiteral("8888")) + 2 * (frame + kInnerMargin)
        + Text1->fontMetrics().averageCharWidth();
    if (const int grow = needed - Text1->width(); grow > 0) {
        Text1->setGeometry(Text1->geometry().adjusted(-grow, 0, 0, 0));
        Label4->move(Label4->pos() - QPoint(grow, 0));
    }

    Label3 = new QLabel(QStringLiteral("%"), client);
    named(Label3, "Label3", NamedFont(kUnitFont));
    PlaceTwips(Label3, 6960, 1080, 375, 375);

    cmdInput = new QPushButton(tr("スタート"), client);
    named(cmdInput, "cmdInput", NamedFont(kButtonFont));
    cmdInput->setIcon(PlayIcon());
    PlaceTwips(cmdInput, 7320, 1080, 1035, 435);
    connect(cmdInput, &QPushButton::clicked, this, [this] { StartReading(FuriganaStr); });
    // Return ends the word as スタート does; while a word is being composed
    // the box keeps Return for the input method.
    connect(InputArea, &QLineEdit::returnPressed, cmdInput, &QPushButton::click);

    picSpace = new LipView(*this, client);
    PlaceTwips(picSpace, 120, 1560, 8175, 5775);

    // Captions stand on the blue gradient: white reads there, black barely does.
    for (QWidget* caption : std::initializer_list<QWidget*>{Frame1, Label1, Label2, Label4, Label3})
        SetPaletteColour(caption, QPalette::WindowText, Qt::white);
}

void frmSpace::BuildMenus()
{
    auto menu = [this](const char* name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [this](QMenu* m, const char* name, const QString& caption, auto slot) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    // Kana captions carry their key letter in brackets, as Japanese menus do.
    QMenu* file = menu("FileMenus", tr("ファイル(&F)"));
    item(file, "mnuOpen", tr("Open"), [this] { OpenLipTable(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    item(file, "mnuExit", tr("終了"), [this] { mnuExit_Click(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* tools = menu("ToolMenus", tr("ツール(&T)"));
    item(tools, "mnuEdit", tr("Edit"), [this] { OpenEditor(*this, *this); });
    item(tools, "mnuQuizJapTxt", tr("練習"), [this] { RunQuiz(*this); });
    item(tools, "mnuAnswerQuiz", tr("解答練習"), [this] { OpenPractice(*this); });
    item(tools, "mnuProgress", tr("成績"), [this] { OpenProgress(*this); });
    item(tools, "mnuStudy", tr("学習"), [this] { OpenStudy(*this); });
    item(tools, "mnuWordLists", tr("単語リスト編集"), [this] { OpenWordLists(*this); });
    // Only a class's history on a server has a class to look over.
    item(tools, "mnuTeacher", tr("教師用"), [this] { OpenTeacher(*this); })
        ->setVisible(ConfiguredHistoryPlace().onServer());

    QMenu* help = menu("HelpMenus", tr("ヘルプ(&H)"));
    item(help, "mnuAbout", tr("バージョン情報"), [] { frmAbout::Instance().exec(); });

    // Each language by its own name, so that a user who cannot read the one
    // shown finds theirs.
    QMenu* language = help->addMenu(tr("Language"));
    language->setObjectName(QStringLiteral("mnuLanguage"));
    language->menuAction()->setObjectName(QStringLiteral("mnuLanguage"));
    auto* languages = new QActionGroup(language);
    const LanguageChoice stored = StoredLanguageChoice();
    const std::pair<LanguageChoice, const char*> choices[] = {{LanguageChoice::System, "mnuLanguageSystem"},
                                                              {LanguageChoice::Japanese, "mnuLanguageJapanese"},
                                                              {LanguageChoice::English, "mnuLanguageEnglish"}};
    for (const auto& [choice, name] : choices) {
        const QString caption = choice == LanguageChoice::System     ? tr("System language")
                                : choice == LanguageChoice::Japanese ? QStringLiteral("日本語")
                                                                     : QStringLiteral("English");
        QAction* a = item(language, name, caption, [this, choice = choice] { ChooseLanguage(choice); });
        a->setCheckable(true);
        a->setChecked(choice == stored);
        languages->addAction(a);
    }
}

void frmSpace::ChooseLanguage(LanguageChoice choice)
{
    QString why;
    if (!StoreLanguageChoice(choice, &why)) {
        ShowMessage(this, why);
        return;
    }
    // Every window would have to be made anew; the next start does that.
    if (SpeaksJapanese(choice, QLocale::system().uiLanguages()) != JapaneseInUse())
        ShowMessage(this, tr("The language changes when Oralis is started again."));
}

void frmSpace::StartUp(const QString& tablePath)
{
    InputArea->setVisible(true);
    Label1->setVisible(true);
    Label2->setText(tr("振り假名"));
    FuriganaTxt->setEnabled(false);

    Module1& program = Program();
    camera = CameraState{};

    program.PlaybackActive = 0;
    program.InitialUpperLip = kInitialLip;
    program.InitialLowerLip = kInitialLip;
    const LipExports& lip = Lip();
    if (!startupError_.isEmpty()) {
        ReportOnStderr(startupError_);
        ShowMessage(nullptr, startupError_);
        return;
    }
    lip.ControlPass(program.InitialUpperLip.data(), 0.0f, program.InitialLowerLip.data(), 0.0f);

    QString why;
    {
        FileProgress progress(this, FileProgress::Loading(tablePath), true);
        tableLoaded_ = LoadLipTable(tablePath, program.signTable, &why, progress.callback()) != 0;
    }
    // Which of the places won is not visible in the window: a teacher's own
    // table and the shipped one look alike.
    if (tableLoaded_)
        ReportOnStderr(QStringLiteral("lip position table %1").arg(QDir::toNativeSeparators(tablePath)));
    if (!tableLoaded_) {
        ReportOnStderr(QStringLiteral("cannot load %1: %2").arg(QDir::toNativeSeparators(tablePath), why));
        startupFailure_ = StartupTableFailed(tablePath, why, ShippedDataFolders(ProgramFolder()));
    }
}

void frmSpace::OfferStartupChoices()
{
    const StartupTableFailure failure = *std::exchange(startupFailure_, std::nullopt);
    if (!failure.ask) {
        OpenLipTable();
        return;
    }
    QMessageBox box(QMessageBox::Warning, kProgramTitle, failure.text(), QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("StartupTableMsg"));
    const std::map<StartupChoice, const char*> names{{StartupChoice::ShippedTable, "cmdShippedTable"},
                                                     {StartupChoice::Chooser, "cmdChooseTable"},
                                                     {StartupChoice::NoTable, "cmdNoTable"}};
    std::map<QAbstractButton*, StartupChoice> buttons;
    for (const StartupChoice choice : failure.choices()) {
        const bool none = choice == StartupChoice::NoTable;
        QPushButton* button =
            box.addButton(StartupChoiceCaption(choice), none ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
        button->setObjectName(QLatin1String(names.at(choice)));
        buttons[button] = choice;
        if (!box.defaultButton())
            box.setDefaultButton(button);
        if (none)
            box.setEscapeButton(button);
    }
    box.exec();
    const auto clicked = buttons.find(box.clickedButton());
    const StartupChoice choice = clicked == buttons.end() ? StartupChoice::NoTable : clicked->second;

    if (choice == StartupChoice::ShippedTable) {
        QString why;
        {
            FileProgress progress(this, FileProgress::Loading(failure.shipped), true);
            tableLoaded_ = LoadLipTable(failure.shipped, Program().signTable, &why, progress.callback()) != 0;
        }
        if (tableLoaded_)
            return;
        ShowMessage(this, tr("Cannot load %1\n%2").arg(QDir::toNativeSeparators(failure.shipped), why));
    }
    if (choice != StartupChoice::NoTable)
        OpenLipTable();
}

const LipExports& frmSpace::Lip()
{
    // Every call goes through the shape keeper, so that a window drawing
    // pictures of its own can put back the shape picSpace shows.
    if (injectedLip_)
        return ShapeKeepingExports(*injectedLip_);
    static const LipExports none;
    static std::optional<LipExports> bound;
    if (!bound) {
        QString why;
        bound = BindLipLibrary(&why);
        if (!bound) {
            startupError_ = why;
            return none;
        }
    }
    return ShapeKeepingExports(*bound);
}

void frmSpace::PreviewFrame(const LipFrame& frame)
{
    const LipExports& lip = Lip();
    if (lip.ControlPass)
        lip.ControlPass(frame.upperCurve(), frame.upperAngle(), frame.lowerCurve(), frame.lowerAngle());
    Display(0);
}

QString frmSpace::SpeedText() const
{
    return Text1->text();
}

void frmSpace::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (startupFailure_) {
        // After the window has appeared, so that what is offered opens over it.
        QMetaObject::invokeMethod(this, &frmSpace::OfferStartupChoices, Qt::QueuedConnection);
    }
}

void frmSpace::Display(int16_t steps)
{
    const LipExports& lip = Lip();
    if (!lip.DrawSpace)
        return;
    const qreal ratio = picSpace->devicePixelRatioF();
    ViewParams = ComputeViewParams(camera, static_cast<float>(picSpace->width() * ratio),
                                   static_cast<float>(picSpace->height() * ratio));
    std::copy_n(ViewParams.begin() + kViewEye, 3, Eye.begin());
    // Asking for the window id of a hidden widget would create its native
    // window early; the renderer draws nothing for handle 0.
    const LipWindow hdc = picSpace->isVisible() ? static_cast<LipWindow>(picSpace->winId()) : 0;
    lip.DrawSpace(hdc, ViewParams.data(), steps, Program().PlaybackActive);
}

bool frmSpace::Pattern_Save(const QString& path, QString* whyNot)
{
    SignTable& table = Program().signTable;
    QString notice;
    bool saved = false;
    {
        FileProgress progress(this, FileProgress::Saving(path), false);
        saved = SaveLipTable(path, table, whyNot, &notice, progress.callback());
    }
    if (!saved)
        return false;
    table.UnsavedChanges = false;
    if (!notice.isEmpty())
        ShowMessage(this, notice);
    return true;
}

void frmSpace::SetReading(const QString& reading)
{
    FuriganaStr = reading;
    FuriganaTxt->setText(reading);
}

bool frmSpace::StartReading(const QString& reading)
{
    QString refusal = StartRefusal(InputArea->text(), reading, InputArea->readingRefusal());
    if (refusal.isEmpty())
        refusal = PlayReading(reading, Text1->text()).whyNot;
    if (!refusal.isEmpty())
        ShowMessage(this, refusal);
    return refusal.isEmpty();
}

PlayedReading frmSpace::PlayReading(const QString& reading, const QString& speedText)
{
    Module1& program = Program();
    PlayedReading played = oralis::PlayReading(reading, program.signTable, speedText, Lip(),
                                               [this](int16_t steps) { Display(steps); }, program.PlaybackActive);
    if (played)
        syllables = *played.played;
    return played;
}

QString frmSpace::WordText() const
{
    return InputArea->text();
}

void frmSpace::ShowWord(const QString& text, const QString& reading)
{
    InputArea->showWord(text);
    FuriganaTxt->setText(reading);
    // Playback, which follows, holds the event loop: the word is painted now.
    InputArea->repaint();
    FuriganaTxt->repaint();
}

void frmSpace::SetSpeedText(const QString& speed)
{
    Text1->setText(speed);
}

QSizeF frmSpace::PictureSize() const
{
    return QSizeF(picSpace->size()) * picSpace->devicePixelRatioF();
}

QRect frmSpace::PictureOnScreen() const
{
    return QRect(picSpace->mapToGlobal(QPoint(0, 0)), picSpace->size());
}

void frmSpace::OpenLipTable()
{
    // Asked before the chooser opens, so that Cancel leaves everything as it was.
    if (Program().signTable.UnsavedChanges && !ConfirmDiscard(this))
        return;
    Obtain_FilePath2& chooser = Obtain_FilePath2::Instance();
    chooser.Prepare(true, tr("Angle Data"), QStringLiteral(".csv"));
    chooser.exec();
    if (!chooser.Rtn)
        return;
    if (chooser.FajliloSufikso != QStringLiteral(".csv"))
        return;

    const QString path = chooser.TargetFile;
    QString why;
    // A failed load keeps the table as it was, so the message is all there is to do.
    FileProgress progress(this, FileProgress::Loading(path), true);
    if (LoadLipTable(path, Program().signTable, &why, progress.callback()) == 0)
        ShowMessage(this, progress.loadFailure(path, why));
}

void frmSpace::ViewPress(Qt::MouseButton button, QPointF at)
{
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    // A second button while one is held: the loop already running owns the view.
    if (DragActive == -1)
        return;
    const ViewButton which = button == Qt::LeftButton ? ViewButton::Left : ViewButton::Right;
    const float x = static_cast<float>(at.x());
    const float y = static_cast<float>(at.y());

    DragActive = -1;
    QPointer<frmSpace> alive(this);
    while (DragActive == -1) {
        StepView(camera, which, x, y, static_cast<float>(picSpace->width()),
                 static_cast<float>(picSpace->height()));
        Display(0);
        // The release arrives through here.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!alive)
            return;
        // A hidden picture never sees the release.
        if (!picSpace->isVisible())
            DragActive = 0;
    }
}

void frmSpace::ViewRelease()
{
    DragActive = 0;
}

void frmSpace::ViewWheel(int angleDelta)
{
    const float before = camera.FieldOfView;
    WheelView(camera, wheelPending_, angleDelta);
    if (camera.FieldOfView != before)
        Display(0);
}

void frmSpace::ViewArrow(ViewKey key)
{
    TurnView(camera, key);
    Display(0);
}

void frmSpace::cmdHome_Click()
{
    ReturnHome(camera);
    // The options must show the direction the view now has.
    Option1[0]->setChecked(true);
    Display(0);
}

void frmSpace::Option1_Click(int index)
{
    FaceSide(camera, index);
    Display(0);
}

bool frmSpace::MayExit()
{
    return MayEndPractice(*this) && (!Program().signTable.UnsavedChanges || ConfirmDiscard(this))
        && WordListsMayClose(*this);
}

void frmSpace::mnuExit_Click()
{
    if (!MayExit())
        return;
    exitConfirmed_ = true;
    close();
    exitConfirmed_ = false;
}

void frmSpace::closeEvent(QCloseEvent* event)
{
    if (!exitConfirmed_ && !MayExit()) {
        event->ignore();
        return;
    }
    DragActive = 0;
    event->accept();
    // Ends the run even while the editor is still open. Not quit(): that would
    // send every other window a close request, and the editor would ask about
    // its changes a second time.
    QCoreApplication::exit(0);
}

}  // namespace oralis
