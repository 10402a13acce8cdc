// The lip position table Oralis ships with must teach: every sign playback uses
// is there, and the vowels differ the way the mouth really differs.
#include "LipGeometry.h"
#include "model/LipTableFile.h"

#include <QFile>
#include <gtest/gtest.h>
#include <iterator>

using oralis::FormatLipTable;
using oralis::LipFrame;
using oralis::LoadLipTableFromBytes;
using oralis::SignTable;

namespace {

enum Vowel { A = 1, I, U, E, O };

const SignTable& Shipped()
{
    static SignTable table;
    static bool loaded = [] {
        QString why;
        const bool ok = oralis::LoadLipTable(QStringLiteral(SHIPPED_TABLE), table, &why);
        EXPECT_TRUE(ok) << why.toStdString();
        return ok;
    }();
    (void)loaded;
    return table;
}

const LipFrame& Last(int sign) { return Shipped()[sign].Frames.back(); }

// Centre opening, half width and centre protrusion of a frame.
float Opening(const LipFrame& f) { return f[3] - f[16]; }
float Width(const LipFrame& f) { return f[8]; }
float Protrusion(const LipFrame& f) { return f[1]; }
float JawAngle(const LipFrame& f) { return f[26]; }

// Moved to the end, the rest sign is still sign 0 and no sign is lost; cut
// anywhere in its last frame, or before it, the table is refused at that line.
TEST(ShippedTable, ReorderedItLosesNoSignAndCutItIsRefused)
{
    QFile file(QStringLiteral(SHIPPED_TABLE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const qsizetype restEnd = bytes.indexOf('\n', bytes.indexOf('\n') + 1) + 1;  // sign 0: header and one frame
    SignTable reordered;
    QString why;
    ASSERT_EQ(LoadLipTableFromBytes(bytes.mid(restEnd) + bytes.left(restEnd), reordered, &why), -1)
        << why.toStdString();
    EXPECT_EQ(reordered.SignCount, Shipped().SignCount);
    EXPECT_TRUE(FormatLipTable(reordered) == FormatLipTable(Shipped()));

    const int lines = static_cast<int>(bytes.count('\n'));
    const qsizetype lastLine = bytes.lastIndexOf('\n', bytes.size() - 2) + 1;
    const struct {
        qsizetype size;
        int line;
    } cuts[] = {{bytes.size() - 2, lines}, {bytes.size() - 3, lines}, {bytes.size() - 5, lines}, {lastLine, lines - 1}};
    for (const auto& cut : cuts) {
        SCOPED_TRACE(cut.size);
        SignTable table;
        EXPECT_EQ(LoadLipTableFromBytes(bytes.left(cut.size), table, &why), 0);
        EXPECT_TRUE(why.startsWith(QStringLiteral("line %1: the file ends inside frame ").arg(cut.line)))
            << why.toStdString();
    }
}

TEST(ShippedTable, HasEverySignPlaybackUsesWithANameAndFrames)
{
    ASSERT_GE(Shipped().SignCount, 32);
    for (int s = 0; s < 32; ++s) {
        SCOPED_TRACE(s);
        EXPECT_GE(Shipped()[s].FrameCount(), 1);
        EXPECT_EQ(Shipped()[s].Frames.size(), static_cast<size_t>(Shipped()[s].FrameCount()));
        EXPECT_FALSE(Shipped()[s].SignName.trimmed().isEmpty());
    }
}

TEST(ShippedTable, NoCurveIsDegenerateAndLipsStayInFrontOfTheFace)
{
    for (int s = 0; s < Shipped().SignCount; ++s) {
        for (const LipFrame& f : Shipped()[s].Frames) {
            SCOPED_TRACE(s);
            for (int base : {LipFrame::kUpperCurve, LipFrame::kLowerCurve}) {
                const float s1 = f[base + 4], s2 = f[base + 7];
                EXPECT_GT(s1, 0.0f);
                EXPECT_LT(s1, s2);
                for (int depth : {0, 3, 6})
                    EXPECT_GE(f[base + depth], 0.0f);
            }
            EXPECT_GE(f[3], f[16]) << "upper lip centre below the lower one";
            EXPECT_GT(f.velocityRate(), 0.0f);
        }
    }
}

TEST(ShippedTable, DrawnUpperLipNeverCrossesTheLowerOne)
{
    // The renderer samples each edge along its own width; compare the two
    // edges at the same lateral positions, on the narrower lip's samples.
    for (int s = 0; s < Shipped().SignCount; ++s) {
        for (const LipFrame& f : Shipped()[s].Frames) {
            const lip::LipEdge upper = lip::SampleLipEdge(f.upperCurve());
            const lip::LipEdge lower = lip::SampleLipEdge(f.lowerCurve());
            for (int j = lip::kEdgeCentre; j < lip::kEdgePoints; ++j) {
                EXPECT_GE(upper[j].z, lower[j].z - 1e-5f) << "sign " << s << " point " << j;
                EXPECT_GE(upper[j].x, -1e-5f) << "sign " << s;
                EXPECT_GE(lower[j].x, -1e-5f) << "sign " << s;
            }
        }
    }
}

TEST(ShippedTable, VowelsDifferAsTheMouthDoes)
{
    // Measured jaw opening, largest first; the lips open in the same order.
    const int bySize[] = {A, E, O, I, U};
    for (size_t k = 1; k < std::size(bySize); ++k) {
        const LipFrame& larger = Last(bySize[k - 1]);
        const LipFrame& smaller = Last(bySize[k]);
        EXPECT_GT(Opening(larger), Opening(smaller)) << bySize[k - 1] << " vs " << bySize[k];
        EXPECT_GT(JawAngle(larger), JawAngle(smaller)) << bySize[k - 1] << " vs " << bySize[k];
    }
    // Width: i and e spread, o and u narrow.
    for (int spread : {I, E})
        for (int narrow : {A, O, U})
            EXPECT_GT(Width(Last(spread)), Width(Last(narrow))) << spread << " vs " << narrow;
    EXPECT_GT(Width(Last(A)), Width(Last(O)));
    EXPECT_GT(Width(Last(A)), Width(Last(U)));
    // Only o is rounded forward.
    for (int flat : {A, I, U, E})
        EXPECT_GT(Protrusion(Last(O)), Protrusion(Last(flat))) << flat;
}

TEST(ShippedTable, UAndTheOnsetOfWaAreCompressedNotPouted)
{
    for (const LipFrame* f : {&Last(U), &Shipped()[26].Frames.front()}) {
        for (int base : {LipFrame::kUpperCurve, LipFrame::kLowerCurve}) {
            EXPECT_LE((*f)[base], 0.2f) << "centre";
            EXPECT_LE((*f)[base + 6], 0.1f) << "corner";
        }
        EXPECT_LT(Width(*f), Width(Last(A)));
    }
}

TEST(ShippedTable, GeminatesHoldANearlyShutMouthAtTheVowelsWidth)
{
    for (int v = 0; v < 5; ++v) {
        const auto& sign = Shipped()[27 + v];
        SCOPED_TRACE(27 + v);
        float total = 0;
        for (const LipFrame& f : sign.Frames) {
            // Before k, s and t the lips stay apart; a closure would teach m, b, p.
            EXPECT_GE(Opening(f), 0.1f);
            EXPECT_LE(Opening(f), 0.3f);
            EXPECT_LT(JawAngle(f), JawAngle(Last(U)));
            EXPECT_EQ(Width(f), Width(Last(1 + v)));
            total += f.velocityRate();
        }
        EXPECT_GE(total, 0.6f);
        EXPECT_LE(total, 0.7f);
    }
}

TEST(ShippedTable, SyllabicNIsAThirdOpenNeverShut)
{
    for (int v = 0; v < 5; ++v) {
        SCOPED_TRACE(6 + v);
        for (const LipFrame& f : Shipped()[6 + v].Frames) {
            EXPECT_GE(Opening(f), 0.1f);
            EXPECT_NEAR(Opening(f), Opening(Last(1 + v)) / 3, 0.05f);
        }
    }
}

TEST(ShippedTable, BilabialsCloseBeforeTheVowelAndEndOnIt)
{
    for (int v = 0; v < 5; ++v) {
        const auto& sign = Shipped()[11 + v];
        SCOPED_TRACE(11 + v);
        ASSERT_GE(sign.FrameCount(), 2);
        EXPECT_LE(Opening(sign.Frames.front()), 0.05f);
        // The release reaches the vowel's own shape (only its duration differs).
        const LipFrame& release = sign.Frames.back();
        const LipFrame& vowel = Last(1 + v);
        for (int i = 1; i < LipFrame::kValues; ++i)
            EXPECT_EQ(release[i], vowel[i]) << "value " << i;
    }
}

TEST(ShippedTable, SyllablesLastAboutOneMora)
{
    // One mora is about one frame at velocity rate 1; a syllable's frames add
    // up to between 0.8 and 1.3 of that. Geminates have their own, shorter hold.
    for (int s = 1; s < 27; ++s) {
        float total = 0;
        for (const LipFrame& f : Shipped()[s].Frames)
            total += f.velocityRate();
        EXPECT_GE(total, 0.8f) << s;
        EXPECT_LE(total, 1.3f) << s;
    }
}

}  // namespace
