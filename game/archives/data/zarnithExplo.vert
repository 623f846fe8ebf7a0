// Animated sprite sheets on particles: numTilesU x numTilesV frames. A sheet
// that plays once shows the frame of the particle's age, read from its
// alpha, which fades from 1 to 0 over one play; a looping sheet runs at
// `speed` frames per second.
#include "zarnithFrames.glsl"

attribute vec4 vertex;
attribute vec4 colour;
attribute vec2 uv0;

uniform mat4 worldViewProj;
uniform float time;
uniform float numTilesU;
uniform float numTilesV;
uniform float isLooping;
uniform float speed;
uniform float textureDimensionsX;
uniform float textureDimensionsY;

varying vec2 uv;
varying vec4 tint;

void main()
{
    float count = max(floor(numTilesU * numTilesV + 0.5), 1.0);
    float frame = isLooping > 0.5 ? mod(floor(time * speed), count)
                                  : min(floor(clamp(1.0 - colour.a, 0.0, 1.0) * count), count - 1.0);
    uv = frameUV(uv0, frame, vec2(numTilesU, numTilesV), vec2(textureDimensionsX, textureDimensionsY));
    tint = colour;
    gl_Position = worldViewProj * vertex;
}
