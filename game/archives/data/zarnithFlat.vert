// Unlit textured surfaces: the vertex in clip space and its texture
// coordinate.
attribute vec4 vertex;
attribute vec2 uv0;

uniform mat4 worldViewProj;

varying vec2 uv;

void main()
{
    uv = uv0;
    gl_Position = worldViewProj * vertex;
}
