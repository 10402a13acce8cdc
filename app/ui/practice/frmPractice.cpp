#include "ui/practice/frmPractice.h"

#include "model/DataPlaces.h"
#include "model/ProgramState.h"
#include "model/UserSettings.h"
#include "model/WordList.h"
#include "model/WordListFile.h"
#include "ui/BesideMain.h"
#include "ui/CloseUpButton.h"
#include "ui/Common.h"
#include "ui/LearnerHost.h"
#include "ui/NumberLineEdit.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/practice/frmProgress.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <utility>

namespace oralis {

namespace {

const QString kTextFont = QStringLiteral("ＭＳ Ｐ明朝");
const QString kButtonFont = QStringLiteral("HG正楷書体-PRO");

// The chooser entry sits last in cmbList and holds no path.

}  // namespace

void OpenPractice(LearnerHost& host)
{
    auto* practice = host.HostWindow().findChild<frmPractice*>(QString(), Qt::FindDirectChildrenOnly);
    if (!practice)
        practice = new frmPractice(host);
    ShowBeside(*practice, host.HostWindow(), host.PictureOnScreen());
    practice->FitMouth();
}

bool MayEndPractice(LearnerHost& host)
{
    auto* practice = host.HostWindow().findChild<frmPractice*>(QString(), Qt::FindDirectChildrenOnly);
    return !practice || practice->MayLeaveSession();
}

frmPractice::frmPractice(LearnerHost& host)
    : QWidget(&host.HostWindow(), Qt::Window)
    , host_(host)
    , starter_(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()))
{
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(tr("解答練習"));
    BuildWidgets();
    FillLearners();
    FillLists();
    const QString kept = ReadSetting(setting::kPracticeList).toString();
    if (!kept.isEmpty() && QFileInfo::exists(kept))
        SelectListFile(kept);
    NumWordsTxt->setText(ReadSetting(setting::kPracticeCount, QStringLiteral("10")).toString());
    UpdateButtons();
}

frmPractice::~frmPractice() = default;

void frmPractice::BuildWidgets()
{
    auto named = [](QWidget* w, const char* name, const QString& family, double size = 9.0) {
        w->setObjectName(QLatin1String(name));
        w->setFont(NamedFont(family, size));
    };
    auto* grid = new QGridLayout(this);

    // Who practises: a name the history knows, or a new one typed in.
    auto* learnerCaption = new QLabel(tr("学習者"), this);
    learnerCaption->setFont(NamedFont(kTextFont));
    LearnerCmb = new QComboBox(this);
    named(LearnerCmb, "LearnerCmb", kTextFont);
    LearnerCmb->setEditable(true);
    LearnerCmb->setInsertPolicy(QComboBox::NoInsert);
    LearnerCmb->setMinimumWidth(Twips(2400));
    learnerCaption->setBuddy(LearnerCmb);
    auto* learnerRow = new QHBoxLayout;
    learnerRow->addWidget(learnerCaption);
    learnerRow->addWidget(LearnerCmb);
    learnerRow->addStretch(1);
    grid->addLayout(learnerRow, 0, 0, 1, 4);

    auto* listCaption = new QLabel(tr("単語リスト"), this);
    listCaption->setFont(NamedFont(kTextFont));
    cmbList = new QComboBox(this);
    named(cmbList, "cmbList", kTextFont);
    cmbList->setMinimumWidth(Twips(3000));
    connect(cmbList, &QComboBox::activated, this, &frmPractice::ListChosen);

    auto* countCaption = new QLabel(tr("単語数"), this);
    countCaption->setFont(NamedFont(kTextFont));
    NumWordsTxt = new NumberLineEdit(this);
    named(NumWordsTxt, "NumWordsTxt", kTextFont);
    NumWordsTxt->setMaximumWidth(Twips(700));

    cmdStart = new QPushButton(tr("開始"), this);
    named(cmdStart, "cmdStart", kButtonFont);
    connect(cmdStart, &QPushButton::clicked, this, &frmPractice::StartSession);

    auto* top = new QHBoxLayout;
    top->addWidget(listCaption);
    top->addWidget(cmbList, 1);
    top->addWidget(countCaption);
    top->addWidget(NumWordsTxt);
    top->addWidget(cmdStart);
    grid->addLayout(top, 1, 0, 1, 4);

    auto* answerCaption = new QLabel(tr("答え"), this);
    answerCaption->setFont(NamedFont(kTextFont));
    AnswerTxt = new KanaLineEdit(this);
    // As large as the main window's word box: the learner reads it back.
    named(AnswerTxt, "AnswerTxt", kTextFont, 12.0);
    connect(AnswerTxt, &QLineEdit::returnPressed, this, [this] {
        if (Session() && Session()->phase() == PracticeSession::Phase::Judged)
            GoOn();
        else
            Answer();
    });
    grid->addWidget(answerCaption, 2, 0);
    grid->addWidget(AnswerTxt, 2, 1, 1, 3);

    cmdReplay = new QPushButton(tr("もう一度"), this);
    named(cmdReplay, "cmdReplay", kButtonFont);
    connect(cmdReplay, &QPushButton::clicked, this, [this] { Replay(false); });
    cmdSlow = new QPushButton(tr("ゆっくり"), this);
    named(cmdSlow, "cmdSlow", kButtonFont);
    connect(cmdSlow, &QPushButton::clicked, this, [this] { Replay(true); });
    cmdSkip = new QPushButton(tr("わからない"), this);
    named(cmdSkip, "cmdSkip", kButtonFont);
    connect(cmdSkip, &QPushButton::clicked, this, &frmPractice::Skip);
    cmdNext = new QPushButton(tr("次へ"), this);
    named(cmdNext, "cmdNext", kButtonFont);
    connect(cmdNext, &QPushButton::clicked, this, &frmPractice::GoOn);
    cmdCloseUp = new CloseUpButton(host_, setting::kPracticeCloseUp, true, this);
    cmdCloseUp->setFont(NamedFont(kButtonFont));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdReplay);
    buttons->addWidget(cmdSlow);
    buttons->addWidget(cmdSkip);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    buttons->addWidget(cmdCloseUp);
    grid->addLayout(buttons, 3, 1, 1, 3);

    VerdictLbl = new QLabel(this);
    named(VerdictLbl, "VerdictLbl", kTextFont, 12.0);
    VerdictLbl->setWordWrap(true);
    DiffLbl = new QLabel(this);
    named(DiffLbl, "DiffLbl", kTextFont, 11.0);
    DiffLbl->setWordWrap(true);
    ScoreLbl = new QLabel(this);
    named(ScoreLbl, "ScoreLbl", kTextFont, 11.0);
    ScoreLbl->setWordWrap(true);
    for (QLabel* l : {VerdictLbl, DiffLbl, ScoreLbl})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(VerdictLbl, 4, 0, 1, 4);
    grid->addWidget(DiffLbl, 5, 0, 1, 4);
    grid->addWidget(ScoreLbl, 6, 0, 1, 4);
    grid->setRowStretch(7, 1);
    resize(Twips(7200), Twips(4200));
}

void frmPractice::FillLearners()
{
    LearnerCmb->clear();
    LearnerCmb->addItems(starter_.learners());
    LearnerCmb->setCurrentIndex(0);
}

void frmPractice::FillLists()
{
    for (const QString& path : ChoosableWordLists(ProgramFolder(), UserDataFolder()))
        cmbList->addItem(WordListTitle(path, ProgramFolder()), path);
    cmbList->addItem(tr("Other list file…"));
    cmbList->setCurrentIndex(0);
    lastListIndex_ = 0;
}

void frmPractice::SelectListFile(const QString& path)
{
    int at = cmbList->findData(path);
    if (at < 0) {
        at = cmbList->count() - 1;
        cmbList->insertItem(at, QFileInfo(path).fileName(), path);
    }
    cmbList->setCurrentIndex(at);
    lastListIndex_ = at;
}

void frmPractice::ListChosen(int index)
{
    if (!cmbList->itemData(index).toString().isEmpty()) {
        lastListIndex_ = index;
        return;
    }
    // Until a file is chosen, the list chosen before stays.
    cmbList->setCurrentIndex(lastListIndex_);
    Obtain_FilePath2& chooser = Obtain_FilePath2::Instance();
    chooser.Prepare(true, tr("Word List"), QStringLiteral(".txt"));
    chooser.exec();
    if (chooser.Rtn && !chooser.TargetFile.isEmpty())
        SelectListFile(chooser.TargetFile);
}

void frmPractice::TellHistoryNotice()
{
    for (HistoryNotice notice = starter_.history().takeNotice(); !notice.isEmpty(); notice = starter_.history().takeNotice()) {
        QMessageBox box(QMessageBox::NoIcon, kProgramTitle, notice.message, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("MessageBox"));
        box.setDetailedText(notice.details);
        box.exec();
    }
}

bool frmPractice::MayLeaveSession()
{
    return !Session() || !Session()->inProgress()
        || Confirm(this, tr("The session in progress will be left unfinished"));
}

void frmPractice::FitMouth()
{
    cmdCloseUp->Refit();
}

void frmPractice::StartSession()
{
    if (!MayLeaveSession())
        return;
    QString why;
    const bool started = starter_.start(cmbList->currentData().toString(), QFileInfo(cmbList->currentData().toString()).completeBaseName(),
                                        LearnerCmb->currentText(), NumWordsTxt->text(), Program().signTable,
                                        host_.SpeedText(), QDateTime::currentDateTime(), &why);
    TellHistoryNotice();
    if (!starter_.listNotice().isEmpty())
        ShowMessage(this, starter_.listNotice());
    if (!started) {
        ShowMessage(this, why);
        return;
    }
    for (const auto& [key, value] : {std::pair{setting::kPracticeList, cmbList->currentData().toString()},
                                     std::pair{setting::kPracticeCount, NumWordsTxt->text().trimmed()}}) {
        if (!WriteSetting(key, value, &why))
            std::fprintf(stderr, "Oralis: %s\n", qPrintable(why));
    }
    // A new name joins the list, and whoever practises leads it.
    FillLearners();
    ScoreLbl->clear();
    BeginTurn();
}

void frmPractice::BeginTurn()
{
    PracticeSession& session = *starter_.session();
    VerdictLbl->setText(tr("Word %1 of %2: what did the lips say?")
                            .arg(session.turn() + 1)
                            .arg(session.count()));
    DiffLbl->clear();
    QString why;
    const bool playable = session.begin(Program().signTable, host_.SpeedText(), &why);
    AnswerTxt->clear();
    AnswerTxt->setFocus(Qt::OtherFocusReason);
    if (!playable) {
        UpdateButtons();
        ShowMessage(this, why);
        return;
    }
    if (PlayWord(false, host_.SpeedText()))
        session.shown();
    UpdateButtons();
}

bool frmPractice::PlayWord(bool withText, const QString& speed)
{
    const PracticeWord* word = Session() ? Session()->current() : nullptr;
    if (!word)
        return false;
    host_.ShowWord(withText ? word->display : QString(), withText ? word->reading : QString());
    FitMouth();
    const PlayedReading played = host_.PlayReading(word->reading, speed);
    if (!played)
        ShowMessage(this, played.whyNot);
    return static_cast<bool>(played);
}

void frmPractice::Answer()
{
    PracticeSession* session = starter_.session();
    if (!session || session->phase() != PracticeSession::Phase::Watching)
        return;
    // The box's reading of a text shown there from outside would be stale;
    // a typed answer always announces its own.
    QString why;
    Show(session->judge(AnswerTxt->text(), AnswerTxt->reading(), Program().signTable, starter_.lookalikes(),
                        QDateTime::currentDateTime(), &why));
    if (!why.isEmpty())
        ShowMessage(this, why);
}

void frmPractice::Skip()
{
    PracticeSession* session = starter_.session();
    if (!session || session->phase() != PracticeSession::Phase::Watching)
        return;
    Show(session->skip(starter_.lookalikes(), QDateTime::currentDateTime()));
}

void frmPractice::Show(const AnswerVerdict* verdict)
{
    if (!verdict)
        return;
    VerdictLbl->setText(VerdictText(*verdict, *Session()->current(), AnswerTxt->text()));
    DiffLbl->setText(DiffText(*verdict));
    UpdateButtons();
    FocusAnswer();
    // Playback holds the event loop: the verdict is painted now, before the
    // word is played again with its text.
    repaint();
    TellHistoryNotice();
    PlayWord(true, host_.SpeedText());
}

void frmPractice::FocusAnswer()
{
    // As when the focus comes back with the window: the answer stays in the box.
    AnswerTxt->setFocus(Qt::ActiveWindowFocusReason);
}

void frmPractice::Replay(bool slow)
{
    PracticeSession* session = starter_.session();
    if (!session || session->phase() == PracticeSession::Phase::Finished)
        return;
    session->replayed();
    const QString speed = host_.SpeedText();
    PlayWord(session->phase() == PracticeSession::Phase::Judged, slow ? HalfSpeedText(speed) : speed);
    FocusAnswer();
}

void frmPractice::GoOn()
{
    PracticeSession* session = starter_.session();
    if (!session || session->phase() != PracticeSession::Phase::Judged)
        return;
    session->goOn();
    if (session->phase() == PracticeSession::Phase::Finished)
        Finish();
    else
        BeginTurn();
}

void frmPractice::Finish()
{
    ScoreLbl->setText(ScoreText(*Session()));
    VerdictLbl->setText(tr("Session over"));
    DiffLbl->clear();
    UpdateButtons();
    TellHistoryNotice();
    // The progress view, when open, shows this session: its last answers get
    // the history's patience to be stored.
    starter_.history().flush(kHistoryPatience);
    RefreshOpenProgress(host_);
}

void frmPractice::UpdateButtons()
{
    using Phase = PracticeSession::Phase;
    const Phase phase = Session() ? Session()->phase() : Phase::Finished;
    const bool open = phase != Phase::Finished;
    cmdReplay->setEnabled(open);
    cmdSlow->setEnabled(open);
    cmdSkip->setEnabled(Session() && Session()->answerable());
    cmdNext->setEnabled(phase == Phase::Judged);
    // Shown as the button Return presses in the answer box.
    cmdNext->setDefault(phase == Phase::Judged);
    AnswerTxt->setEnabled(open);
}

}  // namespace oralis
