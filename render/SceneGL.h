// Issues the geometry records to OpenGL in immediate mode. Every routine
// expects a current GL context and draws into it; none reports failure.
#pragma once

#include "LipGeometry.h"
#include "RendererState.h"
#include "ViewSetup.h"

namespace lip {

void SetMaterial(const Material& material);
void IssueMouth(const MouthGeometry& mouth);
// The teeth have no normals of their own: they are lit with `litWith`, the
// normal the mouth leaves behind (see LastLipNormal).
void IssueTeeth(const TeethRow& teeth, const Point3& litWith);

// Viewport, projection, camera and light 0 from `setup`, then the depth test
// and normal normalisation. Clears the depth buffer.
void SetupScene(const ViewSetup& setup);

// Clears and draws one shape under the model scale; the caller swaps.
void RenderFrame(const MouthShape& shape, const LipProfiles& profiles);

}  // namespace lip
