// Shadow casters of see-through surfaces: only texels of the first texture
// that are mostly opaque cast a shadow, in the scene's shadow colour.
uniform sampler2D colourMap;
uniform vec4 shadowColour;

varying vec2 uv;

void main()
{
    if (texture2D(colourMap, uv).a < 0.5)
        discard;
    gl_FragColor = shadowColour;
}
