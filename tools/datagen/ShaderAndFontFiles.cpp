// The three bloom effects as GLSL 1.20 fragment shaders, and the game font
// with its licence copied from the system's font package.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/datagen/DataCatalogue.h"

namespace {

// Each effect keeps the game's parameter names as its uniform names. The
// textures are plain sampler2D uniforms; texture coordinates come from the
// default vertex stage (gl_TexCoord[0]).
const char* const kBloomExtract = R"(// Bloom, pass 1: keeps the bright part of the finished frame.
// Uniforms:
//   sampler2D BaseTexture     the finished frame
//   float     BloomThreshold  brightness below which nothing blooms (0..1)
#version 120
uniform sampler2D BaseTexture;
uniform float BloomThreshold;

void main()
{
    vec4 c = texture2D(BaseTexture, gl_TexCoord[0].xy);
    gl_FragColor = clamp((c - BloomThreshold) / (1.0 - BloomThreshold), 0.0, 1.0);
}
)";

const char* const kGaussianBlur = R"(// Bloom, passes 2 and 3: a separable Gaussian blur.
// Uniforms:
//   sampler2D BloomTexture   input of pass 0 (horizontal)
//   sampler2D BloomTexture2  input of pass 1 (vertical)
//   vec4      PixelSize      step between taps: x, y for pass 0, z, w for pass 1
//   int       Pass           0 = horizontal from BloomTexture,
//                            1 = vertical from BloomTexture2
#version 120
uniform sampler2D BloomTexture;
uniform sampler2D BloomTexture2;
uniform vec4 PixelSize;
uniform int Pass;

// Thirteen taps: the centre and six on each side, weights of a Gaussian
// with sigma 4 taps, normalised to 1.
const float weights[7] = float[7](0.1565, 0.1449, 0.1150, 0.0783, 0.0457, 0.0229, 0.0098);

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec2 step = (Pass == 0) ? vec2(PixelSize.x, 0.0) : vec2(0.0, PixelSize.w);
    vec4 sum = vec4(0.0);
    if (Pass == 0) {
        sum += texture2D(BloomTexture, uv) * weights[0];
        for (int i = 1; i < 7; ++i) {
            sum += texture2D(BloomTexture, uv + step * float(i)) * weights[i];
            sum += texture2D(BloomTexture, uv - step * float(i)) * weights[i];
        }
    } else {
        sum += texture2D(BloomTexture2, uv) * weights[0];
        for (int i = 1; i < 7; ++i) {
            sum += texture2D(BloomTexture2, uv + step * float(i)) * weights[i];
            sum += texture2D(BloomTexture2, uv - step * float(i)) * weights[i];
        }
    }
    gl_FragColor = sum;
}
)";

const char* const kBloomCombine = R"(// Bloom, pass 4: adds the blurred bright part back onto the frame.
// Uniforms:
//   sampler2D BloomTexture     the blurred bright part
//   sampler2D BaseTexture      the finished frame
//   float     BloomIntensity   strength of the bloom
//   float     BaseIntensity    strength of the frame
//   float     BloomSaturation  colour saturation of the bloom (0 = grey)
//   float     BaseSaturation   colour saturation of the frame
#version 120
uniform sampler2D BloomTexture;
uniform sampler2D BaseTexture;
uniform float BloomIntensity;
uniform float BaseIntensity;
uniform float BloomSaturation;
uniform float BaseSaturation;

vec4 AdjustSaturation(vec4 colour, float saturation)
{
    float grey = dot(colour.rgb, vec3(0.3, 0.59, 0.11));
    return vec4(mix(vec3(grey), colour.rgb, saturation), colour.a);
}

// The bloom lifts each pixel towards white by at most `reach`, nearing it
// slowly: a kill flash drives the bloom several times over, and without the
// bound every light and mid tone would go flat white with it, the ground and
// creatures lost. A negative bloom (the dimmed intro) darkens as it is.
const float reach = 0.7;

vec3 Lift(vec3 light)
{
    return mix(light, reach * (1.0 - exp(-light / reach)), step(0.0, light));
}

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec4 bloom = AdjustSaturation(texture2D(BloomTexture, uv), BloomSaturation) * BloomIntensity;
    vec4 frame = texture2D(BaseTexture, uv);
    vec4 base = AdjustSaturation(frame, BaseSaturation) * BaseIntensity;
    // Dark strokes and shapes take a third of the glow round them, so black
    // texts and creatures stay black against a blooming sky.
    float light = dot(frame.rgb, vec3(0.2126, 0.7152, 0.0722));
    vec3 lift = Lift(bloom.rgb * mix(0.35, 1.0, light));
    // Screen the bloom over the frame: where it is bright the frame brightens
    // towards white but keeps its own colours and shapes.
    vec3 room = mix(vec3(1.0), 1.0 - clamp(base.rgb, 0.0, 1.0), step(0.0, lift));
    gl_FragColor = vec4(base.rgb + room * lift, 1.0);
}
)";

bool CopyFile(const std::string& from, const std::string& to) {
  FILE* f = std::fopen(from.c_str(), "rb");
  if (!f) {
    std::fprintf(stderr, "fv_datagen: cannot read %s (install fonts-comfortaa)\n", from.c_str());
    return false;
  }
  std::vector<uint8_t> bytes;
  uint8_t buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
  std::fclose(f);
  return !bytes.empty() && WriteOutputFile(to, bytes);
}

}  // namespace

bool GenerateShaderFile(const DataFile& file, const GenContext& ctx) {
  const char* text = file.param == 0 ? kBloomExtract : file.param == 1 ? kGaussianBlur : kBloomCombine;
  return WriteOutputFile(OutputPathFor(ctx, file.path), text, std::char_traits<char>::length(text));
}

bool CopyFontFile(const DataFile& file, const GenContext& ctx) {
  return CopyFile(ctx.fontPath, OutputPathFor(ctx, file.path));
}

bool CopyFontLicence(const DataFile& file, const GenContext& ctx) {
  return CopyFile(ctx.licencePath, OutputPathFor(ctx, file.path));
}
