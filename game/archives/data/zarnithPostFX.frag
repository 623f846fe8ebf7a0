// Colour post effect: chromatic shift, colour correction (contrast,
// brightness, saturation, gamma, inversion) and film noise, each weighed by
// its switch (0 or 1) so that one program serves every combination.
uniform sampler2D sceneMap;
uniform float time;
uniform float b_isNoise;
uniform float noisePostIntensity;
uniform float b_isChroma;
uniform float chromaticPostIntensity;
uniform float b_isColorCorrec;
uniform float contrast;
uniform float brightness;
uniform float saturation;
uniform float gamma;
uniform float invert;

varying vec2 uv;

float noiseAt(vec2 p)
{
    return fract(sin(dot(p, vec2(12.9898, 78.233)) + time * 7.0) * 43758.5453);
}

void main()
{
    vec2 shift = vec2(chromaticPostIntensity * 0.01 * b_isChroma, 0.0);
    vec3 colour = vec3(texture2D(sceneMap, uv + shift).r, texture2D(sceneMap, uv).g,
                       texture2D(sceneMap, uv - shift).b);
    vec3 corrected = ((colour - 0.5) * contrast + 0.5) * brightness;
    float grey = dot(corrected, vec3(0.299, 0.587, 0.114));
    corrected = mix(vec3(grey), corrected, saturation);
    corrected = pow(max(corrected, vec3(0.0)), vec3(1.0 / max(gamma, 0.001)));
    corrected = mix(corrected, vec3(1.0) - corrected, invert);
    colour = mix(colour, corrected, b_isColorCorrec);
    colour += (noiseAt(uv) - 0.5) * noisePostIntensity * 0.25 * b_isNoise;
    gl_FragColor = vec4(colour, 1.0);
}
