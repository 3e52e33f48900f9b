// For the GPU stand-in's own files: the GL objects they share.
#pragma once
#include <epoxy/gl.h>

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

// Compiles the one program; false (with a diagnostic line) when GL refuses it.
bool GpuBuildProgram(GpuProgram* program);
GpuProgram& GpuCurrentProgram();
// Vertex arrays and the stream buffer of screen vertices, made with the device.
void GpuCreateDrawObjects();
// After GL state was changed outside the draw calls (clearing sets the depth mask).
void GpuForgetAppliedState();
