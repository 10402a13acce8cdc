#include "PlayedSigns.h"

#include "model/MecabReading.h"
#include "ui/main/ImeCtrl.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/frmSpace.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace oralis;
using oralis::testing::ModalWatcher;
using oralis::testing::PlayedSigns;
using oralis::testing::RecordingLip;

namespace {

void Preedit(QWidget* w, const QString& text)
{
    QInputMethodEvent event(text, {QInputMethodEvent::Attribute(QInputMethodEvent::Cursor,
                                                                 static_cast<int>(text.size()), 1)});
    QCoreApplication::sendEvent(w, &event);
}

void Commit(QWidget* w, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(w, &event);
}

bool ImEnabled(QWidget* w)
{
    return w->inputMethodQuery(Qt::ImEnabled).toBool();
}

}  // namespace

class InputTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString table_;
    LipExports lip_ = RecordingLip::Exports();
    std::unique_ptr<frmSpace> main_;

    KanaLineEdit* box() { return main_->InputArea; }

    // Clicks the start button and returns the signs it played.
    QList<int> Start()
    {
        RecordingLip::Clear();
        QTest::mouseClick(main_->findChild<QPushButton*>(QStringLiteral("cmdInput")), Qt::LeftButton);
        return PlayedSigns();
    }

    bool FocusBox()
    {
        // A message box may have taken the activation away.
        main_->activateWindow();
        if (!QTest::qWaitForWindowActive(main_.get()))
            return false;
        main_->Text1->setFocus();
        box()->setFocus();
        return QTest::qWaitFor([this] { return box()->hasFocus(); });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        table_ = dir_.filePath(QStringLiteral("signs.csv"));
        QVERIFY(testing::WriteSignTaggedTable(table_));
        main_ = std::make_unique<frmSpace>(&lip_, table_);
        main_->show();
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
    }

    void cleanupTestCase() { main_.reset(); }

    void init() { QVERIFY(FocusBox()); }

    // As ibus with Mozc sends "sakana", space, Return.
    void conversionTakesTheKanaBeforeIt()
    {
        for (const char16_t* p : {u"ｓ", u"さ", u"さｋ", u"さか", u"さかｎ", u"さかな", u"魚"})
            Preedit(box(), QString::fromUtf16(p));
        QVERIFY(main_->FuriganaTxt->text().isEmpty());  // nothing committed yet
        Commit(box(), QStringLiteral("魚"));
        QCOMPARE(box()->text(), QStringLiteral("魚"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ｻｶﾅ"));
        QCOMPARE(main_->FuriganaStr, QStringLiteral("ｻｶﾅ"));
        QCOMPARE(ImeReadingOfResult(main_.get()), QStringLiteral("ｻｶﾅ"));
        QCOMPARE(Start(), (QList<int>{0, 21, 16, 16}));
    }

    void secondConversionKeepsOnlyItsReading()
    {
        Preedit(box(), QStringLiteral("きょう"));
        Preedit(box(), QStringLiteral("今日"));
        Commit(box(), QStringLiteral("今日"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ｷｮｳ"));
        Preedit(box(), QStringLiteral("がっこう"));
        Preedit(box(), QStringLiteral("学校"));
        Commit(box(), QStringLiteral("学校"));
        QCOMPARE(box()->text(), QStringLiteral("今日学校"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ｶﾞｯｺｳ"));
        // ｶﾞ plays as ｶ; the small tsu keeps the vowel a; ｺｳ is a long o.
        QCOMPARE(Start(), (QList<int>{0, 16, 27, 20}));
    }

    void unconvertedKanaIsItsOwnReading()
    {
        Preedit(box(), QStringLiteral("ぱん"));
        Commit(box(), QStringLiteral("ぱん"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ﾊﾟﾝ"));
        QCOMPARE(Start(), (QList<int>{0, 11, 6}));
    }

    void typedRomaji()
    {
        QTest::keyClicks(box(), QStringLiteral("sakana"));
        QCOMPARE(box()->text(), QStringLiteral("sakana"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ｻｶﾅ"));
        QCOMPARE(Start(), (QList<int>{0, 21, 16, 16}));
    }

    void returnStartsTheWordOnceItIsComposed()
    {
        Preedit(box(), QStringLiteral("さかな"));
        RecordingLip::Clear();
        QTest::keyClick(box(), Qt::Key_Return);
        QVERIFY(RecordingLip::Calls().empty());
        Commit(box(), QStringLiteral("さかな"));
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(PlayedSigns(), (QList<int>{0, 21, 16, 16}));
    }

    void pastedKanjiIsReadByTheDictionary()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("学校"));
        box()->paste();
        QCOMPARE(box()->text(), QStringLiteral("学校"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ｶﾞｯｺｰ"));
        QCOMPARE(Start(), (QList<int>{0, 16, 27, 20}));

        // A text set from outside reads the whole box, while the input
        // method's last result stays what it was.
        Preedit(box(), QStringLiteral("さかな"));
        Preedit(box(), QStringLiteral("魚"));
        Commit(box(), QStringLiteral("魚"));
        box()->setText(QStringLiteral("今日は"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ｷｮｰﾜ"));
        QCOMPARE(ImeReadingOfResult(main_.get()), QStringLiteral("ｻｶﾅ"));
        QCOMPARE(Start(), (QList<int>{0, 20, 26}));
    }

    // A word without a reading would play only the rest shape: スタート
    // refuses it, with the number reader's advice when a number was the cause.
    void textWithoutReadingIsRefusedAtStart()
    {
        box()->setText(QStringLiteral("123"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ﾋｬｸﾆｼﾞｭｰｻﾝ"));

        const std::pair<const char16_t*, QString> refused[] = {
            {u"ｘｙｚ", QStringLiteral("Unsupported character(s) in the string")},
            {u"5枚", QStringLiteral("Numbers with 枚 cannot be read: type the number in kana")},
        };
        for (const auto& [text, message] : refused) {
            box()->clear();
            Commit(box(), QString::fromUtf16(text));
            QVERIFY(main_->FuriganaTxt->text().isEmpty());
            QString shown;
            ModalWatcher watcher([&](QWidget* modal) {
                auto* m = qobject_cast<QMessageBox*>(modal);
                if (!m)
                    return false;
                shown = m->text();
                m->button(QMessageBox::Ok)->click();
                return true;
            });
            QVERIFY(Start().isEmpty());
            QVERIFY(watcher.Seen());
            QCOMPARE(shown, message);
        }
    }

    void focusClearsTheBoxAndSwitchesTheInputMethod()
    {
        box()->setText(QStringLiteral("魚"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ｻｶﾅ"));
        QVERIFY(ImEnabled(box()));
        QCOMPARE(ImeConversionMode(box()), kImeRoman | kImeFullWidth | kImeNative);

        main_->Text1->setFocus();
        QTRY_VERIFY(main_->Text1->hasFocus());
        QVERIFY(!ImEnabled(box()));
        QCOMPARE(box()->text(), QStringLiteral("魚"));  // leaving keeps the word

        QVERIFY(FocusBox());
        QVERIFY(box()->text().isEmpty());
        QVERIFY(main_->FuriganaTxt->text().isEmpty());
        QVERIFY(ImEnabled(box()));

        // A menu opened and closed over the box is no new visit.
        box()->setText(QStringLiteral("魚"));
        auto* menu = main_->findChild<QMenu*>(QStringLiteral("HelpMenus"));
        menu->popup(main_->mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        QTRY_VERIFY(box()->hasFocus());
        QCOMPARE(box()->text(), QStringLiteral("魚"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ｻｶﾅ"));
    }

    // Without MeCab's dictionary the learner is told once how to go on, and
    // kana and romaji still read.
    void missingDictionaryIsToldOnce()
    {
        MecabReader missing(dir_.filePath(QStringLiteral("no-dictionary")));
        KanaLineEdit box;
        box.setMecabReader(&missing);
        QSignalSpy readings(&box, &KanaLineEdit::readingChanged);
        QStringList told;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told << m->text();
                m->button(QMessageBox::Ok)->click();
            }
        });
        answer.start(20);

        // Romaji typed key by key needs no dictionary, even half typed.
        QTest::keyClicks(&box, QStringLiteral("sakana"));
        QVERIFY(told.isEmpty());
        QCOMPARE(box.reading(), QStringLiteral("ｻｶﾅ"));
        box.clear();
        readings.clear();

        box.setText(QStringLiteral("学校"));
        box.setText(QStringLiteral("今日"));
        Preedit(&box, QStringLiteral("さかな"));
        Preedit(&box, QStringLiteral("魚"));
        Commit(&box, QStringLiteral("魚"));
        QCOMPARE(box.reading(), QStringLiteral("ｻｶﾅ"));  // the composition needs no dictionary
        box.setText(QStringLiteral("sakana"));

        QCOMPARE(told, QStringList{kNoDictionaryMessage});
        QVERIFY(missing.unavailable());
        QCOMPARE(readings.size(), 4);
        QCOMPARE(readings[0][0].toString(), QString());
        QCOMPARE(readings[1][0].toString(), QString());
        QCOMPARE(readings[3][0].toString(), QStringLiteral("ｻｶﾅ"));
    }

    void modeSwitching()
    {
        QCOMPARE(ImeSetMode(box(), 1, 1, 2), 0);
        QCOMPARE(ImeConversionMode(box()), kImeRoman);
        QVERIFY(box()->inputMethodHints() & Qt::ImhPreferLatin);

        // Values outside the ranges leave that setting alone.
        QCOMPARE(ImeSetMode(box(), 0, 7, 1), 0);
        QCOMPARE(ImeConversionMode(box()), kImeNative | kImeKatakana);
        QVERIFY(!(box()->inputMethodHints() & Qt::ImhPreferLatin));

        QCOMPARE(ImeOpen(box(), 0), 0);
        QVERIFY(!ImEnabled(box()));
        QCOMPARE(ImeOpen(box(), 1), 0);  // only -1 opens
        QVERIFY(!ImEnabled(box()));
        QCOMPARE(ImeOpen(box(), -1), 0);
        QVERIFY(ImEnabled(box()));

        // Any widget, not only the word box.
        QCOMPARE(ImeOpen(main_->Text1, 0), 0);
        QVERIFY(!main_->Text1->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(ImeOpen(main_->Text1, -1), 0);
        QVERIFY(main_->Text1->testAttribute(Qt::WA_InputMethodEnabled));

        QCOMPARE(ImeSetMode(nullptr, 1, 0, 0), -1);
        QCOMPARE(ImeOpen(nullptr, -1), 0);
        QVERIFY(ImeReadingOfResult(nullptr).isEmpty());
    }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
