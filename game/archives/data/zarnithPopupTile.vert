// Score and multiplier pop-ups: a billboard showing one character tile of
// a strip of totalTileNumber tiles side by side, with its particle's colour.
attribute vec4 vertex;
attribute vec4 colour;
attribute vec2 uv0;

uniform mat4 worldViewProj;
uniform float tileNumber;
uniform float totalTileNumber;

varying vec2 uv;
varying vec4 tint;

void main()
{
    uv = vec2((uv0.x + tileNumber) / totalTileNumber, uv0.y);
    tint = colour;
    gl_Position = worldViewProj * vertex;
}
