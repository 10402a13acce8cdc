// Edge sampling and the lip, face and teeth geometry, checked without GL.
#include "LipGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace lip;

namespace {

std::array<float, 9> Curve(float d0, float h0, float d1, float s1, float h1, float d2, float s2, float h2)
{
    return {d0, 0, h0, d1, s1, h1, d2, s2, h2};
}

// The shape the program starts with: both lips a flat line 3 wide on each side.
const std::array<float, 9> kFlat = Curve(0, 0, 0, 2, 0, 0, 3, 0);

struct CubicCase {
    const char* name;
    float xEnd, yEnd, xMid, yMid, yCentre;
    double k, m;  // the cubic yCentre + k x^2 (x + m) the values must follow
};

class CubicExamples : public testing::TestWithParam<CubicCase> {};

TEST_P(CubicExamples, ValuesFollowTheCubicThroughAllThreePoints)
{
    const CubicCase& c = GetParam();
    float v[8];
    EvaluateLipCubic(c.xEnd, c.yEnd, c.xMid, c.yMid, c.yCentre, v, 7);
    EXPECT_EQ(v[0], c.yCentre);
    const double step = static_cast<float>(c.xEnd / 7.0);
    for (int i = 0; i <= 7; ++i) {
        const double x = i * step;
        EXPECT_NEAR(v[i], c.yCentre + c.k * x * x * (x + c.m), 2e-6) << "i=" << i;
    }
    EXPECT_NEAR(v[7], c.yEnd, 2e-6);
}

INSTANTIATE_TEST_SUITE_P(
    LipCubic, CubicExamples,
    testing::Values(CubicCase{"bulge", 1, 0, 0.5f, 0.5f, 1, 2, -1.5},
                    CubicCase{"thickness", 1, 0.3f, 0.5f, 0.7f, 1, 1, -1.7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LipCubic, SampleAtTheMiddlePointIsTheMiddleValue)
{
    float v[8];
    EvaluateLipCubic(7, 1, 2, -0.5f, 0.5f, v, 7);
    EXPECT_EQ(v[0], 0.5f);
    EXPECT_NEAR(v[2], -0.5f, 2e-6);
    EXPECT_NEAR(v[7], 1.0f, 2e-6);
}

TEST(LipCubic, PointsOnAParabolaGiveThatParabola)
{
    float v[8];
    EvaluateLipCubic(7, 4.9f, 2, 0.4f, 0, v, 7);
    for (int i = 0; i <= 7; ++i)
        EXPECT_NEAR(v[i], 0.1 * i * i, 2e-6) << i;
}

TEST(LipCubic, EqualHeightsGiveExactlyTheConstant)
{
    float v[8];
    EvaluateLipCubic(3, 0.25f, 2, 0.25f, 0.25f, v, 7);
    for (float value : v)
        EXPECT_EQ(value, 0.25f);
}

struct DegenerateCase {
    const char* name;
    float xEnd, xMid;
};

class DegenerateCubic : public testing::TestWithParam<DegenerateCase> {};

TEST_P(DegenerateCubic, StaysFiniteAndKeepsBothEnds)
{
    const DegenerateCase& c = GetParam();
    float v[8];
    EvaluateLipCubic(c.xEnd, -1.0f, c.xMid, 5.0f, 2.0f, v, 7);
    for (float value : v)
        EXPECT_TRUE(std::isfinite(value));
    EXPECT_EQ(v[0], 2.0f);
    if (c.xEnd == 0) {
        for (float value : v)
            EXPECT_EQ(value, 2.0f);
        return;
    }
    // Without a usable middle point the curve falls smoothly from centre to corner.
    EXPECT_NEAR(v[7], -1.0f, 1e-5);
    for (int i = 1; i <= 7; ++i)
        EXPECT_LE(v[i], v[i - 1]);
}

INSTANTIATE_TEST_SUITE_P(LipCubic, DegenerateCubic,
                         testing::Values(DegenerateCase{"middleAtCentre", 3, 0},
                                         DegenerateCase{"middleAtCorner", 3, 3},
                                         DegenerateCase{"noWidth", 0, 2},
                                         DegenerateCase{"allZero", 0, 0},
                                         DegenerateCase{"middleAlmostAtCentre", 3, 1e-30f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SampleLipEdge, CentreCornersAndMirror)
{
    const auto c = Curve(0.5f, 1.0f, 0.3f, 1.2f, 0.8f, -0.4f, 2.8f, 0.1f);
    const LipEdge e = SampleLipEdge(c.data());
    EXPECT_EQ(e[7], (Point3{0.5f, 0.0f, 1.0f}));
    const float step = 2.8f / 7;
    EXPECT_NEAR(e[14].x, -0.4f, 1e-6);
    EXPECT_NEAR(e[14].y, 2.8f, 1e-6);
    EXPECT_NEAR(e[14].z, 0.1f, 1e-6);
    for (int j = 1; j <= 7; ++j) {
        EXPECT_EQ(e[7 + j].y, static_cast<float>(j * double(step)));
        EXPECT_EQ(e[7 - j], (Point3{e[7 + j].x, -e[7 + j].y, e[7 + j].z})) << "j=" << j;
    }
}

TEST(SampleLipEdge, CentreLateralValueIsIgnored)
{
    auto a = Curve(0.2f, 0.4f, 0.1f, 1, 0.3f, 0, 2, 0);
    auto b = a;
    b[1] = 5.0f;
    EXPECT_EQ(SampleLipEdge(a.data()), SampleLipEdge(b.data()));
}

TEST(SampleLipEdge, NonFiniteControlValuesCountAsZero)
{
    auto c = Curve(NAN, INFINITY, 0, 2, 0.5f, 0, 3, -INFINITY);
    const LipEdge e = SampleLipEdge(c.data());
    auto clean = Curve(0, 0, 0, 2, 0.5f, 0, 3, 0);
    EXPECT_EQ(e, SampleLipEdge(clean.data()));
}

TEST(Profiles, MatchTheirCubicsAtCentreAndCorner)
{
    const LipProfiles p = ComputeProfiles();
    EXPECT_EQ(p.bulge[0], 1.0f);
    EXPECT_EQ(p.thickness[0], 1.0f);
    EXPECT_NEAR(p.bulge[7], 0.0f, 1e-6);
    EXPECT_NEAR(p.thickness[7], 0.3f, 1e-6);
    const double x = 3.0 / 7;
    EXPECT_NEAR(p.bulge[3], 1 - 3 * x * x + 2 * x * x * x, 1e-6);
    EXPECT_NEAR(p.thickness[3], 1 - 1.7 * x * x + x * x * x, 1e-6);
}

class FlatBand : public testing::TestWithParam<LipSide> {};

TEST_P(FlatBand, RisesOrFallsStraightByTheThickness)
{
    const LipSide side = GetParam();
    const float sigma = static_cast<float>(static_cast<int>(side));
    const LipEdge e = SampleLipEdge(Curve(0.1f, 0.2f, 0.1f, 2, 0.2f, 0.1f, 3, 0.2f).data());
    const LipProfiles p = ComputeProfiles();
    const LipBand b = BuildLipBand(e, side, p);
    for (int j = 0; j < 15; ++j) {
        const int dist = std::abs(j - 7);
        const Point3 inner = b[j], crest = b[15 + j], outer = b[30 + j];
        EXPECT_EQ(inner, e[j]);
        EXPECT_NEAR(crest.x, 0.1f + p.bulge[dist], 1e-6) << j;
        EXPECT_NEAR(crest.y, e[j].y, 1e-6) << j;
        EXPECT_NEAR(crest.z, 0.2f + sigma * 0.7f * p.thickness[dist], 1e-6) << j;
        EXPECT_EQ(outer.x, crest.x) << j;
        EXPECT_NEAR(outer.y, e[j].y, 1e-6) << j;
        const float notch = (side == LipSide::Upper && j == 7) ? 0.2f : 0.0f;
        EXPECT_NEAR(outer.z, 0.2f + sigma * p.thickness[dist] - notch, 1e-6) << j;
    }
    // The corners get no bulge: crest and outer edge 0.21 and 0.3 out at the edge's own depth.
    for (int j : {0, 14}) {
        EXPECT_NEAR(b[15 + j].x, 0.1f, 1e-6);
        EXPECT_NEAR(b[15 + j].z - 0.2f, sigma * 0.21f, 1e-6);
        EXPECT_NEAR(b[30 + j].z - 0.2f, sigma * 0.3f, 1e-6);
    }
    // The centre of the outer edge: 0.8 above on the upper lip (the notch), 1.0 below on the lower.
    EXPECT_NEAR(b[37].z - b[7].z, side == LipSide::Upper ? 0.8f : -1.0f, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(LipBand, FlatBand, testing::Values(LipSide::Upper, LipSide::Lower),
                         [](const auto& info) { return info.param == LipSide::Upper ? "upper" : "lower"; });

TEST(EdgeBisector, UnitBisectorOrNone)
{
    Direction2 d;
    ASSERT_TRUE(EdgeBisector({0, 1, 1}, {0, -1, 1}, {5, 0, 0}, &d));
    EXPECT_NEAR(d.y, 0, 1e-7);
    EXPECT_NEAR(d.z, 1, 1e-7);
    ASSERT_TRUE(EdgeBisector({0, 2, 0}, {0, 0, 3}, {0, 0, 0}, &d));
    EXPECT_NEAR(d.y, std::sqrt(0.5), 1e-7);
    EXPECT_NEAR(d.z, std::sqrt(0.5), 1e-7);
    EXPECT_FALSE(EdgeBisector({0, 1, 0}, {0, -1, 0}, {0, 0, 0}, &d)) << "collinear";
    EXPECT_FALSE(EdgeBisector({0, 0, 0}, {0, -1, 0}, {1, 0, 0}, &d)) << "next on the point";
    EXPECT_FALSE(EdgeBisector({0, 1, 0}, {3, 0, 0}, {0, 0, 0}, &d)) << "previous on the point";
}

// On a curved edge the band grows away from the mouth opening: upwards for the
// upper lip, downwards for the lower, tilted by the edge's slope.
struct CurvedCase {
    const char* name;
    float cornerHeight;  // centre at 0: above 0 a smile, below a frown
    LipSide side;
};

class CurvedBand : public testing::TestWithParam<CurvedCase> {};

TEST_P(CurvedBand, GrowsAwayFromTheOpening)
{
    const CurvedCase& c = GetParam();
    const float sigma = static_cast<float>(static_cast<int>(c.side));
    const LipEdge e = SampleLipEdge(Curve(0, 0, 0, 1.5f, c.cornerHeight / 4, 0, 3, c.cornerHeight).data());
    const LipBand b = BuildLipBand(e, c.side, ComputeProfiles());
    for (int j = 1; j < 14; ++j) {
        const float dz = b[30 + j].z - e[j].z;
        const float dy = b[30 + j].y - e[j].y;
        EXPECT_GT(sigma * dz, 0) << j;
        if (j == 7)
            continue;
        // The upward normal of a smile leans towards the centre line, of a frown away from it.
        const float towardsCentre = (j < 7) ? dy : -dy;
        const float expectedLean = sigma * c.cornerHeight;
        EXPECT_GT(towardsCentre * expectedLean, 0) << j;
    }
}

INSTANTIATE_TEST_SUITE_P(LipBand, CurvedBand,
                         testing::Values(CurvedCase{"upperSmile", 0.8f, LipSide::Upper},
                                         CurvedCase{"upperFrown", -0.8f, LipSide::Upper},
                                         CurvedCase{"lowerSmile", 0.8f, LipSide::Lower},
                                         CurvedCase{"lowerFrown", -0.8f, LipSide::Lower}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QuadNormal, RightHandedUnitNormalWithFallback)
{
    const Point3 n = QuadNormal({0, 2, 0}, {0, 0, 3}, {0, 0, 0});
    EXPECT_EQ(n, (Point3{1, 0, 0}));
    const Point3 m = QuadNormal({0, 0, 3}, {0, 2, 0}, {0, 0, 0});
    EXPECT_EQ(m, (Point3{-1, 0, 0}));
    const Point3 t = QuadNormal({1, 1, 0}, {0, 1, 1}, {0, 0, 0});
    EXPECT_NEAR(std::hypot(t.x, t.y, t.z), 1.0, 1e-6);
    EXPECT_NEAR(t.x, 1 / std::sqrt(3.0), 1e-6);
    EXPECT_NEAR(t.y, -1 / std::sqrt(3.0), 1e-6);
    EXPECT_NEAR(t.z, 1 / std::sqrt(3.0), 1e-6);
    EXPECT_EQ(QuadNormal({0, 1, 1}, {0, 2, 2}, {0, 0, 0}), (Point3{1, 0, 0})) << "collinear";
}

TEST(Mouth, LipQuadsFaceTheViewerAndTheOpening)
{
    const LipEdge e = SampleLipEdge(kFlat.data());
    const MouthGeometry g = BuildMouth(e, e, ComputeProfiles());
    for (int k = 0; k < kLipQuads; ++k) {
        EXPECT_GT(g.upperQuads[k].normal.x, 0) << k;
        EXPECT_GT(g.lowerQuads[k].normal.x, 0) << k;
    }
    // The inner quads, from the edge to the crest, look into the mouth.
    for (int k = 0; k < kLipQuads; k += 2) {
        EXPECT_LT(g.upperQuads[k].normal.z, 0) << k;
        EXPECT_GT(g.lowerQuads[k].normal.z, 0) << k;
    }
    EXPECT_EQ(g.upperQuads[0].v[0], g.upperBand[0]);
    EXPECT_EQ(g.upperQuads[27].v[2], g.upperBand[44]);
}

// Area of a primitive in the face plane (lateral, height), as triangles.
double FrontalArea(const FacePrimitive& p)
{
    double area = 0;
    for (int i = 1; i + 1 < p.count; ++i) {
        const Point3 a = p.v[0], b = p.v[i], c = p.v[i + 1];
        area += std::abs((double(b.y) - a.y) * (double(c.z) - a.z) - (double(c.y) - a.y) * (double(b.z) - a.z)) / 2;
    }
    return area;
}

class FacePlane : public testing::TestWithParam<std::array<float, 9>> {};

TEST_P(FacePlane, CoversTheSquareExceptTheMouth)
{
    const auto upperCurve = GetParam();
    auto lowerCurve = upperCurve;
    for (int i : {2, 5, 8})
        lowerCurve[i] = -upperCurve[i];
    const MouthGeometry g =
        BuildMouth(SampleLipEdge(upperCurve.data()), SampleLipEdge(lowerCurve.data()), ComputeProfiles());

    double pieces = 0;
    int fans = 0;
    for (const FacePrimitive& p : g.face) {
        pieces += FrontalArea(p);
        fans += p.kind == PrimitiveKind::TriangleFan;
        EXPECT_EQ(p.count, p.kind == PrimitiveKind::TriangleFan ? 9 : 3);
    }
    EXPECT_EQ(fans, 4);

    // The opening: the upper outer edge left to right, then the lower one back.
    double opening = 0;
    std::vector<Point3> outline;
    for (int j = 0; j < 15; ++j)
        outline.push_back(g.upperBand[30 + j]);
    for (int j = 14; j >= 0; --j)
        outline.push_back(g.lowerBand[30 + j]);
    for (size_t i = 0; i < outline.size(); ++i) {
        const Point3 a = outline[i], b = outline[(i + 1) % outline.size()];
        opening += (double(a.y) * b.z - double(b.y) * a.z) / 2;
    }
    EXPECT_NEAR(pieces + std::abs(opening), 400.0, 1e-3);

    // Every outer-edge point is a corner of some piece, so the plane meets the lips all round.
    for (int j = 0; j < 15; ++j) {
        for (const LipBand* band : {&g.upperBand, &g.lowerBand}) {
            bool found = false;
            for (const FacePrimitive& p : g.face)
                for (int i = 0; i < p.count; ++i)
                    found = found || p.v[i] == (*band)[30 + j];
            EXPECT_TRUE(found) << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Mouth, FacePlane,
                         testing::Values(kFlat, Curve(0.2f, 1.0f, 0.1f, 2.0f, 0.8f, 0, 3.5f, 0.1f),
                                         Curve(0, 0.3f, 0.3f, 1.0f, 0.4f, -0.2f, 2.5f, 0.6f)));

double Rad(double degrees) { return degrees * std::numbers::pi / 180; }

// Turns p about the lateral axis by `degrees` (right-hand rule) and moves it to the jaw pivot.
Point3 ExpectedJaw(const Point3& p, double degrees)
{
    const double c = std::cos(Rad(degrees)), s = std::sin(Rad(degrees));
    return {static_cast<float>(c * p.x + s * p.z - 7.2), p.y, static_cast<float>(-s * p.x + c * p.z)};
}

TEST(Teeth, RowsMeetBehindTheFacePlaneAtRest)
{
    const TeethRow upper = BuildUpperTeeth(0), lower = BuildLowerTeeth(0);
    ASSERT_EQ(upper.quadCount, 6);
    ASSERT_EQ(lower.quadCount, 8);
    for (const TeethRow* row : {&upper, &lower}) {
        const Point3 front = ApplyJaw(row->jaw, row->quads[0][0]);
        EXPECT_NEAR(front.x, -0.2f, 1e-6);
        EXPECT_NEAR(front.y, 0.01f, 1e-7);
        EXPECT_EQ(front.z, 0.0f);
        const Point3 mirrored = ApplyJaw(row->jaw, row->quads[1][0]);
        EXPECT_NEAR(mirrored.y, -0.01f, 1e-7);
    }
    // Upper teeth reach up from their edge, lower teeth down.
    for (int q = 0; q < upper.quadCount; ++q)
        EXPECT_NEAR(upper.quads[q][3].z - upper.quads[q][0].z, 2.0f, 1e-6);
    for (int q = 0; q < lower.quadCount; ++q)
        EXPECT_NEAR(lower.quads[q][3].z - lower.quads[q][0].z, -2.0f, 1e-6);
}

class OpenJaw : public testing::TestWithParam<float> {};

TEST_P(OpenJaw, PositiveAnglesMoveTheRowsApart)
{
    const float angle = GetParam();
    const TeethRow upper0 = BuildUpperTeeth(0), upper = BuildUpperTeeth(angle);
    const TeethRow lower0 = BuildLowerTeeth(0), lower = BuildLowerTeeth(angle);
    for (int q = 0; q < upper.quadCount; ++q) {
        for (int i = 0; i < 4; ++i) {
            const Point3 p = ApplyJaw(upper.jaw, upper.quads[q][i]);
            EXPECT_GT(p.z, ApplyJaw(upper0.jaw, upper0.quads[q][i]).z);
            const Point3 want = ExpectedJaw(upper.quads[q][i], -angle);
            EXPECT_NEAR(p.x, want.x, 1e-5);
            EXPECT_NEAR(p.z, want.z, 1e-5);
        }
    }
    for (int q = 0; q < lower.quadCount; ++q) {
        for (int i = 0; i < 4; ++i) {
            const Point3 p = ApplyJaw(lower.jaw, lower.quads[q][i]);
            EXPECT_LT(p.z, ApplyJaw(lower0.jaw, lower0.quads[q][i]).z);
            const Point3 want = ExpectedJaw(lower.quads[q][i], angle);
            EXPECT_NEAR(p.x, want.x, 1e-5);
            EXPECT_NEAR(p.z, want.z, 1e-5);
            EXPECT_EQ(p.y, lower.quads[q][i].y);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Teeth, OpenJaw, testing::Values(1.0f, 10.0f, 30.0f, 60.0f));

TEST(Teeth, NonFiniteAngleLeavesTheRowAtRest)
{
    EXPECT_EQ(BuildLowerTeeth(NAN).jaw, BuildLowerTeeth(0).jaw);
    EXPECT_EQ(BuildUpperTeeth(INFINITY).jaw, BuildUpperTeeth(0).jaw);
}

}  // namespace
