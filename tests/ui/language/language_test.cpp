// Every window and the message boxes a user meets first, in the language of
// the locale the test runs under: under a Japanese locale no text is left in
// English, under any other the windows keep their own texts. With
// ORALIS_SHOTS naming a folder, each window is saved there as a picture.
#include "ModalDialogs.h"

#include "model/History.h"
#include "model/Language.h"
#include "model/ProgramState.h"
#include "model/RegularFile.h"
#include "model/WordList.h"
#include "ui/NumberLineEdit.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/editor/EditFrm.h"
#include "ui/editor/frmCopy.h"
#include "ui/lists/frmWordLists.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/Quiz.h"
#include "ui/main/frmSpace.h"
#include "ui/main/frmYesNo.h"
#include "ui/practice/frmPractice.h"
#include "ui/practice/frmProgress.h"
#include "ui/study/frmStudy.h"
#include "ui/teacher/frmTeacher.h"
#include "ui/worksheet/frmWorksheet.h"

#include <QAbstractButton>
#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QtTest>

using namespace oralis;
using namespace Qt::StringLiterals;
using oralis::testing::ModalScript;

namespace {

bool Japanese()
{
    return qEnvironmentVariable("LANG").startsWith(u"ja"_s);
}

QString Plain(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Every text `window` shows: its title, captions, tooltips, list entries,
// column heads, menus and chart titles.
QStringList TextsOf(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    const auto addMenu = [&texts](const QList<QAction*>& actions, auto& self) -> void {
        for (QAction* a : actions) {
            if (!a->isVisible())
                continue;
            texts << a->text();
            if (a->menu())
                self(a->menu()->actions(), self);
        }
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) && !qobject_cast<QMenuBar*>(w))
            continue;
        texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << Plain(label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        else if (auto* line = qobject_cast<QLineEdit*>(w))
            texts << line->placeholderText() << line->text();
        else if (auto* bar = qobject_cast<QMenuBar*>(w))
            addMenu(bar->actions(), addMenu);
        else if (auto* view = qobject_cast<QChartView*>(w); view && view->chart()) {
            texts << view->chart()->title();
            for (QAbstractAxis* axis : view->chart()->axes())
                texts << axis->titleText();
        }
        // The editor's sign names are the table's own.
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->objectName() != u"cmbIndex"_s)
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                texts << header->model()->headerData(i, header->orientation()).toString();
    }
    texts.removeAll(QString());
    return texts;
}

// The texts that are still English: a word of two Latin letters or more
// that is not a name (of the program, a file format, a library, a language),
// outside a file path.
QStringList English(const QStringList& texts)
{
    static const QRegularExpression word(u"[A-Za-z]{2,}"_s);
    static const QRegularExpression path(u"/\\S*"_s);
    static const QStringList names{u"Oralis"_s, u"OK"_s, u"PDF"_s, u"CSV"_s, u"csv"_s, u"PNG"_s, u"txt"_s,
                                   u"English"_s, u"Language"_s, u"UTF"_s, u"Shift"_s, u"JIS"_s, u"MeCab"_s};
    QStringList english;
    for (const QString& text : texts) {
        QString rest = text;
        rest.remove(path);
        for (const QRegularExpressionMatch& m : word.globalMatch(rest)) {
            if (!names.contains(m.captured())) {
                english << text;
                break;
            }
        }
    }
    return english;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir data_;
    std::unique_ptr<frmSpace> main_;
    QStringList seen_;  // every text checked, for the table of known ones

    // Checks `window`'s texts and keeps its picture.
    void Check(QWidget* window, const QString& shot)
    {
        QVERIFY2(window && QTest::qWaitForWindowExposed(window), qPrintable(shot));
        QTest::qWait(50);  // pictures drawn after showing, such as the study window's
        const QStringList texts = TextsOf(window);
        seen_ << texts;
        if (Japanese())
            QVERIFY2(English(texts).isEmpty(), qPrintable(shot + u": "_s + English(texts).join(u" | "_s)));
        if (const QString folder = qEnvironmentVariable("ORALIS_SHOTS"); !folder.isEmpty()) {
            // With the window manager's frame, where there is one, for the title.
            const QRect frame = window->frameGeometry();
            window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                .save(QDir(folder).filePath(shot + u".png"_s));
        }
    }

    // Runs `open`, which shows a modal window of type T, checks that window
    // and closes it.
    template <typename T>
    void CheckModal(const QString& shot, const std::function<void()>& open)
    {
        ModalScript script;
        script.In<T>([this, shot](T* modal) {
            Check(modal, shot);
            modal->reject();
        });
        open();
        QTRY_VERIFY2(script.Done(), qPrintable(shot + u": "_s + script.unexpected.join(u", "_s)));
    }

    template <typename T>
    T* Opened()
    {
        return main_->findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        QVERIFY(UseLanguage(SpeaksJapanese(), ProgramFolder()).isEmpty());
        QCOMPARE(JapaneseInUse(), Japanese());
        // Qt's own, for the standard buttons of the message boxes.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), Japanese() ? u"キャンセル"_s : u"Cancel"_s);
        // A learner with two sessions, so that the progress and the teacher's
        // overview show what they are made for.
        {
            HistoryStore history(std::chrono::seconds(10));
            QVERIFY(history.open());
            history.setLearner(u"花子"_s);
            for (int s = 0; s < 2; ++s) {
                const QDateTime at = QDateTime::currentDateTime().addDays(s - 3);
                const int session = history.startSession(u"food"_s, at);
                Attempt a{at, u"food"_s, u"ﾏﾄﾞ"_s, u"窓"_s, s ? u"窓"_s : u"鼻"_s, s ? u"ﾏﾄﾞ"_s : u"ﾊﾅ"_s,
                          s ? Verdict::Correct : Verdict::Wrong, 0, u"500"_s, {}};
                a.syllables = {{BasicShape::Closed, s ? BasicShape::Closed : BasicShape::A, s == 1},
                               {BasicShape::O, s ? BasicShape::O : BasicShape::A, s == 1}};
                QVERIFY(history.record(session, a));
            }
            QVERIFY(history.flush(std::chrono::seconds(10)));
        }
        main_ = std::make_unique<frmSpace>(nullptr, ProgramFolder() + u"LipPosition.csv"_s);
        main_->show();
    }

    void cleanupTestCase() { main_.reset(); }

    void everyWindowSpeaksTheLocalesLanguage()
    {
        Check(main_.get(), u"main"_s);
        // The language choice, for the pictures: its captions are among the main window's.
        for (const char* name : {"HelpMenus", "mnuLanguage"}) {
            auto* menu = main_->findChild<QMenu*>(QLatin1String(name));
            menu->popup(main_->geometry().topLeft() + QPoint(120 * (name[0] == 'm'), 60));
            Check(menu, QLatin1String(name));
        }
        for (auto* menu : main_->findChildren<QMenu*>())
            menu->hide();

        frmYesNo quiz(main_.get());
        quiz.show();
        Check(&quiz, u"quiz"_s);
        quiz.hide();

        main_->findChild<QAction*>(u"mnuAnswerQuiz"_s)->trigger();
        frmPractice* practice = Opened<frmPractice>();
        Check(practice, u"practice"_s);
        // A session of one word, answered wrong: the verdict and the score.
        practice->NumWordsTxt->setText(u"1"_s);
        practice->cmdStart->click();
        practice->AnswerTxt->setText(u"ねこ"_s);
        QTest::keyClick(practice->AnswerTxt, Qt::Key_Return);
        Check(practice, u"practice_verdict"_s);
        practice->close();
        main_->findChild<QAction*>(u"mnuProgress"_s)->trigger();
        Check(Opened<frmProgress>(), u"progress"_s);
        Opened<frmProgress>()->close();

        main_->InputArea->showWord(u"窓"_s);
        emit main_->InputArea->readingChanged(u"ﾏﾄﾞ"_s);
        main_->findChild<QAction*>(u"mnuStudy"_s)->trigger();
        frmStudy* study = Opened<frmStudy>();
        QVERIFY(study);
        auto* wordB = study->findChild<KanaLineEdit*>(u"InputAreaB"_s);
        wordB->showWord(u"鼻"_s);
        emit wordB->readingChanged(u"ﾊﾅ"_s);
        for (const char* button : {"cmdStepNext", "cmdStepNext", "cmdStepNext", "cmdCompare", "cmdLookalikes"})
            study->findChild<QPushButton*>(QLatin1String(button))->click();
        Check(study, u"study"_s);
        study->close();

        main_->findChild<QAction*>(u"mnuWordLists"_s)->trigger();
        Check(Opened<frmWordLists>(), u"word_lists"_s);
        Opened<frmWordLists>()->close();

        WordList words;
        words.readings = {u"ﾏﾄﾞ"_s, u"ｱｻ"_s};
        words.displays = {u"窓"_s, u"朝"_s};
        frmWorksheet sheet(*main_, main_.get(), words, WordListTitle(ProgramFolder() + u"lists/food.txt"_s, ProgramFolder()));
        sheet.show();
        Check(&sheet, u"worksheet"_s);
        sheet.hide();

        OpenTeacher(*main_);
        QVERIFY(Opened<frmTeacher>());
        QTRY_VERIFY(Opened<frmTeacher>()->LoadingBar->isHidden());
        Check(Opened<frmTeacher>(), u"teacher"_s);
        Opened<frmTeacher>()->close();

        CheckModal<frmAbout>(u"about"_s, [this] { main_->findChild<QAction*>(u"mnuAbout"_s)->trigger(); });
        CheckModal<Obtain_FilePath2>(u"chooser_open"_s, [this] { main_->findChild<QAction*>(u"mnuOpen"_s)->trigger(); });

        main_->findChild<QAction*>(u"mnuEdit"_s)->trigger();
        auto* editor = Opened<EditFrm>();
        Check(editor, u"editor"_s);
        CheckModal<frmCopy>(u"copy"_s, [editor] { editor->findChild<QPushButton*>(u"CopyCmd"_s)->click(); });
        CheckModal<Obtain_FilePath2>(u"chooser_save"_s, [editor] { editor->findChild<QPushButton*>(u"CmdSave"_s)->click(); });
        // A frame set into the table makes closing ask first.
        CheckModal<QMessageBox>(u"message_data_updated"_s, [editor] { editor->findChild<QPushButton*>(u"cmdSet"_s)->click(); });
        CheckModal<QMessageBox>(u"message_discard"_s, [editor] { editor->findChild<QPushButton*>(u"cmdClose"_s)->click(); });
        editor->hide();

        emit main_->InputArea->readingChanged(u"abc"_s);
        CheckModal<QMessageBox>(u"message_unsupported"_s, [this] { main_->findChild<QPushButton*>(u"cmdInput"_s)->click(); });
        CheckModal<QMessageBox>(u"message_no_quiz_list"_s, [this] { RunQuiz(*main_, {{data_.filePath(u"none.txt"_s)}, {}}); });
        // The other language, from the next start; then the locale's again, which needs no word.
        const QString other = Japanese() ? u"mnuLanguageEnglish"_s : u"mnuLanguageJapanese"_s;
        CheckModal<QMessageBox>(u"message_language"_s, [&] { main_->findChild<QAction*>(other)->trigger(); });
        main_->findChild<QAction*>(u"mnuLanguageSystem"_s)->trigger();
        QCOMPARE(StoredLanguageChoice(), LanguageChoice::System);
    }

    // A few texts as each language has them: the titles the source leaves
    // as placeholders, the captions already Japanese, Qt's own buttons.
    void knownTextsAreTheLanguagesOwn()
    {
        const struct {
            const char* source;
            const char* japanese;
        } known[] = {
            {"Form1", "練習"},                 // the quiz
            {"Form2", "ファイルを開く"},       // the chooser, opening
            {"Files of type :", "ファイルの種類:"},
            {"Save", "保存"},
            {"Edit Form", "口形の編集"},
            {"Beta Version", "ベータ版"},
            {"Unsupported character(s) in the string", "使えない文字が含まれています"},
            {"Changes will be discarded", "変更は破棄されます"},
            {"Quiz data not loaded", "練習用の単語リストを読み込めませんでした"},
            {"スタート", "スタート"},
            {"單語", "單語"},
            {"繼續", "繼續"},
            {"food", "食べ物"},                // the worksheet's heading
            {"No such file or directory", "そのようなファイルやディレクトリはありません"},
            {"The language changes when Oralis is started again.", "言語は Oralis を次に起動したときに切り替わります。"},
        };
        // The system's reason for a failed save, in the same language.
        QString why;
        QVERIFY(!WriteFileAtomically(data_.filePath(u"gone/table.csv"_s), "x", &why));
        seen_ << why;
        for (const auto& k : known) {
            const QString expected = QString::fromUtf8(Japanese() ? k.japanese : k.source);
            QVERIFY2(std::any_of(seen_.cbegin(), seen_.cend(), [&](const QString& s) { return s.contains(expected); }),
                     qPrintable(expected));
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
