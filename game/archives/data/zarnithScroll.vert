// Pictures that scroll: the texture moves by scrollSpeed texture sizes per
// second (the texture unit wraps).
attribute vec4 vertex;
attribute vec2 uv0;

uniform mat4 worldViewProj;
uniform float time;
uniform vec2 scrollSpeed;

varying vec2 uv;

void main()
{
    uv = uv0 + time * scrollSpeed;
    gl_Position = worldViewProj * vertex;
}
