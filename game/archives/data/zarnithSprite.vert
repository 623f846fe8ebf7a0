// Sprites: a plane textured with one frame of a sheet of numTilesUV frames.
// The frame comes from the drawn object's own parameters, which the runtime
// sets per object: custom 2 shifts the clock (restarts and random starts),
// custom 3 holds the first and last frame, custom 4 the animation type, the
// chosen frame and the rate.
#include "zarnithFrames.glsl"

attribute vec4 vertex;
attribute vec3 normal;
attribute vec2 uv0;

uniform mat4 worldViewProj;
uniform mat4 world;
uniform float time;
uniform vec4 timeOffset;
uniform vec4 frameRange;
uniform vec4 animation;
uniform vec2 numTilesUV;
uniform vec2 textureDimensions;

varying vec2 uv;
varying vec3 worldPosition;
varying vec3 worldNormal;

void main()
{
    float frame = animationFrame(time + timeOffset.x, frameRange.x, frameRange.y, animation.x, animation.z,
                                 animation.y);
    uv = frameUV(uv0, frame, numTilesUV, textureDimensions);
    worldPosition = (world * vertex).xyz;
    worldNormal = (world * vec4(normal, 0.0)).xyz;
    gl_Position = worldViewProj * vertex;
}
