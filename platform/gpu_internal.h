// For the GPU stand-in's own files: the GL objects they share.
#pragma once
#include <epoxy/gl.h>

#include <cstddef>
#include <cstdint>

#include <glm/gtc/type_ptr.hpp>

#include "platform/gpu_draw.h"

struct GpuProgram {
  GLuint id = 0;
  GLint world = -1, instanced = -1, view = -1, projection = -1, frameWeight = -1;
  GLint lighting = -1, materialDiffuse = -1, materialAmbient = -1, materialSpecular = -1;
  GLint materialEmissive = -1, materialPower = -1;
  GLint lightEnabled = -1, lightDiffuse = -1, lightSpecular = -1, lightAmbient = -1;
  GLint lightPosition = -1, lightRange = -1, lightAttenuation = -1;
  GLint texCoordSource = -1, stageColour = -1, stageAlphaModulate = -1;
  GLint textureEnabled = -1, texture = -1;
};

// Sets the light's uniforms of either program (the main one or a layered one).
template <typename Program>
void GpuUploadLight(const Program& p, const GpuLight& light) {
  glUniform1i(p.lightEnabled, light.enabled ? 1 : 0);
  glUniform4fv(p.lightDiffuse, 1, glm::value_ptr(light.diffuse));
  glUniform4fv(p.lightSpecular, 1, glm::value_ptr(light.specular));
  glUniform4fv(p.lightAmbient, 1, glm::value_ptr(light.ambient));
  glUniform3fv(p.lightPosition, 1, glm::value_ptr(light.position));
  glUniform1f(p.lightRange, light.range);
  glUniform3fv(p.lightAttenuation, 1, glm::value_ptr(light.attenuation));
}

// Compiles the one program; false (with a diagnostic line) when GL refuses it.
bool GpuBuildProgram(GpuProgram* program);
// Compiles and links a vertex and fragment shader; 0 (with one line naming
// label and the driver's log) when either fails.
GLuint GpuLinkProgram(const char* vertexSource, const char* fragmentSource, const char* label);
GpuProgram& GpuCurrentProgram();
// Vertex arrays and the stream buffer of screen vertices, made with the device.
void GpuCreateDrawObjects();
// After GL state was changed outside the draw calls (clearing sets the depth mask).
void GpuForgetAppliedState();

// What the frame has cost so far (gpu_draw.h); the draw files add to it.
struct GpuFrameCounts;
GpuFrameCounts& GpuCounting();

// Writes per-frame data into the stream buffer, which is left bound to
// GL_ARRAY_BUFFER; gives the buffer and the offset the data landed at.
bool GpuStreamWrite(const void* data, size_t size, GLuint* buffer, GLintptr* offset);
// What a texture's pixels allow the layered draws to skip, noted when it is
// made: every pixel fully opaque; every pixel the same (then it is a colour,
// not a picture to sample).
void GpuNoteTexturePixels(GLuint texture, const uint8_t* rgba, int32_t width, int32_t height);
bool GpuTextureIsOpaque(GLuint texture);
bool GpuTextureIsSolid(GLuint texture, float colour[4]);
// Layered mesh drawing keeps its own record of GL state; other draws forget it.
void GpuForgetLayeredState();
// Draws the mesh draws held back so far (before anything else is drawn, read or shown).
void GpuFlushLayeredDraws();
