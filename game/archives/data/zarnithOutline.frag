// Outlines: where the brightness changes sharply between neighbouring
// pixels the scene is darkened, drawing dark contours around objects.
uniform sampler2D sceneMap;
uniform vec4 sceneSize; // width, height, 1 / width, 1 / height

varying vec2 uv;

float brightnessAt(vec2 at)
{
    return dot(texture2D(sceneMap, at).rgb, vec3(0.299, 0.587, 0.114));
}

void main()
{
    vec2 step = sceneSize.zw;
    float dx = brightnessAt(uv + vec2(step.x, 0.0)) - brightnessAt(uv - vec2(step.x, 0.0));
    float dy = brightnessAt(uv + vec2(0.0, step.y)) - brightnessAt(uv - vec2(0.0, step.y));
    float edge = clamp(length(vec2(dx, dy)) * 2.0, 0.0, 1.0);
    gl_FragColor = vec4(texture2D(sceneMap, uv).rgb * (1.0 - 0.8 * edge), 1.0);
}
