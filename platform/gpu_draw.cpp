// Draw calls of the GPU stand-in: the state record becomes GL state and the
// program's uniforms, then one triangle-list draw.
#include "platform/gpu_draw.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <glm/gtc/type_ptr.hpp>

#include "platform/gpu_device.h"
#include "platform/gpu_internal.h"

namespace {

GLuint screenArray = 0;

GLenum BlendFactor(GpuBlend blend) {
  switch (blend) {
    case kBlendZero: return GL_ZERO;
    case kBlendOne: return GL_ONE;
    case kBlendSrcAlpha: return GL_SRC_ALPHA;
    case kBlendInvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
  }
  return GL_ONE;
}

void SetEnabled(GLenum capability, bool on) {
  if (on) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

// What the GL context was last given, so that draws of a long run of similar
// meshes only send what changed (the software renderer revalidates on each change).
struct AppliedState {
  bool valid = false;
  GpuDrawState state;
  float weight = 0;
};
AppliedState applied;

template <typename T>
bool Differs(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) != 0;
}

void ApplyFixedStates(const GpuDrawState& s, bool all) {
  const GpuDrawState& o = applied.state;
  if (all || s.depthTest != o.depthTest) SetEnabled(GL_DEPTH_TEST, s.depthTest);
  if (all || s.depthWrite != o.depthWrite) glDepthMask(s.depthWrite ? GL_TRUE : GL_FALSE);
  // Clockwise triangles are culled: counter-clockwise ones face the viewer.
  if (all || s.cullClockwise != o.cullClockwise) SetEnabled(GL_CULL_FACE, s.cullClockwise);
  if (all || s.blend != o.blend) SetEnabled(GL_BLEND, s.blend);
  if (all || s.sourceBlend != o.sourceBlend || s.destinationBlend != o.destinationBlend) {
    glBlendFunc(BlendFactor(s.sourceBlend), BlendFactor(s.destinationBlend));
  }
  if (all || s.texture != o.texture) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, s.texture);
    ++GpuCounting().textureBinds;
  }
}

void ApplyUniforms(const GpuProgram& p, const GpuDrawState& s, float weight, bool all) {
  const GpuDrawState& o = applied.state;
  if (all || Differs(s.world, o.world)) glUniformMatrix4fv(p.world, 1, GL_FALSE, glm::value_ptr(s.world));
  if (all || Differs(s.view, o.view)) glUniformMatrix4fv(p.view, 1, GL_FALSE, glm::value_ptr(s.view));
  if (all || Differs(s.projection, o.projection)) {
    glUniformMatrix4fv(p.projection, 1, GL_FALSE, glm::value_ptr(s.projection));
  }
  if (all || weight != applied.weight) glUniform1f(p.frameWeight, weight);
  if (all || s.lighting != o.lighting) glUniform1i(p.lighting, s.lighting ? 1 : 0);
  if (all || Differs(s.material, o.material)) {
    glUniform4fv(p.materialDiffuse, 1, glm::value_ptr(s.material.diffuse));
    glUniform4fv(p.materialAmbient, 1, glm::value_ptr(s.material.ambient));
    glUniform4fv(p.materialSpecular, 1, glm::value_ptr(s.material.specular));
    glUniform4fv(p.materialEmissive, 1, glm::value_ptr(s.material.emissive));
    glUniform1f(p.materialPower, s.material.power);
  }
  if (all || Differs(s.light, o.light)) {
    GpuUploadLight(p, s.light);
  }
  if (all || s.texCoordSource != o.texCoordSource) glUniform1i(p.texCoordSource, s.texCoordSource);
  if (all || s.stageColour != o.stageColour) glUniform1i(p.stageColour, s.stageColour);
  if (all || s.stageAlphaModulate != o.stageAlphaModulate) {
    glUniform1i(p.stageAlphaModulate, s.stageAlphaModulate ? 1 : 0);
  }
  if (all || (s.texture != 0) != (o.texture != 0)) glUniform1i(p.textureEnabled, s.texture != 0 ? 1 : 0);
}

}  // namespace

void GpuForgetAppliedState() { applied.valid = false; }

GpuFrameCounts& GpuCounting() {
  static GpuFrameCounts counts;
  return counts;
}

GpuFrameCounts GpuTakeFrameCounts() {
  GpuFrameCounts taken = GpuCounting();
  GpuCounting() = GpuFrameCounts();
  return taken;
}

namespace {

void ApplyState(const GpuDrawState& s, float weight) {
  const GpuProgram& p = GpuCurrentProgram();
  bool all = !applied.valid;
  if (all) {
    glUseProgram(p.id);
    glUniform1i(p.instanced, 0);
  }
  GpuForgetLayeredState();
  ApplyFixedStates(s, all);
  ApplyUniforms(p, s, weight, all);
  applied.valid = true;
  applied.state = s;
  applied.weight = weight;
}

}  // namespace

void GpuCreateDrawObjects() {
  glGenVertexArrays(1, &screenArray);
  glBindVertexArray(screenArray);
  glEnableVertexAttribArray(0);
  glEnableVertexAttribArray(6);
  glEnableVertexAttribArray(2);
  glBindVertexArray(0);
}

void GpuDrawScreenTriangles(const GpuDrawState& state, const GpuScreenVertex* vertices, int32_t count) {
  const GpuScreenRun run{state.texture, 0, count};
  GpuDrawScreenRuns(state, vertices, &run, 1);
}

void GpuDrawScreenRuns(const GpuDrawState& state, const GpuScreenVertex* vertices, const GpuScreenRun* runs,
                       int32_t runCount) {
  if (!GpuHasDevice() || vertices == nullptr || runs == nullptr || runCount <= 0) return;
  int32_t total = 0;
  for (int32_t i = 0; i < runCount; ++i) {
    if (runs[i].first < 0 || runs[i].count < 0 || runs[i].first > INT32_MAX - runs[i].count) return;
    total = std::max(total, runs[i].first + runs[i].count);
  }
  if (total <= 0) return;
  GpuFlushLayeredDraws();
  GLuint stream = 0;
  GLintptr offset = 0;
  if (!GpuStreamWrite(vertices, sizeof(GpuScreenVertex) * size_t(total), &stream, &offset)) return;
  glBindVertexArray(screenArray);
  const GLsizei stride = sizeof(GpuScreenVertex);
  const uint8_t* base = nullptr;
  base += offset;
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, base);
  glVertexAttribPointer(6, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, base + 12);
  glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, base + 16);
  GpuDrawState screen = state;
  screen.lighting = false;
  for (int32_t i = 0; i < runCount; ++i) {
    if (runs[i].count <= 0) continue;
    screen.texture = runs[i].texture;
    ApplyState(screen, 0.0f);
    glDrawArrays(GL_TRIANGLES, runs[i].first, runs[i].count);
    ++GpuCounting().drawCalls;
  }
}
