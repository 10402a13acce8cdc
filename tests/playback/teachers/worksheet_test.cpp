#include "ShippedData.h"
#include "playback/Worksheet.h"

#include <gtest/gtest.h>
#include <set>

using namespace oralis;
using oralis::testing::ShippedTable;

namespace {

// Every box of a page that must not overlap another.
std::vector<QRect> Boxes(const WorksheetPage& page)
{
    std::vector<QRect> boxes{page.heading, page.pageNumber};
    for (const PlacedTitle& t : page.titles)
        boxes.insert(boxes.end(), {t.number, t.text, t.reading});
    for (const PlacedPicture& p : page.pictures)
        boxes.insert(boxes.end(), {p.picture, p.label});
    for (const PlacedLine& l : page.writingLines)
        boxes.push_back(QRect(l.line.p1(), l.line.p2()));
    for (const PlacedAnswer& a : page.answers)
        boxes.push_back(a.line);
    std::erase_if(boxes, [](const QRect& r) { return r.isEmpty(); });
    return boxes;
}

TEST(Worksheet, PagesAreA4WithPicturesOfAtLeastThreeCentimetresInsideTheMargins)
{
    const std::vector<int> syllables{1, 5, 6, 32, 3, 11, 2};
    for (WorksheetKind kind : {WorksheetKind::Words, WorksheetKind::Answers}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const WorksheetLayout layout = LayOutWorksheet(syllables, kind);
        EXPECT_EQ(layout.page, QSize(2480, 3508));  // 210 x 297 mm at 300 dpi
        EXPECT_GE(layout.picture.width(), 354);      // 3 cm
        EXPECT_EQ(layout.picture.height(), layout.picture.width() * 84 / 120);
        const QRect inside(177, 177, 2480 - 2 * 177, 3508 - 2 * 177);  // 15 mm margins
        std::set<std::pair<int, int>> cells;
        std::set<int> answered;
        for (size_t p = 0; p < layout.pages.size(); ++p) {
            const WorksheetPage& page = layout.pages[p];
            const std::vector<QRect> boxes = Boxes(page);
            for (size_t i = 0; i < boxes.size(); ++i) {
                EXPECT_TRUE(inside.contains(boxes[i])) << p << ": box " << i;
                for (size_t j = i + 1; j < boxes.size(); ++j)
                    EXPECT_FALSE(boxes[i].intersects(boxes[j])) << p << ": boxes " << i << ", " << j;
            }
            for (const PlacedPicture& pic : page.pictures) {
                EXPECT_EQ(pic.picture.size(), layout.picture);
                EXPECT_EQ(pic.label.isEmpty(), kind == WorksheetKind::Answers);
                EXPECT_TRUE(cells.insert({pic.word, pic.cell}).second);
                if (pic.cell == 0) {  // a word's title stands on the page of its first picture
                    EXPECT_TRUE(std::any_of(page.titles.begin(), page.titles.end(),
                                            [&](const PlacedTitle& t) { return t.word == pic.word; }));
                }
            }
            for (const PlacedLine& l : page.writingLines) {  // under the word's last picture
                EXPECT_TRUE(std::any_of(page.pictures.begin(), page.pictures.end(), [&](const PlacedPicture& pic) {
                    return pic.word == l.word && pic.cell == syllables[static_cast<size_t>(l.word)] - 1 &&
                        pic.picture.bottom() < l.line.y1();
                })) << p << ": word " << l.word;
            }
            EXPECT_EQ(page.answerPage, !page.answers.empty());
            for (const PlacedAnswer& a : page.answers)
                answered.insert(a.word);
        }
        size_t total = 0;
        for (int n : syllables)
            total += static_cast<size_t>(n);
        EXPECT_EQ(cells.size(), total);
        EXPECT_EQ(answered.size(), kind == WorksheetKind::Answers ? syllables.size() : 0u);
    }
}

TEST(Worksheet, WordsPerPage)
{
    const auto words = [](int count, int syllables) { return std::vector<int>(static_cast<size_t>(count), syllables); };
    const struct {
        std::vector<int> syllables;
        WorksheetKind kind;
        std::vector<int> wordsPerPage;  // titles a page
        int answerPages;
    } cases[] = {
        {words(10, 4), WorksheetKind::Words, {5, 5}, 0},
        {words(10, 6), WorksheetKind::Words, {3, 3, 3, 1}, 0},
        {words(10, 4), WorksheetKind::Answers, {4, 4, 2}, 1},
        {words(30, 2), WorksheetKind::Answers, {4, 4, 4, 4, 4, 4, 4, 2}, 2},
        {words(1, 32), WorksheetKind::Words, {1, 0}, 0},  // one long strip goes on over the next page
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.syllables.size());
        const WorksheetLayout layout = LayOutWorksheet(c.syllables, c.kind);
        std::vector<int> perPage;
        int answerPages = 0;
        for (const WorksheetPage& page : layout.pages) {
            if (page.answerPage)
                ++answerPages;
            else
                perPage.push_back(static_cast<int>(page.titles.size()));
        }
        EXPECT_EQ(perPage, c.wordsPerPage);
        EXPECT_EQ(answerPages, c.answerPages);
    }
}

TEST(Worksheet, ListWordsGetTheirStripsAndUnplayableOnesAreNamed)
{
    WordList list;
    list.readings = QStringList{QStringLiteral("ﾏﾄﾞ"), QStringLiteral("madoX"), QStringLiteral("ｱｲ")};
    list.displays = QStringList{QStringLiteral("窓"), QStringLiteral("壊れた行"), QStringLiteral("愛")};
    const std::optional<WorksheetContent> sheet = WorksheetOfList(QStringLiteral("list"), list, ShippedTable(), u"500");
    ASSERT_TRUE(sheet);
    ASSERT_EQ(sheet->words.size(), 2u);
    EXPECT_EQ(sheet->words[0].cells.size(), 2u);
    EXPECT_EQ(sheet->words[1].text, QStringLiteral("愛"));
    EXPECT_EQ(sheet->leftOut, QStringList{QStringLiteral("壊れた行 (madoX): Unsupported character(s) in the string")});

    // ﾏﾄﾞ, ｱｲ and ﾏﾄﾞ again need four pictures: ﾏ, ﾄﾞ, ｱ, ｲ.
    WorksheetContent twice = *sheet;
    twice.words.push_back(twice.words[0]);
    const WorksheetFrames frames = DistinctFrames(twice);
    EXPECT_EQ(frames.frames.size(), 4u);
    EXPECT_EQ(frames.pictureOf, (std::vector<std::vector<int>>{{0, 1}, {2, 3}, {0, 1}}));

    QString why;
    WordList none;
    none.readings = QStringList{QStringLiteral("x")};
    none.displays = QStringList{QStringLiteral("x")};
    EXPECT_FALSE(WorksheetOfList(QStringLiteral("list"), none, ShippedTable(), u"500", &why));
    EXPECT_EQ(why, QStringLiteral("No word of the list can be played"));
}

}  // namespace
