#include "render/GlRender.h"

#include <GL/osmesa.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

namespace render {

namespace {

struct ContextDeleter {
  void operator()(osmesa_context* c) const { OSMesaDestroyContext(c); }
};
using Context = std::unique_ptr<osmesa_context, ContextDeleter>;

// Lines one unit apart on the ground, reaching past the scene; the axes
// through the origin darker.
void drawGrid(const Bounds& bounds) {
  float reach = 12;
  if (!bounds.empty) {
    for (int i : {0, 2})
      reach = std::max({reach, std::fabs(bounds.min[static_cast<std::size_t>(i)]),
                        std::fabs(bounds.max[static_cast<std::size_t>(i)])});
  }
  const int n = static_cast<int>(std::ceil(reach)) + 1;
  const float r = static_cast<float>(n);
  glDisable(GL_LIGHTING);
  glBegin(GL_LINES);
  for (int i = -n; i <= n; ++i) {
    const float g = i == 0 ? 0.1f : 0.45f;
    glColor3f(g, g, g);
    const float x = static_cast<float>(i);
    glVertex3f(x, 0, -r);
    glVertex3f(x, 0, r);
    glVertex3f(-r, 0, x);
    glVertex3f(r, 0, x);
  }
  glEnd();
}

void setLights() {
  // In eye space, so the light follows the camera.
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const GLfloat key[4] = {-0.35f, 0.55f, 1.0f, 0};
  const GLfloat white[4] = {0.85f, 0.85f, 0.85f, 1};
  const GLfloat ambient[4] = {0.22f, 0.22f, 0.22f, 1};
  glLightfv(GL_LIGHT0, GL_POSITION, key);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
  glEnable(GL_LIGHT0);
}

void drawTriangles(const Triangles& t) {
  if (t.vertices.empty()) return;
  glEnable(GL_LIGHTING);
  glEnable(GL_NORMALIZE);
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glColor3f(0.78f, 0.78f, 0.8f);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  const GLsizei stride = 6 * sizeof(float);
  glVertexPointer(3, GL_FLOAT, stride, t.vertices.data());
  glNormalPointer(GL_FLOAT, stride, t.vertices.data() + 3);
  // In pieces, so no count overflows GLsizei.
  const std::size_t total = t.vertices.size() / 6;
  const std::size_t chunk = std::size_t{3} << 20;
  for (std::size_t first = 0; first < total; first += chunk) {
    glDrawArrays(GL_TRIANGLES, static_cast<GLint>(first),
                 static_cast<GLsizei>(std::min(chunk, total - first)));
  }
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace

Picture renderPicture(const Triangles& triangles, const View& view, const RenderOptions& options) {
  const int w = options.width, h = options.height;
  if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) {
    throw RenderError("the picture must be 1 to " + std::to_string(kMaxSide) +
                      " pixels on each side, not " + std::to_string(w) + " x " + std::to_string(h));
  }
  Context context(OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr));
  if (!context) throw RenderError("no off-screen OpenGL context could be made");
  std::vector<unsigned char> buffer(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
  if (!OSMesaMakeCurrent(context.get(), buffer.data(), GL_UNSIGNED_BYTE, w, h)) {
    throw RenderError("the off-screen OpenGL context refused a " + std::to_string(w) + " x " +
                      std::to_string(h) + " picture");
  }
  glViewport(0, 0, w, h);
  glClearColor(kBackground[0] / 255.f, kBackground[1] / 255.f, kBackground[2] / 255.f, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_DEPTH_TEST);
  glShadeModel(GL_FLAT);
  glEnable(GL_CULL_FACE);  // boxes are closed: their far sides never show

  setLights();
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(view.projection.data());
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(view.modelView.data());
  if (options.ornaments) drawGrid(triangles.bounds);
  drawTriangles(triangles);
  glFinish();

  Picture out;
  out.width = w;
  out.height = h;
  out.rgba.resize(buffer.size());
  const std::size_t row = static_cast<std::size_t>(w) * 4;
  for (int y = 0; y < h; ++y) {  // OpenGL's rows run bottom to top
    std::memcpy(out.rgba.data() + static_cast<std::size_t>(y) * row,
                buffer.data() + static_cast<std::size_t>(h - 1 - y) * row, row);
  }
  for (std::size_t i = 3; i < out.rgba.size(); i += 4) out.rgba[i] = 255;
  OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
  return out;
}

}  // namespace render
