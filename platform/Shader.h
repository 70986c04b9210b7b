#pragma once
// Post-process effects: GLSL fragment shaders run over full-target quads.
//
// The agreement with the effect files (data/shader/*.fx, GLSL 1.20 fragment
// shaders):
// - every parameter is a uniform named as the game names it: floats
//   ("BloomThreshold", "BloomIntensity", "BaseIntensity", "BloomSaturation",
//   "BaseSaturation"), vec4 ("PixelSize"), sampler2D ("BaseTexture",
//   "BloomTexture", "BloomTexture2");
// - the quad's texture coordinate arrives in gl_TexCoord[0].xy, (0, 0) to
//   (1, 1) across the target, in the same orientation for every input
//   texture, so a shader samples its inputs there without flipping;
// - an effect with several passes reads the pass number from
//   "uniform int Pass;" (0, 1, ...); one-pass effects may leave it out;
// - the output is written to gl_FragColor and replaces the target's pixels
//   (no blending).
struct Effect;
struct RenderTarget;

// True when the display can run fragment shaders.
bool EffectsAvailable();
// Loads and compiles a fragment shader file ('\\' in the path is taken as
// '/'). Null when the file is missing, does not compile, or shaders are not
// available; callers then fall back to plain frames.
Effect* CreateEffectFromFile(const char* path);
void ReleaseEffect(Effect* effect);

// Parameters by name; unknown names are ignored.
void SetEffectFloat(Effect* effect, const char* name, float value);
void SetEffectVector(Effect* effect, const char* name, float x, float y, float z, float w);
void SetEffectTexture(Effect* effect, const char* name, RenderTarget* texture);

// Runs one pass of the effect over the whole of `destination` (null: the
// current batch target, i.e. the window's frame). False when nothing ran.
bool DrawEffectPass(Effect* effect, int pass, RenderTarget* destination);
