// Animated sprite sheets on particles: the frame's texels kept sharp, tinted
// by the particle's colour.
#include "zarnithSharp.glsl"

uniform sampler2D sheetMap;
uniform float textureDimensionsX;
uniform float textureDimensionsY;
uniform float filterScale;

varying vec2 uv;
varying vec4 tint;

void main()
{
    gl_FragColor = tint * texture2D(sheetMap, sharpUV(uv, vec2(textureDimensionsX, textureDimensionsY), filterScale));
}
