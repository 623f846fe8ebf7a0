// Overlay pictures: the frame's texels kept sharp, tinted by custom
// parameter 1 of the overlay element (its alpha fades the picture).
#include "zarnithSharp.glsl"

uniform sampler2D pictureMap;
uniform vec4 tint;
uniform float textureDimensionsX;
uniform float textureDimensionsY;
uniform float filterScale;

varying vec2 uv;

void main()
{
    gl_FragColor = tint * texture2D(pictureMap, sharpUV(uv, vec2(textureDimensionsX, textureDimensionsY), filterScale));
}
