// Meshes drawn with all their texture layers in one pass. Every layer blends
// as  frame = layer x F + frame x G  with F and G one of 0, 1, the layer's
// alpha or one minus it, so a chain of layers makes  frame = A + B x frame
// with A and B computed per pixel in the shader. The program writes A as its
// colour and B as the second colour of dual-source blending, and the blend
// unit applies  A x 1 + frame x B  once. One program is built for each
// combination of layers met (texture coordinates, lighting, stage colour and
// blend of each), with nothing left to decide per pixel but the pictures; a
// picture of one colour is not sampled at all but given as that colour.
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>
#include <algorithm>

#include <glm/gtc/type_ptr.hpp>

#include "platform/gpu_device.h"
#include "platform/gpu_draw.h"
#include "platform/gpu_internal.h"

namespace {

bool foldingEnabled = true;

// A layer whose picture is fully opaque blends by alpha as a replacement.
GpuLayer Effective(const GpuLayer& layer) {
  GpuLayer e = layer;
  if (GpuTextureIsOpaque(layer.texture)) {
    auto resolve = [](GpuBlend b) { return b == kBlendSrcAlpha ? kBlendOne : b == kBlendInvSrcAlpha ? kBlendZero : b; };
    e.sourceBlend = resolve(e.sourceBlend);
    e.destinationBlend = resolve(e.destinationBlend);
  }
  return e;
}

// A blend whose result stays within 0..1 when its inputs do.
bool Bounded(const GpuLayer& l) {
  GpuBlend s = l.sourceBlend, d = l.destinationBlend;
  return s == kBlendZero || d == kBlendZero || (s == kBlendSrcAlpha && d == kBlendInvSrcAlpha) ||
         (s == kBlendInvSrcAlpha && d == kBlendSrcAlpha);
}

// Added on top of what lies below, which it keeps whole.
bool Adds(const GpuLayer& l) { return l.destinationBlend == kBlendOne; }

uint16_t LayerKey(const GpuLayer& l) {
  float colour[4];
  return uint16_t(l.texCoordSource | (l.lighting ? 1 : 0) << 2 | l.stageColour << 3 | l.sourceBlend << 4 |
                  l.destinationBlend << 6 | (GpuTextureIsSolid(l.texture, colour) ? 1 : 0) << 8);
}

struct LayeredProgram {
  GLuint id = 0;
  int32_t layerCount = 0;
  GLint view = -1, projection = -1;
  GLint lightEnabled = -1, lightDiffuse = -1, lightSpecular = -1, lightAmbient = -1;
  GLint lightPosition = -1, lightRange = -1, lightAttenuation = -1;
  GLint diffuse[kGpuMaxLayers] = {}, ambient[kGpuMaxLayers] = {}, specular[kGpuMaxLayers] = {};
  GLint emissive[kGpuMaxLayers] = {}, power[kGpuMaxLayers] = {};
  GLint solid[kGpuMaxLayers] = {};
  bool sampled[kGpuMaxLayers] = {};  // false: a one-colour picture, given as a uniform
  // What the program was last given, so repeated draws send only changes.
  bool primed = false;
  glm::mat4 lastView{0}, lastProjection{0};
  GpuLight lastLight;
  GpuMaterial lastMaterials[kGpuMaxLayers];
  GLuint lastSolid[kGpuMaxLayers] = {};
};

const char* Factor(GpuBlend b) {
  switch (b) {
    case kBlendZero: return "0.0";
    case kBlendOne: return "1.0";
    case kBlendSrcAlpha: return "s.a";
    case kBlendInvSrcAlpha: return "(1.0 - s.a)";
  }
  return "1.0";
}

const char* kVertexHead = R"(#version 330 core
layout(location = 0) in vec3 positionA;
layout(location = 1) in vec3 normalA;
layout(location = 2) in vec2 texA;
layout(location = 3) in vec3 positionB;
layout(location = 4) in vec3 normalB;
layout(location = 5) in vec2 texB;
layout(location = 7) in mat4 instanceWorld;
layout(location = 11) in float instanceWeight;

uniform mat4 view;
uniform mat4 projection;
uniform bool lightEnabled;
uniform vec4 lightDiffuse;
uniform vec4 lightSpecular;
uniform vec4 lightAmbient;
uniform vec3 lightPosition;  // world space
uniform float lightRange;
uniform vec3 lightAttenuation;
uniform vec4 materialDiffuse[7];
uniform vec4 materialAmbient[7];
uniform vec4 materialSpecular[7];
uniform vec4 materialEmissive[7];
uniform float materialPower[7];

out vec2 vertexTex;
out vec2 sphereTex;
out vec2 reflectionTex;
// Layers drawn pass by pass use different programs: each pass must land on
// exactly the depth of the first, or the equal-depth test drops it.
invariant gl_Position;

void main() {
  vec3 position = mix(positionA, positionB, instanceWeight);
  vec3 normal = mix(normalA, normalB, instanceWeight);  // blended normals are not renormalised
  vertexTex = mix(texA, texB, instanceWeight);
  mat4 worldView = view * instanceWorld;
  vec4 eyePosition = worldView * vec4(position, 1.0);
  vec3 eyeNormal = mat3(worldView) * normal;
  gl_Position = projection * eyePosition;

  vec3 ambientLight = vec3(0.0);
  vec3 diffuseLight = vec3(0.0);
  float attenuation = 0.0;
  float highlight = 0.0;  // N.H where the light reaches the front, else 0
  if (lightEnabled) {
    vec3 toLight = (view * vec4(lightPosition, 1.0)).xyz - eyePosition.xyz;
    float d = length(toLight);
    if (d <= lightRange) {
      attenuation = 1.0 / max(lightAttenuation.x + lightAttenuation.y * d + lightAttenuation.z * d * d, 1e-6);
      vec3 l = toLight / max(d, 1e-6);
      float nl = dot(eyeNormal, l);
      ambientLight = lightAmbient.rgb * attenuation;
      if (nl > 0.0) {
        diffuseLight = lightDiffuse.rgb * nl * attenuation;
        highlight = max(dot(eyeNormal, normalize(l + normalize(-eyePosition.xyz))), 0.0);
      }
    }
  }
)";

// The per-layer lines of the vertex and fragment shaders.
struct ShaderText {
  std::string vertexOut, vertexBody, fragmentIn, fragmentBody;
};

void AddLayerText(ShaderText& t, const GpuLayer& l, int i) {
  const std::string n = std::to_string(i);
  std::string colour;
  if (l.lighting) {
    t.vertexOut += "out vec3 layerColour" + n + ";\n";
    t.fragmentIn += "in vec3 layerColour" + n + ";\n";
    if (l.stageColour == kStageTextureSpecular) {
      t.vertexBody += "  layerColour" + n + " = highlight > 0.0 ? clamp(materialSpecular[" + n +
                      "].rgb * lightSpecular.rgb * pow(highlight, materialPower[" + n +
                      "]) * attenuation, 0.0, 1.0) : vec3(0.0);\n";
    } else {
      t.vertexBody += "  layerColour" + n + " = clamp(materialEmissive[" + n + "].rgb + materialAmbient[" + n +
                      "].rgb * ambientLight + materialDiffuse[" + n + "].rgb * diffuseLight, 0.0, 1.0);\n";
    }
    colour = "layerColour" + n;
  } else {
    // Unlit: the vertex colour (white); an unlit specular stage has no highlight.
    colour = l.stageColour == kStageTextureSpecular ? "vec3(0.0)" : "vec3(1.0)";
  }
  const char* coords = l.texCoordSource == kTexCoordSphereMap          ? "sphereTex"
                       : l.texCoordSource == kTexCoordCameraReflection ? "reflectionTex"
                                                                       : "vertexTex";
  float solid[4];
  if (GpuTextureIsSolid(l.texture, solid)) {
    t.fragmentIn += "uniform vec4 layerSolid" + n + ";\n";
    t.fragmentBody += "  s = layerSolid" + n + ";\n";
  } else {
    t.fragmentBody += "  s = texture(layerTexture[" + n + "], " + coords + ");\n";
  }
  t.fragmentBody += "  s.rgb *= " + colour + ";\n";
  t.fragmentBody += std::string("  sum = s * ") + Factor(l.sourceBlend) + " + sum * " + Factor(l.destinationBlend) +
                    ";\n  kept *= " + Factor(l.destinationBlend) + ";\n";
}

std::string VertexShader(const ShaderText& t) {
  std::string s = kVertexHead;
  s.insert(s.find("void main()"), t.vertexOut + "\n");
  s += t.vertexBody;
  s += R"(  vec3 r = reflect(normalize(eyePosition.xyz), normalize(eyeNormal));
  reflectionTex = r.xy;
  float m = 2.0 * sqrt(r.x * r.x + r.y * r.y + (r.z + 1.0) * (r.z + 1.0));
  sphereTex = vec2(r.x / m + 0.5, 0.5 - r.y / m);  // picture rows run downwards
}
)";
  return s;
}

// A single layer leaves its factors to the blend unit, as a pass of its own
// always did; a stack writes A and B.
std::string FragmentShader(const ShaderText& t, int count) {
  std::string s = "#version 330 core\nin vec2 vertexTex;\nin vec2 sphereTex;\nin vec2 reflectionTex;\n";
  s += t.fragmentIn;
  s += "uniform sampler2D layerTexture[" + std::to_string(count) + "];\n";
  s += "layout(location = 0, index = 0) out vec4 colour;\n";
  s += "layout(location = 0, index = 1) out vec4 keep;  // multiplier of what lies below\n";
  s += "void main() {\n  vec4 sum = vec4(0.0);\n  vec4 kept = vec4(1.0);\n  vec4 s;\n";
  s += t.fragmentBody;
  s += count == 1 ? "  colour = s;\n  keep = vec4(1.0);\n}\n" : "  colour = sum;\n  keep = kept;\n}\n";
  return s;
}

bool Build(LayeredProgram& p, const GpuLayer* layers, int32_t count) {
  ShaderText text;
  for (int32_t i = 0; i < count; ++i) AddLayerText(text, layers[i], i);
  GLuint id = GpuLinkProgram(VertexShader(text).c_str(), FragmentShader(text, count).c_str(), "GPU layered");
  if (id == 0) return false;
  p.id = id;
  p.layerCount = count;
  auto at = [id](const char* name) { return glGetUniformLocation(id, name); };
  p.view = at("view");
  p.projection = at("projection");
  p.lightEnabled = at("lightEnabled");
  p.lightDiffuse = at("lightDiffuse");
  p.lightSpecular = at("lightSpecular");
  p.lightAmbient = at("lightAmbient");
  p.lightPosition = at("lightPosition");
  p.lightRange = at("lightRange");
  p.lightAttenuation = at("lightAttenuation");
  for (int32_t i = 0; i < count; ++i) {
    const std::string index = "[" + std::to_string(i) + "]";
    p.diffuse[i] = at(("materialDiffuse" + index).c_str());
    p.ambient[i] = at(("materialAmbient" + index).c_str());
    p.specular[i] = at(("materialSpecular" + index).c_str());
    p.emissive[i] = at(("materialEmissive" + index).c_str());
    p.power[i] = at(("materialPower" + index).c_str());
    p.solid[i] = at(("layerSolid" + std::to_string(i)).c_str());
    float colour[4];
    p.sampled[i] = !GpuTextureIsSolid(layers[i].texture, colour);
  }
  glUseProgram(id);
  for (int32_t i = 0; i < count; ++i) {
    const GLint unit = at(("layerTexture[" + std::to_string(i) + "]").c_str());
    if (unit >= 0) glUniform1i(unit, i);
  }
  return true;
}

// Programs by the key of their layers; a program that failed to build stays 0.
LayeredProgram* ProgramFor(const GpuLayer* layers, int32_t count) {
  static std::unordered_map<std::u16string, LayeredProgram> programs;
  std::u16string key;
  for (int32_t i = 0; i < count; ++i) key += char16_t(LayerKey(layers[i]));
  auto found = programs.find(key);
  if (found == programs.end()) {
    found = programs.emplace(key, LayeredProgram{}).first;
    Build(found->second, layers, count);
  }
  return found->second.id != 0 ? &found->second : nullptr;
}

template <typename T>
bool Same(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

void SendUniforms(LayeredProgram& p, const GpuDrawState& s, const GpuLayer* layers) {
  if (!p.primed || !Same(p.lastView, s.view)) glUniformMatrix4fv(p.view, 1, GL_FALSE, glm::value_ptr(s.view));
  if (!p.primed || !Same(p.lastProjection, s.projection)) {
    glUniformMatrix4fv(p.projection, 1, GL_FALSE, glm::value_ptr(s.projection));
  }
  if (!p.primed || !Same(p.lastLight, s.light)) {
    GpuUploadLight(p, s.light);
  }
  for (int32_t i = 0; i < p.layerCount; ++i) {
    float colour[4];
    if (!p.sampled[i] && p.lastSolid[i] != layers[i].texture && GpuTextureIsSolid(layers[i].texture, colour)) {
      glUniform4fv(p.solid[i], 1, colour);
      p.lastSolid[i] = layers[i].texture;
    }
  }
  for (int32_t i = 0; i < p.layerCount; ++i) {
    const GpuMaterial& m = layers[i].material;
    if (!layers[i].lighting || (p.primed && Same(p.lastMaterials[i], m))) continue;
    glUniform4fv(p.diffuse[i], 1, glm::value_ptr(m.diffuse));
    glUniform4fv(p.ambient[i], 1, glm::value_ptr(m.ambient));
    glUniform4fv(p.specular[i], 1, glm::value_ptr(m.specular));
    glUniform4fv(p.emissive[i], 1, glm::value_ptr(m.emissive));
    glUniform1f(p.power[i], m.power);
    p.lastMaterials[i] = m;
  }
  p.lastView = s.view;
  p.lastProjection = s.projection;
  p.lastLight = s.light;
  p.primed = true;
}

// GL state as the layered draws last left it.
struct LayeredState {
  bool valid = false;
  GLuint program = 0;
  bool depthTest = false, depthWrite = false, cull = false, blend = false;
  bool blendKnown = false;  // blend switch and factors as last set here
  GLenum source = 0, destination = 0;
  GLuint textures[kGpuMaxLayers] = {};
  GLuint meshBuffer = 0;
  int32_t firstA = -1, firstB = -1;
};
LayeredState state;
GLuint layeredArray = 0;

void Toggle(GLenum capability, bool on) {
  if (on) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

void ApplyFixed(const GpuDrawState& s) {
  const bool all = !state.valid;
  if (all || state.depthTest != s.depthTest) Toggle(GL_DEPTH_TEST, s.depthTest);
  if (all || state.depthWrite != s.depthWrite) glDepthMask(s.depthWrite ? GL_TRUE : GL_FALSE);
  if (all || state.cull != s.cullClockwise) Toggle(GL_CULL_FACE, s.cullClockwise);
  if (all) {
    for (GLuint& t : state.textures) t = 0;
    state.program = 0;
    state.meshBuffer = 0;
    state.blendKnown = false;
  }
  state.depthTest = s.depthTest;
  state.depthWrite = s.depthWrite;
  state.cull = s.cullClockwise;
  state.valid = true;
}

GLenum GlFactor(GpuBlend b) {
  switch (b) {
    case kBlendZero: return GL_ZERO;
    case kBlendOne: return GL_ONE;
    case kBlendSrcAlpha: return GL_SRC_ALPHA;
    case kBlendInvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
  }
  return GL_ONE;
}

// The blend unit's part: off when nothing below shows through, the plain
// factors for a single layer, else  A + B x frame  by the second colour.
void ApplyBlend(const GpuLayer* layers, int32_t count) {
  bool keepsNothing = false;
  bool keepsAll = true;
  for (int32_t i = 0; i < count; ++i) {
    if (layers[i].destinationBlend == kBlendZero) keepsNothing = true;
    if (layers[i].destinationBlend != kBlendOne) keepsAll = false;
  }
  bool on = !keepsNothing;
  GLenum source = GL_ONE, destination = GL_ONE;
  if (count == 1) {
    source = GlFactor(layers[0].sourceBlend);
    destination = GlFactor(layers[0].destinationBlend);
    on = !(source == GL_ONE && destination == GL_ZERO);
  } else if (on && !keepsAll) {
    destination = GL_SRC1_COLOR;
  }
  if (!state.blendKnown || state.blend != on) Toggle(GL_BLEND, on);
  if (!state.blendKnown || state.source != source || state.destination != destination) {
    glBlendFunc(source, destination);
    state.source = source;
    state.destination = destination;
  }
  state.blend = on;
  state.blendKnown = true;
}

void PointMeshStreams(GLuint buffer, int32_t firstA, int32_t firstB) {
  if (state.meshBuffer == buffer && state.firstA == firstA && state.firstB == firstB) return;
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  const GLsizei stride = sizeof(GpuMeshVertex);
  for (int frame = 0; frame < 2; ++frame) {
    const uint8_t* base = nullptr;
    base += size_t(frame == 0 ? firstA : firstB) * stride;
    const GLuint first = frame == 0 ? 0 : 3;
    glVertexAttribPointer(first, 3, GL_FLOAT, GL_FALSE, stride, base);
    glVertexAttribPointer(first + 1, 3, GL_FLOAT, GL_FALSE, stride, base + 12);
    glVertexAttribPointer(first + 2, 2, GL_FLOAT, GL_FALSE, stride, base + 24);
  }
  state.meshBuffer = buffer;
  state.firstA = firstA;
  state.firstB = firstB;
}

void PointInstances(GLuint buffer, GLintptr offset) {
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  const GLsizei stride = sizeof(GpuInstance);
  const uint8_t* base = nullptr;
  base += offset;
  for (GLuint column = 0; column < 4; ++column) {
    glVertexAttribPointer(7 + column, 4, GL_FLOAT, GL_FALSE, stride, base + column * sizeof(glm::vec4));
  }
  glVertexAttribPointer(11, 1, GL_FLOAT, GL_FALSE, stride, base + sizeof(glm::mat4));
}

void CreateLayeredArray() {
  glGenVertexArrays(1, &layeredArray);
  glBindVertexArray(layeredArray);
  for (GLuint i = 0; i < 6; ++i) glEnableVertexAttribArray(i);
  for (GLuint i = 7; i < 12; ++i) {
    glEnableVertexAttribArray(i);
    glVertexAttribDivisor(i, 1);
  }
}

// One draw of the given layers (all of a folded stack, or one of a stack drawn pass by pass).
void DrawPass(const GpuDrawState& s, const GpuLayer* layers, int32_t count, int32_t vertexCount, int32_t instances) {
  LayeredProgram* program = ProgramFor(layers, count);
  if (program == nullptr) return;
  if (state.program != program->id) {
    glUseProgram(program->id);
    state.program = program->id;
  }
  SendUniforms(*program, s, layers);
  for (int32_t i = 0; i < count; ++i) {
    if (!program->sampled[i] || state.textures[i] == layers[i].texture) continue;
    glActiveTexture(GL_TEXTURE0 + GLenum(i));
    glBindTexture(GL_TEXTURE_2D, layers[i].texture);
    state.textures[i] = layers[i].texture;
    ++GpuCounting().textureBinds;
  }
  ApplyBlend(layers, count);
  glDrawArraysInstanced(GL_TRIANGLES, 0, vertexCount, instances);
  ++GpuCounting().drawCalls;
}

}  // namespace

void GpuForgetLayeredState() { state.valid = false; }

void GpuSetLayerFolding(bool enabled) { foldingEnabled = enabled; }

bool GpuLayerFoldingEnabled() { return foldingEnabled; }

bool GpuLayersFold(const GpuLayer* layers, int32_t count) {
  if (count < 1 || count > kGpuMaxLayers) return false;
  // Past the last layer that is not added on top, only added layers follow;
  // up to it every blend keeps the frame within 0..1, so that no clamp of
  // the drawn-by-layers picture is lost by clamping once at the end.
  int32_t last = -1;
  for (int32_t i = 0; i < count; ++i) {
    if (!Adds(Effective(layers[i]))) last = i;
  }
  for (int32_t i = 0; i < last; ++i) {
    if (!Bounded(Effective(layers[i]))) return false;
  }
  return true;
}

namespace {

// Mesh draws wait here until something needs the picture: then the instance
// data of all of them goes to the GPU in one write, and they are drawn in order.
struct PendingDraw {
  GpuDrawState state;
  GpuLayer layers[kGpuMaxLayers];
  int32_t layerCount = 0;
  GLuint buffer = 0;
  int32_t firstVertexA = 0, firstVertexB = 0, vertexCount = 0;
  int32_t firstInstance = 0, instanceCount = 0;
};
std::vector<PendingDraw> pending;
std::vector<GpuInstance> staged;

void Execute(const PendingDraw& d, GLuint stream, GLintptr offset) {
  const GpuDrawState& s = d.state;
  ApplyFixed(s);
  PointInstances(stream, offset + GLintptr(sizeof(GpuInstance)) * d.firstInstance);
  PointMeshStreams(d.buffer, d.firstVertexA, d.firstVertexB);
  GpuLayer effective[kGpuMaxLayers];
  for (int32_t i = 0; i < d.layerCount; ++i) effective[i] = Effective(d.layers[i]);
  if (foldingEnabled && GpuLayersFold(d.layers, d.layerCount)) {
    DrawPass(s, effective, d.layerCount, d.vertexCount, d.instanceCount);
    return;
  }
  for (int32_t i = 0; i < d.layerCount; ++i) DrawPass(s, effective + i, 1, d.vertexCount, d.instanceCount);
}

}  // namespace

void GpuDrawLayeredMesh(const GpuDrawState& s, const GpuLayer* layers, int32_t layerCount, GpuBufferId buffer,
                        int32_t firstVertexA, int32_t firstVertexB, int32_t vertexCount, const GpuInstance* instances,
                        int32_t instanceCount) {
  if (!GpuHasDevice() || buffer == 0 || vertexCount <= 0 || layers == nullptr || layerCount <= 0 ||
      layerCount > kGpuMaxLayers || instances == nullptr || instanceCount <= 0) {
    return;
  }
  PendingDraw d;
  d.state = s;
  std::copy(layers, layers + layerCount, d.layers);
  d.layerCount = layerCount;
  d.buffer = buffer;
  d.firstVertexA = firstVertexA;
  d.firstVertexB = firstVertexB;
  d.vertexCount = vertexCount;
  d.firstInstance = int32_t(staged.size());
  d.instanceCount = instanceCount;
  pending.push_back(d);
  staged.insert(staged.end(), instances, instances + instanceCount);
}

void GpuFlushLayeredDraws() {
  if (pending.empty()) return;
  GLuint stream = 0;
  GLintptr offset = 0;
  if (GpuStreamWrite(staged.data(), sizeof(GpuInstance) * staged.size(), &stream, &offset)) {
    GpuForgetAppliedState();  // the screen draws set their own program and states again
    if (layeredArray == 0) CreateLayeredArray();
    glBindVertexArray(layeredArray);
    for (const PendingDraw& d : pending) Execute(d, stream, offset);
  }
  pending.clear();
  staged.clear();
}
