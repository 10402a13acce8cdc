#include "ui/practice/frmPractice.h"

#include "model/KanaParser.h"
#include "model/NumericText.h"
#include "model/ProgramState.h"
#include "playback/Playback.h"
#include "ui/Common.h"
#include "ui/NumberLineEdit.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/frmSpace.h"

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

namespace oralis {

namespace {

const QString kTextFont = QStringLiteral("ＭＳ Ｐ明朝");
const QString kButtonFont = QStringLiteral("HG正楷書体-PRO");

// The chooser entry sits last in cmbList and holds no path.
const QString kOtherList = QStringLiteral("Other list file…");

}  // namespace

void OpenPractice(frmSpace& main)
{
    auto* practice = main.findChild<frmPractice*>(QString(), Qt::FindDirectChildrenOnly);
    if (!practice)
        practice = new frmPractice(main);
    practice->show();
    practice->raise();
    practice->activateWindow();
}

frmPractice::frmPractice(frmSpace& main)
    : QWidget(&main, Qt::Window)
    , main_(main)
    , random_(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()))
{
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(QStringLiteral("解答練習"));
    BuildWidgets();
    FillLists();
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

    auto* listCaption = new QLabel(QStringLiteral("単語リスト"), this);
    listCaption->setFont(NamedFont(kTextFont));
    cmbList = new QComboBox(this);
    named(cmbList, "cmbList", kTextFont);
    cmbList->setMinimumWidth(Twips(3000));
    connect(cmbList, &QComboBox::activated, this, &frmPractice::ListChosen);

    auto* countCaption = new QLabel(QStringLiteral("単語数"), this);
    countCaption->setFont(NamedFont(kTextFont));
    NumWordsTxt = new NumberLineEdit(this);
    named(NumWordsTxt, "NumWordsTxt", kTextFont);
    NumWordsTxt->setText(QStringLiteral("10"));
    NumWordsTxt->setMaximumWidth(Twips(700));

    cmdStart = new QPushButton(QStringLiteral("開始"), this);
    named(cmdStart, "cmdStart", kButtonFont);
    connect(cmdStart, &QPushButton::clicked, this, &frmPractice::StartSession);

    auto* top = new QHBoxLayout;
    top->addWidget(listCaption);
    top->addWidget(cmbList, 1);
    top->addWidget(countCaption);
    top->addWidget(NumWordsTxt);
    top->addWidget(cmdStart);
    grid->addLayout(top, 0, 0, 1, 4);

    auto* answerCaption = new QLabel(QStringLiteral("答え"), this);
    answerCaption->setFont(NamedFont(kTextFont));
    AnswerTxt = new KanaLineEdit(this);
    // As large as the main window's word box: the learner reads it back.
    named(AnswerTxt, "AnswerTxt", kTextFont, 12.0);
    connect(AnswerTxt, &QLineEdit::returnPressed, this, [this] {
        if (session_ && session_->phase() == PracticeSession::Phase::Judged)
            GoOn();
        else
            Answer();
    });
    grid->addWidget(answerCaption, 1, 0);
    grid->addWidget(AnswerTxt, 1, 1, 1, 3);

    cmdReplay = new QPushButton(QStringLiteral("もう一度"), this);
    named(cmdReplay, "cmdReplay", kButtonFont);
    connect(cmdReplay, &QPushButton::clicked, this, [this] { Replay(false); });
    cmdSlow = new QPushButton(QStringLiteral("ゆっくり"), this);
    named(cmdSlow, "cmdSlow", kButtonFont);
    connect(cmdSlow, &QPushButton::clicked, this, [this] { Replay(true); });
    cmdSkip = new QPushButton(QStringLiteral("わからない"), this);
    named(cmdSkip, "cmdSkip", kButtonFont);
    connect(cmdSkip, &QPushButton::clicked, this, &frmPractice::Skip);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdReplay);
    buttons->addWidget(cmdSlow);
    buttons->addWidget(cmdSkip);
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 1, 1, 3);

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
    grid->addWidget(VerdictLbl, 3, 0, 1, 4);
    grid->addWidget(DiffLbl, 4, 0, 1, 4);
    grid->addWidget(ScoreLbl, 5, 0, 1, 4);
    grid->setRowStretch(6, 1);
    resize(Twips(7200), Twips(4200));
}

void frmPractice::FillLists()
{
    for (const QString& path : ShippedWordLists(ProgramFolder()))
        cmbList->addItem(QFileInfo(path).completeBaseName(), path);
    cmbList->addItem(kOtherList);
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
    chooser.Prepare(true, QStringLiteral("Word List"), QStringLiteral(".txt"));
    chooser.exec();
    if (chooser.Rtn && !chooser.TargetFile.isEmpty())
        SelectListFile(chooser.TargetFile);
}

void frmPractice::TellHistoryNotice()
{
    for (HistoryNotice notice = history_.takeNotice(); !notice.isEmpty(); notice = history_.takeNotice()) {
        QMessageBox box(QMessageBox::NoIcon, kProgramTitle, notice.message, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("MessageBox"));
        box.setDetailedText(notice.details);
        box.exec();
    }
}

void frmPractice::StartSession()
{
    const QString path = cmbList->currentData().toString();
    WordList words;
    QString why;
    if (path.isEmpty() || !LoadWordList({path}, words, nullptr, &why) || words.size() == 0) {
        const QString message = QStringLiteral("Word list not loaded");
        ShowMessage(this, why.isEmpty() ? message : message + QLatin1Char('\n') + why);
        return;
    }
    const SignTable& table = Program().signTable;
    const std::optional<PlaybackPlan> start = BeginPlan(table, main_.Text1->text(), &why);
    if (!start) {
        ShowMessage(this, why);
        return;
    }
    if (!historyOpened_) {
        historyOpened_ = true;
        history_.open();
    }
    const QString listName = cmbList->currentText();
    const QDateTime now = QDateTime::currentDateTime();
    const int number = history_.startSession(listName, now);
    TellHistoryNotice();

    const int wanted = std::max(1, static_cast<int>(NumericPrefix(NumWordsTxt->text())));
    std::vector<PracticeWord> drawn = DrawPracticeWords(words, wanted, history_, number, table, *start, random_);
    if (drawn.empty()) {
        ShowMessage(this, QStringLiteral("No word of this list can be played"));
        return;
    }
    lookalikes_.emplace(*start);
    lookalikes_->add(words, listName, table);
    session_ = std::make_unique<PracticeSession>(std::move(drawn), listName, number, &history_, now);
    ScoreLbl->clear();
    BeginTurn();
}

void frmPractice::BeginTurn()
{
    VerdictLbl->setText(QStringLiteral("Word %1 of %2: what did the lips say?")
                            .arg(session_->turn() + 1)
                            .arg(session_->count()));
    DiffLbl->clear();
    QString why;
    const bool playable = session_->begin(Program().signTable, main_.Text1->text(), &why);
    UpdateButtons();
    AnswerTxt->clear();
    AnswerTxt->setFocus(Qt::OtherFocusReason);
    if (!playable) {
        ShowMessage(this, why);
        return;
    }
    PlayWord(false, main_.Text1->text());
}

void frmPractice::PlayWord(bool withText, const QString& speed)
{
    const PracticeWord* word = session_ ? session_->current() : nullptr;
    if (!word)
        return;
    main_.InputArea->showWord(withText ? word->display : QString());
    main_.FuriganaTxt->setText(withText ? word->reading : QString());
    ParseFailure failure = ParseFailure::None;
    if (ParseKana(word->reading, main_.syllables, &failure) == 0) {
        ShowMessage(this, ParseRefusalMessage(failure));
        return;
    }
    Module1& program = Program();
    QString why;
    if (!PlaySyllables(main_.syllables, program.signTable, speed, main_.Lip(),
                       [this](int16_t steps) { main_.Display(steps); }, program.PlaybackActive, &why))
        ShowMessage(this, why);
}

void frmPractice::Answer()
{
    if (!session_ || session_->phase() != PracticeSession::Phase::Watching)
        return;
    // The box's reading of a text shown there from outside would be stale;
    // a typed answer always announces its own.
    Show(session_->judge(AnswerTxt->text(), AnswerTxt->reading(), Program().signTable,
                         lookalikes_ ? &*lookalikes_ : nullptr, QDateTime::currentDateTime()));
}

void frmPractice::Skip()
{
    if (!session_ || session_->phase() != PracticeSession::Phase::Watching)
        return;
    Show(session_->skip(lookalikes_ ? &*lookalikes_ : nullptr, QDateTime::currentDateTime()));
}

void frmPractice::Show(const AnswerVerdict* verdict)
{
    if (!verdict)
        return;
    VerdictLbl->setText(VerdictText(*verdict, *session_->current(), AnswerTxt->text()));
    DiffLbl->setText(DiffText(*verdict));
    TellHistoryNotice();
    UpdateButtons();
    PlayWord(true, main_.Text1->text());
}

void frmPractice::Replay(bool slow)
{
    if (!session_ || session_->phase() == PracticeSession::Phase::Finished)
        return;
    session_->replayed();
    const QString speed = main_.Text1->text();
    PlayWord(session_->phase() == PracticeSession::Phase::Judged, slow ? HalfSpeedText(speed) : speed);
    AnswerTxt->setFocus(Qt::ActiveWindowFocusReason);
}

void frmPractice::GoOn()
{
    session_->goOn();
    if (session_->phase() == PracticeSession::Phase::Finished) {
        ScoreLbl->setText(ScoreText(*session_));
        VerdictLbl->setText(QStringLiteral("Session over"));
        DiffLbl->clear();
        UpdateButtons();
        TellHistoryNotice();
        return;
    }
    BeginTurn();
}

void frmPractice::UpdateButtons()
{
    using Phase = PracticeSession::Phase;
    const Phase phase = session_ ? session_->phase() : Phase::Finished;
    const bool open = phase != Phase::Finished;
    cmdReplay->setEnabled(open);
    cmdSlow->setEnabled(open);
    cmdSkip->setEnabled(phase == Phase::Watching && session_->pattern());
    AnswerTxt->setEnabled(open);
}

}  // namespace oralis
