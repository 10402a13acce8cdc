// Geometry of one mouth shape: lip edges sampled from control curves, the lip
// bands grown from them, the face plane around the mouth and the two rows of
// front teeth. Everything here is a pure function into plain records; the GL
// layer only issues what these records hold.
//
// Model space: x is depth (towards the viewer, the face plane is x = 0), y is
// lateral (0 on the mouth's centre line), z is height (up).
#pragma once

#include <array>
#include <cstdint>

namespace lip {

struct Point3 {
    float x = 0;  // depth
    float y = 0;  // lateral
    float z = 0;  // height

    friend bool operator==(const Point3&, const Point3&) = default;
};

// Samples a side of a lip edge is divided into; an edge has 2n+1 points.
constexpr int kEdgeSteps = 7;
constexpr int kEdgePoints = 2 * kEdgeSteps + 1;
constexpr int kEdgeCentre = kEdgeSteps;

// One lip's inner edge, index 0 at the negative corner, 7 at the centre line,
// 14 at the positive corner; points 7-j and 7+j mirror each other.
using LipEdge = std::array<Point3, kEdgePoints>;

// Indices of the nine values of a lip control curve: centre, middle and corner
// point, each as (depth, lateral, height). The centre's lateral value is not
// read: the centre always lies on the centre line.
namespace curve {
constexpr int kCentreDepth = 0, kCentreHeight = 2;
constexpr int kMiddleDepth = 3, kMiddleLateral = 4, kMiddleHeight = 5;
constexpr int kCornerDepth = 6, kCornerLateral = 7, kCornerHeight = 8;
constexpr int kValues = 9;
}  // namespace curve

// Fills values[0..n] with f(i * xEnd / n) for the cubic f(x) = yCentre +
// k x^2 (x + m), flat at x = 0 and through (xMid, yMid) and (xEnd, yEnd).
// Where those points lie on a parabola (k = 0 with different heights) f is
// that parabola. When no curve of this kind exists (xMid or xEnd zero, xMid
// == xEnd, or k beyond single precision) the middle point is dropped and f
// rises smoothly from yCentre to yEnd, flat at both ends; with xEnd zero
// every value is yCentre. Values are finite whenever the arguments are.
void EvaluateLipCubic(float xEnd, float yEnd, float xMid, float yMid, float yCentre, float* values,
                      int n);

// Samples a nine-value control curve into an edge of kEdgePoints points.
// Non-finite control values count as 0, so the edge is always finite.
LipEdge SampleLipEdge(const float* curveValues);

// The bulge (forward push) and thickness of a lip, by distance from the
// centre column: index 0 at the centre, 7 at the corners.
using LipProfile = std::array<float, kEdgeSteps + 1>;
struct LipProfiles {
    LipProfile bulge;      // 1 at the centre down to 0 at the corners
    LipProfile thickness;  // 1 at the centre down to 0.3 at the corners
};
LipProfile BulgeProfile();
LipProfile ThicknessProfile();
LipProfiles ComputeProfiles();

// A lip as three rows of 15 columns: 0..14 the inner edge, 15..29 the crest,
// 30..44 the outer edge that meets the face plane.
constexpr int kBandPoints = 3 * kEdgePoints;
using LipBand = std::array<Point3, kBandPoints>;

// Upper lip grows upwards (+1), lower lip downwards (-1).
enum class LipSide : int { Upper = 1, Lower = -1 };

struct Direction2 {
    float y = 0;  // lateral
    float z = 0;  // height
};

// Unit bisector, in the frontal plane (depth ignored), of the angle at
// `point` between the directions to `next` and `previous`. Returns false when
// either neighbour coincides with `point` or the three points are collinear.
bool EdgeBisector(const Point3& next, const Point3& previous, const Point3& point, Direction2* out);

LipBand BuildLipBand(const LipEdge& edge, LipSide side, const LipProfiles& profiles);

// Unit normal of the plane through a, b, c: (a - c) x (b - c), normalised.
// Three points on one line give the face plane's own normal (1, 0, 0), so a
// degenerate quad never hands a non-finite normal to the lighting.
Point3 QuadNormal(const Point3& a, const Point3& b, const Point3& c);

// A lip quad: its normal is issued before its four vertices.
struct LitQuad {
    Point3 normal;
    std::array<Point3, 4> v;
};

enum class PrimitiveKind : uint8_t { Polygon, TriangleFan };

// A face-plane piece. It carries no normal: it is lit with whatever normal is
// current, the last upper-lip quad's.
struct FacePrimitive {
    PrimitiveKind kind = PrimitiveKind::Polygon;
    uint8_t count = 0;
    std::array<Point3, 1 + kEdgeSteps + 1> v{};
};

constexpr float kFaceHalfSide = 10.0f;
constexpr int kLipQuads = 2 * (kEdgePoints - 1);
constexpr int kFacePrimitives = 12;

struct MouthGeometry {
    LipBand upperBand;
    LipBand lowerBand;
    std::array<LitQuad, kLipQuads> lowerQuads;  // issued first
    std::array<LitQuad, kLipQuads> upperQuads;
    std::array<FacePrimitive, kFacePrimitives> face;
};

// Both lips and the face plane with the mouth left open between their outer
// edges, in issuing order.
MouthGeometry BuildMouth(const LipEdge& upper, const LipEdge& lower, const LipProfiles& profiles);

// The normal the face plane and the teeth are lit with: the last upper-lip quad's.
inline const Point3& LastLipNormal(const MouthGeometry& mouth) { return mouth.upperQuads.back().normal; }

// One row of front teeth: quads in the teeth's own frame and the jaw matrix
// (column-major, for the model-view stack) that puts them into model space.
constexpr int kMaxTeethQuads = 8;
constexpr float kJawPivotDepth = -7.2f;
struct TeethRow {
    std::array<float, 16> jaw{};
    int quadCount = 0;
    std::array<std::array<Point3, 4>, kMaxTeethQuads> quads{};
};

// Upper teeth turned up by a positive angle (degrees), lower teeth turned down.
TeethRow BuildUpperTeeth(float upperAngleDegrees);
TeethRow BuildLowerTeeth(float lowerAngleDegrees);

// Where the jaw matrix puts a point of the teeth frame.
Point3 ApplyJaw(const std::array<float, 16>& jaw, const Point3& p);

// Front-face material, set in the order specular, shininess, ambient-and-diffuse.
struct Material {
    std::array<float, 4> specular;
    float shininess;
    std::array<float, 4> ambientDiffuse;
};
constexpr Material kLipMaterial{{1, 1, 1, 1}, 100, {1, 0.2f, 0.2f, 1}};
constexpr Material kFaceMaterial{{0, 0, 0, 1}, 100, {0, 0.3f, 0, 1}};
constexpr Material kTeethMaterial{{1, 1, 1, 1}, 100, {1, 1, 1, 1}};

// Everything is drawn under this uniform scale: one model unit is ten world units.
constexpr float kModelScale = 10.0f;

}  // namespace lip
