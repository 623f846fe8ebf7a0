// Unlit textured surfaces: the texture as it is; with TINT (overlay
// pictures), tinted by custom parameter 1 of the overlay element.
uniform sampler2D colourMap;
#ifdef TINT
uniform vec4 tint;
#endif

varying vec2 uv;

void main()
{
    gl_FragColor = texture2D(colourMap, uv);
#ifdef TINT
    gl_FragColor *= tint;
#endif
}
