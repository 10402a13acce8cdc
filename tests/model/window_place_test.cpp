#include "model/WindowPlace.h"

#include <gtest/gtest.h>

using namespace oralis;

namespace {

const QRect kScreen(0, 0, 1280, 900);

TEST(WindowPlace, BesideTheMainWindowElseWhereThePictureIsLeastCovered)
{
    const QRect mainLeft(0, 0, 571, 547);
    const QRect mainCentred(354, 176, 571, 547);
    const struct {
        const char* what;
        QRect main;
        QRect picture;
        QSize size;
        QPoint at;
    } cases[] = {
        {"to the right, top edges level", mainLeft, {9, 147, 545, 385}, {482, 305}, {571, 0}},
        {"to the right, moved up onto the screen", {0, 700, 571, 547}, {9, 847, 545, 385}, {482, 305}, {571, 595}},
        {"below, when the right is too narrow", {700, 0, 571, 547}, {709, 147, 545, 385}, {482, 305}, {700, 547}},
        {"below, moved left onto the screen", {800, 0, 470, 400}, {809, 100, 450, 290}, {900, 400}, {380, 400}},
        {"neither: over the main window, clear of the picture", mainCentred, {363, 323, 545, 385}, {482, 305},
         {798, 0}},
        {"no place is clear: the least of the picture", kScreen, {10, 50, 1260, 800}, {300, 200}, {980, 0}},
        {"larger than the screen: from its corner", mainLeft, {9, 147, 545, 385}, {1400, 1000}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QPoint at = PlaceBeside(kScreen, c.main, c.picture, c.size);
        EXPECT_EQ(at, c.at) << at.x() << "," << at.y();
    }
}

TEST(WindowPlace, AKeptPlaceIsMovedOntoTheScreen)
{
    EXPECT_EQ(KeptOnScreen(kScreen, {100, 50, 300, 200}), QPoint(100, 50));
    EXPECT_EQ(KeptOnScreen(kScreen, {1200, 850, 300, 200}), QPoint(980, 700));
    EXPECT_EQ(KeptOnScreen(kScreen, {-50, -10, 300, 200}), QPoint(0, 0));
}

}  // namespace
