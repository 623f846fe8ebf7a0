// Pixelation: the scene in blocks of "pixelSize" screen pixels.
uniform sampler2D sceneMap;
uniform vec4 sceneSize; // width, height, 1 / width, 1 / height
uniform float pixelSize;

varying vec2 uv;

void main()
{
    float block = max(pixelSize, 1.0);
    vec2 texel = (floor(uv * sceneSize.xy / block) + 0.5) * block * sceneSize.zw;
    gl_FragColor = texture2D(sceneMap, texel);
}
