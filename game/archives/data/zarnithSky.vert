// The layered sky: each layer's coordinates are the plane's, stretched by
// its "uvScale<i>" (x, y), shifted by its start offset (z, w) and scrolled
// by "speedmult<i>" texture sizes per second. LAYERS gives the count; with
// PIXEL the coordinates go out in texels of "textureDimensionsX/Y".
attribute vec4 vertex;
attribute vec2 uv0;

uniform mat4 worldViewProj;
uniform float time;
uniform vec2 speedmult0;
uniform vec4 uvScale0;
varying vec2 layer0;
#if LAYERS > 1
uniform vec2 speedmult1;
uniform vec4 uvScale1;
varying vec2 layer1;
#endif
#if LAYERS > 2
uniform vec2 speedmult2;
uniform vec4 uvScale2;
varying vec2 layer2;
#endif
#if LAYERS > 3
uniform vec2 speedmult3;
uniform vec4 uvScale3;
varying vec2 layer3;
#endif
#if LAYERS > 4
uniform vec2 speedmult4;
uniform vec4 uvScale4;
varying vec2 layer4;
#endif
#if LAYERS > 5
uniform vec2 speedmult5;
uniform vec4 uvScale5;
varying vec2 layer5;
#endif
#ifdef PIXEL
uniform float textureDimensionsX;
uniform float textureDimensionsY;
#endif

vec2 scrolled(vec4 uvScale, vec2 speed)
{
    vec2 uv = uv0 * uvScale.xy + uvScale.zw + time * speed;
#ifdef PIXEL
    uv *= vec2(textureDimensionsX, textureDimensionsY);
#endif
    return uv;
}

void main()
{
    layer0 = scrolled(uvScale0, speedmult0);
#if LAYERS > 1
    layer1 = scrolled(uvScale1, speedmult1);
#endif
#if LAYERS > 2
    layer2 = scrolled(uvScale2, speedmult2);
#endif
#if LAYERS > 3
    layer3 = scrolled(uvScale3, speedmult3);
#endif
#if LAYERS > 4
    layer4 = scrolled(uvScale4, speedmult4);
#endif
#if LAYERS > 5
    layer5 = scrolled(uvScale5, speedmult5);
#endif
    gl_Position = worldViewProj * vertex;
}
