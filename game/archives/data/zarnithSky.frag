// The layered sky: the first layer is the background, each further layer is
// laid over the ones before by its alpha. With PIXEL the texels are taken
// whole (coordinates arrive in texels of "textureDimensionsX/Y").
uniform sampler2D layerMap0;
varying vec2 layer0;
#if LAYERS > 1
uniform sampler2D layerMap1;
varying vec2 layer1;
#endif
#if LAYERS > 2
uniform sampler2D layerMap2;
varying vec2 layer2;
#endif
#if LAYERS > 3
uniform sampler2D layerMap3;
varying vec2 layer3;
#endif
#if LAYERS > 4
uniform sampler2D layerMap4;
varying vec2 layer4;
#endif
#if LAYERS > 5
uniform sampler2D layerMap5;
varying vec2 layer5;
#endif
#ifdef PIXEL
uniform float textureDimensionsX;
uniform float textureDimensionsY;
#endif

vec4 sampleLayer(sampler2D map, vec2 uv)
{
#ifdef PIXEL
    vec2 size = vec2(textureDimensionsX, textureDimensionsY);
    uv = (floor(uv) + 0.5) / size;
#endif
    return texture2D(map, uv);
}

vec3 over(vec3 below, vec4 layer)
{
    return mix(below, layer.rgb, layer.a);
}

void main()
{
    vec3 colour = sampleLayer(layerMap0, layer0).rgb;
#if LAYERS > 1
    colour = over(colour, sampleLayer(layerMap1, layer1));
#endif
#if LAYERS > 2
    colour = over(colour, sampleLayer(layerMap2, layer2));
#endif
#if LAYERS > 3
    colour = over(colour, sampleLayer(layerMap3, layer3));
#endif
#if LAYERS > 4
    colour = over(colour, sampleLayer(layerMap4, layer4));
#endif
#if LAYERS > 5
    colour = over(colour, sampleLayer(layerMap5, layer5));
#endif
    gl_FragColor = vec4(colour, 1.0);
}
