// Shots: the current frame, repeated along a laser beam, tinted.
uniform sampler2D shotMap;

varying vec2 along;
varying vec2 cell;
varying vec2 tiles;
varying float repeats;
varying vec4 tint;

void main()
{
    float u = mix(clamp(along.x, 0.0, 1.0), fract(along.x), repeats);
    vec2 local = vec2(u, clamp(along.y, 0.0, 1.0));
    gl_FragColor = texture2D(shotMap, (local + cell) / tiles) * tint;
}
