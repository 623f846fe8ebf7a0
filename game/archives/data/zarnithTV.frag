// Old television: a screen curved by "TV_Curvature" with dark corners
// outside it, and scan lines as strong as "TV_intensity".
uniform sampler2D sceneMap;
uniform vec4 sceneSize; // width, height, 1 / width, 1 / height
uniform float TV_intensity;
uniform float TV_Curvature;

varying vec2 uv;

void main()
{
    vec2 centred = uv - 0.5;
    vec2 curved = uv + centred * dot(centred, centred) * TV_Curvature * 4.0;
    if (curved.x < 0.0 || curved.x > 1.0 || curved.y < 0.0 || curved.y > 1.0) {
        gl_FragColor = vec4(0.0, 0.0, 0.0, 1.0);
        return;
    }
    vec3 colour = texture2D(sceneMap, curved).rgb;
    float line = 0.5 + 0.5 * sin(curved.y * sceneSize.y * 3.14159);
    colour *= 1.0 - TV_intensity * 0.6 * line;
    gl_FragColor = vec4(colour, 1.0);
}
