#include "LipGeometry.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace lip {

namespace {

bool Finite(double v) { return std::isfinite(v); }

float FiniteOrZero(float v) { return std::isfinite(v) ? v : 0.0f; }

}  // namespace

void EvaluateLipCubic(float xEnd, float yEnd, float xMid, float yMid, float yCentre, float* values,
                      int n)
{
    const double xE = xEnd, yE = yEnd, xM = xMid, yM = yMid, yC = yCentre;
    if (n < 1) {
        values[0] = yCentre;
        return;
    }

    // f(x) = yC + x^2 (a + k x), the same cubic as yC + k x^2 (x + m) with
    // a = k m, but written so that k = 0 with a middle point off the centre
    // height still gives the parabola through all three points.
    auto single = [](double v) {
        const float f = static_cast<float>(v);
        return std::isfinite(f) ? std::optional<float>(f) : std::nullopt;
    };
    const double denominator = (xE - xM) * xE * xE * xM * xM;
    std::optional<float> k;
    if (denominator != 0)
        k = single(-((yM - yC) * xE * xE + (yC - yE) * xM * xM) / denominator);
    if (!k && xE != 0) {
        // No usable cubic through the middle point: keep the ends and the flat
        // start, and make the end flat too (the smooth step 3t^2 - 2t^3).
        k = single(-2.0 * (yE - yC) / (xE * xE * xE));
    }
    const double a = (k && xE != 0) ? (yE - yC) / (xE * xE) - double(*k) * xE : 0.0;
    const double kk = k.value_or(0.0f);
    const double step = static_cast<float>(xE / n);

    bool allFinite = Finite(a);
    for (int i = 0; i <= n && allFinite; ++i) {
        const double x = i * step;
        values[i] = static_cast<float>(yC + x * x * (a + kk * x));
        allFinite = std::isfinite(values[i]);
    }
    if (!allFinite) {
        for (int i = 0; i <= n; ++i)
            values[i] = yCentre;
    }
}

LipEdge SampleLipEdge(const float* curveValues)
{
    float c[curve::kValues];
    for (int i = 0; i < curve::kValues; ++i)
        c[i] = FiniteOrZero(curveValues[i]);

    const float s1 = c[curve::kMiddleLateral];
    const float s2 = c[curve::kCornerLateral];
    const float step = static_cast<float>(static_cast<double>(s2) / kEdgeSteps);

    float heights[kEdgeSteps + 1];
    float depths[kEdgeSteps + 1];
    EvaluateLipCubic(s2, c[curve::kCornerHeight], s1, c[curve::kMiddleHeight],
                     c[curve::kCentreHeight], heights, kEdgeSteps);
    EvaluateLipCubic(s2, c[curve::kCornerDepth], s1, c[curve::kMiddleDepth], c[curve::kCentreDepth],
                     depths, kEdgeSteps);

    LipEdge edge;
    edge[kEdgeCentre] = {depths[0], 0.0f, heights[0]};
    for (int j = 1; j <= kEdgeSteps; ++j) {
        const float lateral = static_cast<float>(j * static_cast<double>(step));
        edge[kEdgeCentre - j] = {depths[j], -lateral, heights[j]};
        edge[kEdgeCentre + j] = {depths[j], lateral, heights[j]};
    }
    return edge;
}

LipProfile BulgeProfile()
{
    LipProfile p;
    EvaluateLipCubic(1.0f, 0.0f, 0.5f, 0.5f, 1.0f, p.data(), kEdgeSteps);
    return p;
}

LipProfile ThicknessProfile()
{
    LipProfile p;
    EvaluateLipCubic(1.0f, 0.3f, 0.5f, 0.7f, 1.0f, p.data(), kEdgeSteps);
    return p;
}

LipProfiles ComputeProfiles() { return {BulgeProfile(), ThicknessProfile()}; }

bool EdgeBisector(const Point3& next, const Point3& previous, const Point3& point, Direction2* out)
{
    const double uy = double(next.y) - point.y, uz = double(next.z) - point.z;
    const double vy = double(previous.y) - point.y, vz = double(previous.z) - point.z;
    const double uLength = std::hypot(uy, uz);
    const double vLength = std::hypot(vy, vz);
    if (uLength == 0 || vLength == 0)
        return false;
    const double sy = uy / uLength + vy / vLength;
    const double sz = uz / uLength + vz / vLength;
    const double sLength = std::hypot(sy, sz);
    if (sLength == 0 || !Finite(sLength))
        return false;
    *out = {static_cast<float>(sy / sLength), static_cast<float>(sz / sLength)};
    return true;
}

LipBand BuildLipBand(const LipEdge& edge, LipSide side, const LipProfiles& profiles)
{
    const double sigma = static_cast<int>(side);
    constexpr double kCrestShare = 0.7;
    constexpr double kUpperNotch = 0.2;

    // Outward directions of the left half and the centre; the right half mirrors them.
    std::array<Direction2, kEdgeSteps + 1> outward;
    outward[0] = {0.0f, static_cast<float>(sigma)};
    for (int j = 1; j <= kEdgeSteps; ++j) {
        Direction2 b;
        if (!EdgeBisector(edge[j + 1], edge[j - 1], edge[j], &b)) {
            outward[j] = {0.0f, static_cast<float>(sigma)};
            continue;
        }
        if (b.z < 0)
            b = {-b.y, -b.z};
        outward[j] = {static_cast<float>(sigma * b.y), static_cast<float>(sigma * b.z)};
    }

    LipBand band;
    Point3* inner = &band[0];
    Point3* crest = &band[kEdgePoints];
    Point3* outer = &band[2 * kEdgePoints];
    for (int j = 0; j < kEdgePoints; ++j)
        inner[j] = edge[j];

    const LipProfile& bulge = profiles.bulge;
    const LipProfile& thickness = profiles.thickness;
    for (int j = 0; j < kEdgeCentre; ++j) {
        const int p = kEdgeCentre - j;
        const Point3& e = edge[j];
        const Direction2& n = outward[j];
        const double t = thickness[p];
        crest[j] = {static_cast<float>(double(e.x) + bulge[p]),
                    static_cast<float>(e.y + kCrestShare * t * n.y),
                    static_cast<float>(e.z + kCrestShare * t * n.z)};
        outer[j] = {crest[j].x, static_cast<float>(e.y + t * n.y), static_cast<float>(e.z + t * n.z)};

        const int mirror = kEdgePoints - 1 - j;
        crest[mirror] = {static_cast<float>(double(edge[mirror].x) + bulge[p]), -crest[j].y, crest[j].z};
        outer[mirror] = {crest[j].x, -outer[j].y, outer[j].z};
    }

    const Point3& e = edge[kEdgeCentre];
    const double t = thickness[0];
    const double nz = outward[kEdgeCentre].z;
    crest[kEdgeCentre] = {static_cast<float>(double(e.x) + bulge[0]), 0.0f,
                          static_cast<float>(e.z + kCrestShare * t * nz)};
    const double notch = (side == LipSide::Upper) ? kUpperNotch : 0.0;
    outer[kEdgeCentre] = {crest[kEdgeCentre].x, 0.0f, static_cast<float>(e.z + t * nz - notch)};
    return band;
}

Point3 QuadNormal(const Point3& a, const Point3& b, const Point3& c)
{
    const double ax = double(a.x) - c.x, ay = double(a.y) - c.y, az = double(a.z) - c.z;
    const double bx = double(b.x) - c.x, by = double(b.y) - c.y, bz = double(b.z) - c.z;
    const double nx = ay * bz - az * by;
    const double ny = az * bx - ax * bz;
    const double nz = ax * by - ay * bx;
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length == 0 || !Finite(length))
        return {1.0f, 0.0f, 0.0f};
    return {static_cast<float>(nx / length), static_cast<float>(ny / length),
            static_cast<float>(nz / length)};
}

namespace {

void BuildLipQuads(const LipBand& band, float normalSign, std::array<LitQuad, kLipQuads>& quads)
{
    auto signed_ = [normalSign](Point3 n) { return Point3{normalSign * n.x, normalSign * n.y, normalSign * n.z}; };
    constexpr int row = kEdgePoints;
    for (int k = 0; k < kEdgePoints - 1; ++k) {
        LitQuad& a = quads[2 * k];
        a.normal = signed_(QuadNormal(band[k + 1], band[k + row], band[k]));
        a.v = {band[k], band[k + 1], band[k + row + 1], band[k + row]};
        LitQuad& b = quads[2 * k + 1];
        b.normal = signed_(QuadNormal(band[k + row + 1], band[k + 2 * row], band[k + row]));
        b.v = {band[k + row], band[k + row + 1], band[k + 2 * row + 1], band[k + 2 * row]};
    }
}

Point3 FacePoint(float lateral, float height) { return {0.0f, lateral, height}; }

FacePrimitive Polygon(Point3 a, Point3 b, Point3 c)
{
    FacePrimitive p;
    p.kind = PrimitiveKind::Polygon;
    p.count = 3;
    p.v[0] = a;
    p.v[1] = b;
    p.v[2] = c;
    return p;
}

// A fan from `hub` along one half of an outer edge, from column `first` to `first + 7`.
FacePrimitive Fan(Point3 hub, const Point3* outerRow, int first)
{
    FacePrimitive p;
    p.kind = PrimitiveKind::TriangleFan;
    p.count = 1 + kEdgeSteps + 1;
    p.v[0] = hub;
    for (int i = 0; i <= kEdgeSteps; ++i)
        p.v[1 + i] = outerRow[first + i];
    return p;
}

}  // namespace

MouthGeometry BuildMouth(const LipEdge& upper, const LipEdge& lower, const LipProfiles& profiles)
{
    MouthGeometry g;
    g.lowerBand = BuildLipBand(lower, LipSide::Lower, profiles);
    g.upperBand = BuildLipBand(upper, LipSide::Upper, profiles);
    BuildLipQuads(g.lowerBand, -1.0f, g.lowerQuads);
    BuildLipQuads(g.upperBand, 1.0f, g.upperQuads);

    const Point3* u3 = &g.upperBand[2 * kEdgePoints];
    const Point3* l3 = &g.lowerBand[2 * kEdgePoints];
    constexpr float s = kFaceHalfSide;
    constexpr int last = kEdgePoints - 1;
    const Point3 topLeft = FacePoint(-s, s), topRight = FacePoint(s, s);
    const Point3 bottomLeft = FacePoint(-s, -s), bottomRight = FacePoint(s, -s);
    const Point3 midLeft = FacePoint(-s, 0), midRight = FacePoint(s, 0);
    g.face = {
        Polygon(topLeft, midLeft, u3[0]),
        Polygon(topLeft, topRight, u3[kEdgeCentre]),
        Polygon(topRight, midRight, u3[last]),
        Fan(topLeft, u3, 0),
        Fan(topRight, u3, kEdgeCentre),
        Polygon(bottomLeft, midLeft, l3[0]),
        Polygon(midLeft, l3[0], u3[0]),
        Polygon(bottomLeft, bottomRight, l3[kEdgeCentre]),
        Polygon(bottomRight, midRight, l3[last]),
        Polygon(midRight, u3[last], l3[last]),
        Fan(bottomLeft, l3, 0),
        Fan(bottomRight, l3, kEdgeCentre),
    };
    return g;
}

namespace {

// Biting edges on the positive lateral side, in pairs of tooth corners.
constexpr Point3 kUpperTeeth[] = {
    {7.0f, 0.01f, 0.0f},   {6.7f, 0.7f, 0.0f},   {6.68f, 0.72f, 0.05f},
    {6.5f, 1.5f, 0.05f},   {6.48f, 1.52f, 0.05f}, {6.2f, 2.0f, 0.05f},
};
constexpr Point3 kLowerTeeth[] = {
    {7.0f, 0.01f, 0.0f},    {6.9f, 1.0f, 0.0f},    {6.88f, 1.02f, -0.05f}, {6.7f, 1.4f, -0.05f},
    {6.68f, 1.42f, -0.05f}, {6.5f, 1.77f, -0.05f}, {6.48f, 1.79f, -0.1f},  {6.2f, 2.0f, -0.1f},
};
constexpr float kToothHeight = 2.0f;

// Translation to the pivot, then a turn about the lateral axis by `degrees`,
// with the right-hand rule, as glRotate would build it.
std::array<float, 16> JawMatrix(float degrees)
{
    double radians = 0;
    if (std::isfinite(degrees))
        radians = std::fmod(static_cast<double>(degrees), 360.0) * (std::numbers::pi / 180.0);
    const float c = static_cast<float>(std::cos(radians));
    const float s = static_cast<float>(std::sin(radians));
    return {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, kJawPivotDepth, 0, 0, 1};
}

template <size_t N>
TeethRow BuildTeeth(const Point3 (&edges)[N], float rise, float jawDegrees)
{
    TeethRow row;
    row.jaw = JawMatrix(jawDegrees);
    for (size_t i = 0; i + 1 < N; i += 2) {
        const Point3 a = edges[i], b = edges[i + 1];
        const Point3 bTop{b.x, b.y, b.z + rise}, aTop{a.x, a.y, a.z + rise};
        row.quads[row.quadCount++] = {a, b, bTop, aTop};
        auto mirror = [](Point3 p) { return Point3{p.x, -p.y, p.z}; };
        row.quads[row.quadCount++] = {mirror(a), mirror(b), mirror(bTop), mirror(aTop)};
    }
    return row;
}

}  // namespace

TeethRow BuildUpperTeeth(float upperAngleDegrees)
{
    return BuildTeeth(kUpperTeeth, kToothHeight, -upperAngleDegrees);
}

TeethRow BuildLowerTeeth(float lowerAngleDegrees)
{
    return BuildTeeth(kLowerTeeth, -kToothHeight, lowerAngleDegrees);
}

Point3 ApplyJaw(const std::array<float, 16>& m, const Point3& p)
{
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

}  // namespace lip
