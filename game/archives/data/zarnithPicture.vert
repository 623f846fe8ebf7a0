// Overlay pictures cut into numTilesU x numTilesV frames and animated from
// startEndFrames.x to startEndFrames.y at animSPeed runs per second; custom
// parameter 2 of the overlay element shifts the clock (restarts).
#include "zarnithFrames.glsl"

attribute vec4 vertex;
attribute vec2 uv0;

uniform mat4 worldViewProj;
uniform float time;
uniform vec4 timeOffset;
uniform float numTilesU;
uniform float numTilesV;
uniform float animSPeed;
uniform float animType;
uniform float textureDimensionsX;
uniform float textureDimensionsY;
uniform vec4 startEndFrames;

varying vec2 uv;

void main()
{
    float frame = animationFrame(time + timeOffset.x, startEndFrames.x, startEndFrames.y, animType, animSPeed,
                                 0.0);
    uv = frameUV(uv0, frame, vec2(numTilesU, numTilesV), vec2(textureDimensionsX, textureDimensionsY));
    gl_Position = worldViewProj * vertex;
}
