// Printed worksheets of a word list: for each word its text, its reading and
// its strip of mouth shapes; or, as an answer sheet, the strips numbered with
// a line to write the word on, and the answers at the end. Pages are A4,
// laid out here in dots at 300 dpi; the pictures come from the renderer.
#pragma once

#include "model/ProgramState.h"
#include "model/WordList.h"
#include "playback/StudyStrip.h"

#include <QLine>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace oralis {

enum class WorksheetKind { Words, Answers };

struct WorksheetWord {
    QString text;
    QString reading;
    std::vector<StripCell> cells;  // WordStrip: one a syllable
};

struct WorksheetContent {
    QString title;
    std::vector<WorksheetWord> words;
    QStringList leftOut;  // "窓 (ﾏﾄﾞ): why", for words that cannot be played
};

// The worksheet of `list` under `title`, strips at the step base of
// `speedText`. A word whose reading cannot be played is left out and named in
// `leftOut`. Empty, with the reason, when the speed or the table allows no
// playback at all, or when no word is left.
std::optional<WorksheetContent> WorksheetOfList(const QString& title, const WordList& list, const SignTable& table,
                                                QStringView speedText, QString* whyNot = nullptr);

// The pictures a worksheet needs, each drawn once: a syllable's picture
// depends only on its frame, and a list repeats few.
struct WorksheetFrames {
    std::vector<std::optional<LipFrame>> frames;
    std::vector<std::vector<int>> pictureOf;  // [word][cell]: index into frames
};
WorksheetFrames DistinctFrames(const WorksheetContent& content);

constexpr int kWorksheetDpi = 300;
// Millimetres on paper in dots at kWorksheetDpi, rounded.
int Dots(double millimetres);
// A4 portrait, 210 x 297 mm.
QSize WorksheetPageSize();
// No picture is narrower on paper than this, so that the lips stay readable.
constexpr double kMinPictureMillimetres = 30.0;

// Where the parts of one page lie, in dots from the page's top left corner.
struct PlacedTitle {
    int word = 0;
    QRect number;   // "1."
    QRect text;     // empty on an answer sheet
    QRect reading;  // empty on an answer sheet
};
struct PlacedPicture {
    int word = 0;
    int cell = 0;
    QRect picture;
    QRect label;  // kana and shape; empty on an answer sheet, which would give the word away
};
struct PlacedLine {
    int word = 0;
    QLine line;  // to write the word on, under its strip
};
struct PlacedAnswer {
    int word = 0;
    QRect line;  // "1.  窓  ﾏﾄﾞ"
};
struct WorksheetPage {
    bool answerPage = false;  // one of the pages at the end of an answer sheet that list the answers
    QRect heading;
    QRect pageNumber;
    std::vector<PlacedTitle> titles;
    std::vector<PlacedPicture> pictures;
    std::vector<PlacedLine> writingLines;  // answer sheet: one a word
    std::vector<PlacedAnswer> answers;
};
struct WorksheetLayout {
    QSize page;
    QSize picture;  // every picture's size in dots
    int columns = 1;
    std::vector<WorksheetPage> pages;
};

// The pages for words of `syllables[i]` syllables each. A word starts where
// its title and the first row of its strip fit, else on a new page; a strip
// longer than a page goes on over the next. An answer sheet ends with pages
// that list every word by its number.
WorksheetLayout LayOutWorksheet(const std::vector<int>& syllables, WorksheetKind kind);

// The texts the pages show.
QString WorksheetHeading(const QString& title, const WorksheetPage& page);
QString PageNumberText(int page, int pages);  // 1-based
QString WordNumberText(int word);             // 0-based word, "1."
QString AnswerText(int word, const WorksheetWord& w);

}  // namespace oralis
