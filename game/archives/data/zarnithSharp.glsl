// Texels stay sharp when a picture is drawn larger than its texture: the
// colour is flat inside a texel and blends only across texel borders, over
// `filterScale` screen pixels (the runtime asks for 2.5 for pixel art).
vec2 sharpUV(vec2 coord, vec2 textureSize, float filterScale)
{
    vec2 size = max(textureSize, vec2(1.0));
    vec2 texel = coord * size;
    vec2 border = floor(texel + 0.5);
    vec2 blend = max(fwidth(texel) * filterScale, vec2(0.0001));
    return (border + clamp((texel - border) / blend, -0.5, 0.5)) / size;
}
