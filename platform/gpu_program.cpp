// The one GLSL program. Its uniforms mirror the fixed-function states: vertex
// lighting with one point light and a material, generated texture coordinates,
// and stage 0 as texture x diffuse (or x specular). Two vertex streams carry
// the neighbouring frames of a vertex animation, blended by a weight.
#include <cstdio>

#include "platform/gpu_internal.h"

namespace {

const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 positionA;
layout(location = 1) in vec3 normalA;
layout(location = 2) in vec2 texA;
layout(location = 3) in vec3 positionB;
layout(location = 4) in vec3 normalB;
layout(location = 5) in vec2 texB;
layout(location = 6) in vec4 vertexColour;  // screen vertices; meshes read white
layout(location = 7) in mat4 instanceWorld;  // instanced draws of a still mesh

uniform mat4 world;
uniform bool instanced;
uniform mat4 view;
uniform mat4 projection;
uniform float frameWeight;
uniform bool lighting;
uniform vec4 materialDiffuse;
uniform vec4 materialAmbient;
uniform vec4 materialSpecular;
uniform vec4 materialEmissive;
uniform float materialPower;
uniform bool lightEnabled;
uniform vec4 lightDiffuse;
uniform vec4 lightSpecular;
uniform vec4 lightAmbient;
uniform vec3 lightPosition;  // world space
uniform float lightRange;
uniform vec3 lightAttenuation;
uniform int texCoordSource;  // 0 vertex, 1 sphere map, 2 camera-space reflection

out vec4 diffuseColour;
out vec4 specularColour;
out vec2 texCoord;

void main() {
  vec3 position = mix(positionA, positionB, frameWeight);
  vec3 normal = mix(normalA, normalB, frameWeight);  // blended normals are not renormalised
  vec2 tex = mix(texA, texB, frameWeight);
  mat4 worldView = view * (instanced ? instanceWorld : world);
  vec4 eyePosition = worldView * vec4(position, 1.0);
  vec3 eyeNormal = mat3(worldView) * normal;
  gl_Position = projection * eyePosition;

  diffuseColour = vertexColour;
  specularColour = vec4(0.0);
  if (lighting) {
    vec3 ambient = vec3(0.0);
    vec3 diffuse = vec3(0.0);
    vec3 specular = vec3(0.0);
    if (lightEnabled) {
      vec3 toLight = (view * vec4(lightPosition, 1.0)).xyz - eyePosition.xyz;
      float d = length(toLight);
      if (d <= lightRange) {
        float attenuation = 1.0 / max(lightAttenuation.x + lightAttenuation.y * d + lightAttenuation.z * d * d, 1e-6);
        vec3 l = toLight / max(d, 1e-6);
        float nl = dot(eyeNormal, l);
        ambient = lightAmbient.rgb * attenuation;
        if (nl > 0.0) {
          diffuse = lightDiffuse.rgb * nl * attenuation;
          vec3 h = normalize(l + normalize(-eyePosition.xyz));
          float nh = dot(eyeNormal, h);
          if (nh > 0.0) specular = lightSpecular.rgb * pow(nh, materialPower) * attenuation;
        }
      }
    }
    vec3 lit = materialEmissive.rgb + materialAmbient.rgb * ambient + materialDiffuse.rgb * diffuse;
    diffuseColour = vec4(clamp(lit, 0.0, 1.0), materialDiffuse.a);
    specularColour = vec4(clamp(materialSpecular.rgb * specular, 0.0, 1.0), materialSpecular.a);
  }

  texCoord = tex;
  if (texCoordSource != 0) {
    vec3 r = reflect(normalize(eyePosition.xyz), normalize(eyeNormal));
    if (texCoordSource == 2) {
      texCoord = r.xy;
    } else {
      float m = 2.0 * sqrt(r.x * r.x + r.y * r.y + (r.z + 1.0) * (r.z + 1.0));
      texCoord = vec2(r.x / m + 0.5, 0.5 - r.y / m);  // picture rows run downwards
    }
  }
}
)";

const char* kFragmentShader = R"(#version 330 core
in vec4 diffuseColour;
in vec4 specularColour;
in vec2 texCoord;

uniform sampler2D picture;
uniform bool textureEnabled;
uniform int stageColour;  // 0 texture x diffuse, 1 texture x specular
uniform bool stageAlphaModulate;

out vec4 colour;

void main() {
  vec4 t = textureEnabled ? texture(picture, texCoord) : vec4(1.0);
  vec4 argument = stageColour == 1 ? specularColour : diffuseColour;
  colour.rgb = t.rgb * argument.rgb;
  colour.a = stageAlphaModulate ? t.a * diffuseColour.a : t.a;
}
)";

GLuint CompileShader(GLenum kind, const char* source, const char* label) {
  GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    char log[1024] = {};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    std::printf("%s shader: %s\n", label, log);
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

GpuProgram currentProgram;

}  // namespace

GpuProgram& GpuCurrentProgram() { return currentProgram; }

GLuint GpuLinkProgram(const char* vertexSource, const char* fragmentSource, const char* label) {
  GLuint vertex = CompileShader(GL_VERTEX_SHADER, vertexSource, label);
  GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, fragmentSource, label);
  if (vertex == 0 || fragment == 0) {
    if (vertex != 0) glDeleteShader(vertex);
    if (fragment != 0) glDeleteShader(fragment);
    return 0;
  }
  GLuint id = glCreateProgram();
  glAttachShader(id, vertex);
  glAttachShader(id, fragment);
  glLinkProgram(id);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint ok = 0;
  glGetProgramiv(id, GL_LINK_STATUS, &ok);
  if (!ok) {
    char log[1024] = {};
    glGetProgramInfoLog(id, sizeof log, nullptr, log);
    std::printf("%s program: %s\n", label, log);
    glDeleteProgram(id);
    return 0;
  }
  return id;
}

bool GpuBuildProgram(GpuProgram* program) {
  GLuint id = GpuLinkProgram(kVertexShader, kFragmentShader, "GPU");
  if (id == 0) return false;
  program->id = id;
  auto at = [id](const char* name) { return glGetUniformLocation(id, name); };
  program->world = at("world");
  program->instanced = at("instanced");
  program->view = at("view");
  program->projection = at("projection");
  program->frameWeight = at("frameWeight");
  program->lighting = at("lighting");
  program->materialDiffuse = at("materialDiffuse");
  program->materialAmbient = at("materialAmbient");
  program->materialSpecular = at("materialSpecular");
  program->materialEmissive = at("materialEmissive");
  program->materialPower = at("materialPower");
  program->lightEnabled = at("lightEnabled");
  program->lightDiffuse = at("lightDiffuse");
  program->lightSpecular = at("lightSpecular");
  program->lightAmbient = at("lightAmbient");
  program->lightPosition = at("lightPosition");
  program->lightRange = at("lightRange");
  program->lightAttenuation = at("lightAttenuation");
  program->texCoordSource = at("texCoordSource");
  program->stageColour = at("stageColour");
  program->stageAlphaModulate = at("stageAlphaModulate");
  program->textureEnabled = at("textureEnabled");
  program->texture = at("picture");
  glUseProgram(id);
  glUniform1i(program->texture, 0);
  return true;
}
