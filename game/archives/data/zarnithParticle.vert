// Particles: billboards with their particle's colour.
attribute vec4 vertex;
attribute vec4 colour;
attribute vec2 uv0;

uniform mat4 worldViewProj;

varying vec2 uv;
varying vec4 tint;

void main()
{
    uv = uv0;
    tint = colour;
    gl_Position = worldViewProj * vertex;
}
