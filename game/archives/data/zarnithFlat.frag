// Unlit textured surfaces: the texture as it is.
uniform sampler2D colourMap;

varying vec2 uv;

void main()
{
    gl_FragColor = texture2D(colourMap, uv);
}
