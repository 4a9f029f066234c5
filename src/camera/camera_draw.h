// Loads a camera into OpenGL: the projection (gluPerspective at the viewport's aspect) and
// the view (gluLookAt from the eye to the target), leaving the model-view matrix current.
#pragma once

class Camera;

void loadCamera(const Camera& camera);
