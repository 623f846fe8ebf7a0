// Particles: the texture tinted by the particle's colour.
uniform sampler2D particleMap;

varying vec2 uv;
varying vec4 tint;

void main()
{
    gl_FragColor = texture2D(particleMap, uv) * tint;
}
