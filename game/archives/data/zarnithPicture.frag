// Overlay pictures: the frame's texels kept sharp.
#include "zarnithSharp.glsl"

uniform sampler2D pictureMap;
uniform float textureDimensionsX;
uniform float textureDimensionsY;
uniform float filterScale;

varying vec2 uv;

void main()
{
    gl_FragColor = texture2D(pictureMap, sharpUV(uv, vec2(textureDimensionsX, textureDimensionsY), filterScale));
}
