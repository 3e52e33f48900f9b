// Draw calls of the GPU stand-in: the state record becomes GL state and the
// program's uniforms, then one triangle-list draw.
#include "platform/gpu_draw.h"

#include <glm/gtc/type_ptr.hpp>

#include "platform/gpu_device.h"
#include "platform/gpu_internal.h"

namespace {

GLuint meshArray = 0;
GLuint screenArray = 0;
GLuint screenBuffer = 0;

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

void ApplyState(const GpuDrawState& s, float weight) {
  const GpuProgram& p = GpuCurrentProgram();
  glUseProgram(p.id);
  SetEnabled(GL_DEPTH_TEST, s.depthTest);
  glDepthMask(s.depthWrite ? GL_TRUE : GL_FALSE);
  // Clockwise triangles are culled: counter-clockwise ones face the viewer.
  SetEnabled(GL_CULL_FACE, s.cullClockwise);
  glCullFace(GL_BACK);
  SetEnabled(GL_BLEND, s.blend);
  glBlendFunc(BlendFactor(s.sourceBlend), BlendFactor(s.destinationBlend));
  glUniformMatrix4fv(p.world, 1, GL_FALSE, glm::value_ptr(s.world));
  glUniformMatrix4fv(p.view, 1, GL_FALSE, glm::value_ptr(s.view));
  glUniformMatrix4fv(p.projection, 1, GL_FALSE, glm::value_ptr(s.projection));
  glUniform1f(p.frameWeight, weight);
  glUniform1i(p.lighting, s.lighting ? 1 : 0);
  glUniform4fv(p.materialDiffuse, 1, glm::value_ptr(s.material.diffuse));
  glUniform4fv(p.materialAmbient, 1, glm::value_ptr(s.material.ambient));
  glUniform4fv(p.materialSpecular, 1, glm::value_ptr(s.material.specular));
  glUniform4fv(p.materialEmissive, 1, glm::value_ptr(s.material.emissive));
  glUniform1f(p.materialPower, s.material.power);
  glUniform1i(p.lightEnabled, s.light.enabled ? 1 : 0);
  glUniform4fv(p.lightDiffuse, 1, glm::value_ptr(s.light.diffuse));
  glUniform4fv(p.lightSpecular, 1, glm::value_ptr(s.light.specular));
  glUniform4fv(p.lightAmbient, 1, glm::value_ptr(s.light.ambient));
  glUniform3fv(p.lightPosition, 1, glm::value_ptr(s.light.position));
  glUniform1f(p.lightRange, s.light.range);
  glUniform3fv(p.lightAttenuation, 1, glm::value_ptr(s.light.attenuation));
  glUniform1i(p.texCoordSource, s.texCoordSource);
  glUniform1i(p.stageColour, s.stageColour);
  glUniform1i(p.stageAlphaModulate, s.stageAlphaModulate ? 1 : 0);
  glUniform1i(p.textureEnabled, s.texture != 0 ? 1 : 0);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, s.texture);
}

void PointMeshStream(GLuint first, int32_t firstVertex) {
  const size_t stride = sizeof(GpuMeshVertex);
  const uint8_t* base = nullptr;
  base += size_t(firstVertex) * stride;
  glVertexAttribPointer(first, 3, GL_FLOAT, GL_FALSE, stride, base);
  glVertexAttribPointer(first + 1, 3, GL_FLOAT, GL_FALSE, stride, base + 12);
  glVertexAttribPointer(first + 2, 2, GL_FLOAT, GL_FALSE, stride, base + 24);
}

}  // namespace

void GpuCreateDrawObjects() {
  glGenVertexArrays(1, &meshArray);
  glBindVertexArray(meshArray);
  for (GLuint i = 0; i < 6; ++i) glEnableVertexAttribArray(i);
  glVertexAttrib4f(6, 1, 1, 1, 1);

  glGenVertexArrays(1, &screenArray);
  glGenBuffers(1, &screenBuffer);
  glBindVertexArray(screenArray);
  glBindBuffer(GL_ARRAY_BUFFER, screenBuffer);
  const GLsizei stride = sizeof(GpuScreenVertex);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(0));
  glEnableVertexAttribArray(6);
  glVertexAttribPointer(6, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, reinterpret_cast<void*>(12));
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(16));
  glBindVertexArray(0);
}

void GpuDrawTriangles(const GpuDrawState& state, GpuBufferId buffer, int32_t firstVertexA, int32_t firstVertexB,
                      float weight, int32_t vertexCount) {
  if (!GpuHasDevice() || buffer == 0 || vertexCount <= 0) return;
  ApplyState(state, weight);
  glBindVertexArray(meshArray);
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  PointMeshStream(0, firstVertexA);
  PointMeshStream(3, firstVertexB);
  glDrawArrays(GL_TRIANGLES, 0, vertexCount);
}

void GpuDrawScreenTriangles(const GpuDrawState& state, const GpuScreenVertex* vertices, int32_t count) {
  if (!GpuHasDevice() || vertices == nullptr || count <= 0) return;
  GpuDrawState screen = state;
  screen.lighting = false;
  ApplyState(screen, 0.0f);
  glBindVertexArray(screenArray);
  glBindBuffer(GL_ARRAY_BUFFER, screenBuffer);
  // Orphan the stream so each quad does not wait for the last one to be drawn.
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sizeof(GpuScreenVertex) * size_t(count)), vertices, GL_STREAM_DRAW);
  glDrawArrays(GL_TRIANGLES, 0, count);
}
