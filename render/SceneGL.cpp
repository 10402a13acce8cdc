#include "SceneGL.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace lip {

namespace {

void Vertex(const Point3& p) { glVertex3f(p.x, p.y, p.z); }
void Normal(const Point3& n) { glNormal3f(n.x, n.y, n.z); }

void IssueLipQuads(const std::array<LitQuad, kLipQuads>& quads)
{
    glBegin(GL_QUADS);
    for (const LitQuad& q : quads) {
        Normal(q.normal);
        for (const Point3& v : q.v)
            Vertex(v);
    }
    glEnd();
}

constexpr float kLightDiffuse[4] = {1, 1, 1, 1};
constexpr float kLightSpecular[4] = {0.5f, 0.5f, 0.5f, 1};
constexpr float kLightAmbient[4] = {0.4f, 0.4f, 0.4f, 1};

}  // namespace

void SetMaterial(const Material& m)
{
    glMaterialfv(GL_FRONT, GL_SPECULAR, m.specular.data());
    glMaterialf(GL_FRONT, GL_SHININESS, m.shininess);
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, m.ambientDiffuse.data());
}

void IssueMouth(const MouthGeometry& mouth)
{
    SetMaterial(kLipMaterial);
    IssueLipQuads(mouth.lowerQuads);
    IssueLipQuads(mouth.upperQuads);

    // The face plane is lit with the normal of the last upper-lip quad. It is
    // repeated at every vertex, not left current: the same light, but a
    // software rasteriser then needs one vertex layout instead of two, which
    // saves compiling one more pipeline in every fresh context.
    SetMaterial(kFaceMaterial);
    const Point3 n = LastLipNormal(mouth);
    for (const FacePrimitive& p : mouth.face) {
        glBegin(p.kind == PrimitiveKind::TriangleFan ? GL_TRIANGLE_FAN : GL_POLYGON);
        for (int i = 0; i < p.count; ++i) {
            Normal(n);
            Vertex(p.v[static_cast<size_t>(i)]);
        }
        glEnd();
    }
}

void IssueTeeth(const TeethRow& teeth, const Point3& litWith)
{
    SetMaterial(kTeethMaterial);
    glPushMatrix();
    glMultMatrixf(teeth.jaw.data());
    glBegin(GL_QUADS);
    for (int q = 0; q < teeth.quadCount; ++q) {
        for (const Point3& v : teeth.quads[static_cast<size_t>(q)]) {
            Normal(litWith);
            Vertex(v);
        }
    }
    glEnd();
    glPopMatrix();
}

void SetupScene(const ViewSetup& s)
{
    glViewport(0, 0, s.viewportWidth, s.viewportHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(s.fovY, s.aspect, s.zNear, s.zFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(s.eye[0], s.eye[1], s.eye[2], s.centre[0], s.centre[1], s.centre[2], s.up[0], s.up[1],
              s.up[2]);

    // Set while the camera matrix is current, so the light sits at a world position.
    glLightfv(GL_LIGHT0, GL_DIFFUSE, kLightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, kLightSpecular);
    glLightfv(GL_LIGHT0, GL_AMBIENT, kLightAmbient);
    glLightfv(GL_LIGHT0, GL_POSITION, s.light.data());
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
}

void RenderFrame(const MouthShape& shape, const LipProfiles& profiles)
{
    glClear(GL_COLOR_BUFFER_BIT);
    glClear(GL_DEPTH_BUFFER_BIT);
    SetMaterial(kLipMaterial);
    glShadeModel(GL_SMOOTH);
    glPushMatrix();
    glScalef(kModelScale, kModelScale, kModelScale);
    const MouthGeometry mouth = BuildMouth(shape.upper, shape.lower, profiles);
    IssueMouth(mouth);
    IssueTeeth(BuildUpperTeeth(shape.upperTeethAngle), LastLipNormal(mouth));
    IssueTeeth(BuildLowerTeeth(shape.lowerTeethAngle), LastLipNormal(mouth));
    glPopMatrix();
}

}  // namespace lip
